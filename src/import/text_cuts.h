#pragma once

#include <QString>

// The cutting operations the import layouts are defined with. Positions count from 1 in UTF-16
// code units; comparisons are case-sensitive. Every failure throws errors::RuntimeError: 5
// "Invalid procedure call or argument" for a negative length or a start before position 1, 6
// "Overflow" for a position outside the 16-bit signed range.
namespace import::cuts {

// Positions, and the sums and differences formed from them, are 16-bit signed values, so a line
// whose separator lies beyond position 32767 fails rather than being cut at a wrapped position.
// Returns value when it fits.
qint16 int16(qint64 value);

// Position of the first / last occurrence of needle; 0 when there is none.
qint16 find(const QString& text, const QString& needle);
qint16 findLast(const QString& text, const QString& needle);

// The first / last count characters; all of text when count is at least its length.
QString left(const QString& text, qint64 count);
QString right(const QString& text, qint64 count);

// From position start to the end, or at most count characters from start; empty when start is
// beyond the end.
QString mid(const QString& text, qint64 start);
QString mid(const QString& text, qint64 start, qint64 count);

} // namespace import::cuts
