#include "schema.h"

namespace jet4 {

bool isFixedLength(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean:
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long:
    case ColumnType::DateTime:
        return true;
    default:
        return false;
    }
}

bool isLongValue(ColumnType type)
{
    return type == ColumnType::Ole || type == ColumnType::Memo;
}

bool isTextual(ColumnType type)
{
    return type == ColumnType::Text || type == ColumnType::Memo;
}

int fixedSize(ColumnType type)
{
    switch (type) {
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
        return 4;
    case ColumnType::DateTime:
        return 8;
    default:
        return 0;
    }
}

int definedLength(ColumnType type)
{
    switch (type) {
    case ColumnType::Boolean:
        return 1;
    case ColumnType::Text:
        return 510;
    case ColumnType::Binary:
        return 255;
    case ColumnType::Ole:
    case ColumnType::Memo:
        return 0;
    default:
        return fixedSize(type);
    }
}

} // namespace jet4
