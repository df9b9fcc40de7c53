#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace language {

// One row of tblComponents as the language lookup sees it: the key (ComponentName) and the
// text of the chosen language's column. std::nullopt is a NULL value (the row's null bitmap
// says "no value"); an empty QString is a zero-length text, which is a valid text.
struct LanguageRow
{
    QString key;
    std::optional<QString> value;

    bool operator==(const LanguageRow&) const = default;
};

// All rows in the order the database returns them (physical order: for a file that was never
// compacted, the order of insertion). The first row with a key wins.
using LanguageRows = QList<LanguageRow>;

} // namespace language
