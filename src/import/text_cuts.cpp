#include "import/text_cuts.h"

#include "runtime_errors/runtime_error.h"

#include <limits>

namespace import::cuts {
namespace {

void requireArgument(bool valid)
{
    if (!valid)
        throw errors::invalidProcedureCall();
}

} // namespace

qint16 int16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw errors::overflow();
    return qint16(value);
}

qint16 find(const QString& text, const QString& needle)
{
    return int16(text.indexOf(needle) + 1);
}

qint16 findLast(const QString& text, const QString& needle)
{
    return int16(text.lastIndexOf(needle) + 1);
}

QString left(const QString& text, qint64 count)
{
    requireArgument(count >= 0);
    return text.left(count);
}

QString right(const QString& text, qint64 count)
{
    requireArgument(count >= 0);
    return text.right(count);
}

QString mid(const QString& text, qint64 start)
{
    requireArgument(start >= 1);
    return start > text.size() ? QString() : text.mid(start - 1);
}

QString mid(const QString& text, qint64 start, qint64 count)
{
    requireArgument(start >= 1 && count >= 0);
    return start > text.size() ? QString() : text.mid(start - 1, count);
}

} // namespace import::cuts
