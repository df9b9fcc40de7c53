#pragma once

#include "schema.h"

namespace jet4 {

// The four system tables Access creates in every database, without rows: MSysObjects,
// MSysACEs, MSysQueries and MSysRelationships, with Access's columns.
std::vector<Table> systemTables();

// Fills the rows of MSysObjects (tables[0]) and MSysACEs (tables[1]). tables starts with the
// four system tables; definitionPage[i] is the page of tables[i]'s definition, which is also
// its id in the catalog.
void fillCatalog(std::vector<Table>& tables, const std::vector<std::uint32_t>& definitionPage);

} // namespace jet4
