#include "database.h"

#include "catalog.h"
#include "pages.h"
#include "row.h"
#include "table_def.h"

#include <stdexcept>

namespace jet4 {
namespace {

constexpr std::uint32_t kGlobalUsageMapPage = 1;
constexpr std::uint32_t kCatalogDefinitionPage = 2;
constexpr std::uint32_t kUsageMapPage = 3;
constexpr std::uint32_t kFirstOtherDefinitionPage = 4;

struct Layout
{
    std::vector<std::uint32_t> definitionPage;
    std::vector<std::vector<Bytes>> dataPages;
    std::vector<std::vector<std::uint32_t>> dataPageNumbers;
};

std::size_t longValueColumns(const Table& table)
{
    std::size_t count = 0;
    for (const Column& column : table.columns)
        count += isLongValue(column.type) ? 1 : 0;
    return count;
}

std::vector<Bytes> encodeRows(const Table& table)
{
    std::vector<Bytes> rows;
    for (const Row& row : table.rows)
        rows.push_back(encodeRow(table, row));
    return rows;
}

} // namespace

Bytes writeDatabase(const std::vector<Table>& userTables)
{
    std::vector<Table> tables = systemTables();
    tables.insert(tables.end(), userTables.begin(), userTables.end());

    // Definition pages first: they are the tables' ids, which the catalog rows need.
    Layout layout;
    for (std::size_t i = 0; i < tables.size(); ++i)
        layout.definitionPage.push_back(i == 0 ? kCatalogDefinitionPage
                                               : kFirstOtherDefinitionPage + static_cast<std::uint32_t>(i - 1));
    fillCatalog(tables, layout.definitionPage);

    std::uint32_t nextPage = kFirstOtherDefinitionPage + static_cast<std::uint32_t>(tables.size() - 1);
    for (std::size_t i = 0; i < tables.size(); ++i) {
        layout.dataPages.push_back(dataPages(encodeRows(tables[i]), layout.definitionPage[i]));
        std::vector<std::uint32_t> numbers;
        for (std::size_t k = 0; k < layout.dataPages.back().size(); ++k)
            numbers.push_back(nextPage++);
        layout.dataPageNumbers.push_back(std::move(numbers));
    }
    const std::uint32_t pageCount = nextPage;

    // Usage maps, all on one page: per table the pages it owns and those with free space
    // (every data page written here has room left), then an empty pair per long-value column
    // (their values sit inside the rows, so they own no pages).
    std::vector<Bytes> mapRows;
    auto addMap = [&](const std::vector<std::uint32_t>& pages) {
        mapRows.push_back(usageMapRow(pages));
        return RowPointer{kUsageMapPage, static_cast<std::uint8_t>(mapRows.size() - 1)};
    };
    std::vector<Bytes> definitions;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        UsageMapPair tableMaps{addMap(layout.dataPageNumbers[i]), addMap(layout.dataPageNumbers[i])};
        std::vector<UsageMapPair> longValueMaps;
        for (std::size_t k = 0; k < longValueColumns(tables[i]); ++k)
            longValueMaps.push_back({addMap({}), addMap({})});
        definitions.push_back(encodeTableDefinition(tables[i], tableMaps, longValueMaps));
    }
    if (mapRows.size() > 255)
        throw std::runtime_error("too many usage maps for one page");

    std::vector<Bytes> pages(pageCount);
    pages[0] = headerPage(kFixedDate);
    pages[kGlobalUsageMapPage] = rowPage({globalUsageMapRow(pageCount)}, 0);
    pages[kUsageMapPage] = rowPage(mapRows, 0);
    for (std::size_t i = 0; i < tables.size(); ++i) {
        pages[layout.definitionPage[i]] = definitions[i];
        for (std::size_t k = 0; k < layout.dataPages[i].size(); ++k)
            pages[layout.dataPageNumbers[i][k]] = layout.dataPages[i][k];
    }

    Bytes file;
    file.reserve(pageCount * kPageSize);
    for (const Bytes& page : pages)
        file.insert(file.end(), page.begin(), page.end());
    return file;
}

} // namespace jet4
