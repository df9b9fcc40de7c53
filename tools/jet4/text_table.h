#pragma once

#include "schema.h"

#include <optional>
#include <string>
#include <vector>

namespace jet4 {

// The plain-text table of window texts (src/language/texts.tsv), UTF-8:
//   - lines starting with '#' and empty lines are comments;
//   - the first other line names the columns, tab-separated: "ComponentName", then one
//     "<Language>Value" column per language (a new language is a new column);
//   - every further line is one key and its texts, with exactly as many fields;
//   - in a field, \r \n \t \\ stand for CR, LF, tab and backslash, and a field that is exactly
//     \N is NULL.
struct TextTable
{
    std::vector<std::string> columns;
    std::vector<std::vector<std::optional<std::string>>> rows; // UTF-8, nullopt = NULL
};

// Throws std::runtime_error with the line number for a malformed table, a key that is empty,
// NULL or repeated, or a column name that is not ComponentName / <Language>Value.
TextTable parseTextTable(const std::string& text);

// tblComponents for the text table: every column TEXT(255), compressed where possible.
Table componentsTable(const TextTable& texts);

} // namespace jet4
