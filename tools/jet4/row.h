#pragma once

#include "schema.h"

namespace jet4 {

// A text value as Jet 4 stores it. With compression allowed and every character in
// U+0001..U+00FF, the compressed form: FF FE and one byte per character (Access's default);
// otherwise plain UTF-16LE. An empty text is zero bytes either way.
Bytes encodeText(const std::u16string& text, bool compress);

// One Jet 4 row of table: column count, fixed part, variable part, end-of-data offset, the
// variable-column offsets (last to first), the variable-column count and the null bitmap
// (bit set = value present; for Boolean columns the bit is the value). Throws
// std::runtime_error when a value does not fit its column.
Bytes encodeRow(const Table& table, const Row& row);

} // namespace jet4
