#include "text_table.h"

#include <set>
#include <sstream>
#include <stdexcept>

namespace jet4 {
namespace {

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

std::optional<std::string> unescape(const std::string& field, std::size_t lineNumber)
{
    if (field == "\\N")
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size())
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": a backslash ends the field");
        switch (field[i]) {
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": unknown escape \\" + field[i]);
        }
    }
    return out;
}

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

TextTable parseTextTable(const std::string& text)
{
    TextTable table;
    std::set<std::string> keys;
    std::istringstream lines(text);
    std::string line;
    std::size_t lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        const auto fields = splitTabs(line);
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (table.columns.empty()) {
            if (fields.size() < 2 || fields.front() != "ComponentName")
                throw std::runtime_error(where + "the header must be ComponentName and one column per language");
            for (std::size_t i = 1; i < fields.size(); ++i) {
                if (!endsWith(fields[i], "Value") || fields[i].size() == 5)
                    throw std::runtime_error(where + "language column \"" + fields[i] + "\" is not <Language>Value");
            }
            table.columns = fields;
            continue;
        }
        if (fields.size() != table.columns.size())
            throw std::runtime_error(where + "expected " + std::to_string(table.columns.size()) + " fields, found " +
                                     std::to_string(fields.size()));
        std::vector<std::optional<std::string>> row;
        for (const auto& field : fields)
            row.push_back(unescape(field, lineNumber));
        if (!row.front() || row.front()->empty())
            throw std::runtime_error(where + "the key is empty");
        if (!keys.insert(*row.front()).second)
            throw std::runtime_error(where + "the key \"" + *row.front() + "\" is repeated");
        table.rows.push_back(std::move(row));
    }
    if (table.columns.empty())
        throw std::runtime_error("the text table has no header line");
    return table;
}

Table componentsTable(const TextTable& texts)
{
    Table table;
    table.name = "tblComponents";
    for (const auto& name : texts.columns)
        table.columns.push_back(Column{name, ColumnType::Text, true});
    for (const auto& fields : texts.rows) {
        Row row;
        for (const auto& field : fields) {
            if (field)
                row.emplace_back(fromUtf8(*field));
            else
                row.emplace_back(std::monostate{});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace jet4
