#pragma once

#include <QByteArray>
#include <QString>

namespace language {

// Checks the outer shape of a Jet database before libmdb sees it, because libmdb trusts what it
// reads: an empty file, a file that is not a Jet database, or one cut off in the middle of a page
// is refused here with a reason for the error text. Returns an empty string when the file may
// be handed to libmdb.
QString jetFileProblem(const QByteArray& bytes);

} // namespace language
