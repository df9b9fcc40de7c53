#pragma once

#include "schema.h"

namespace jet4 {

// Fixed date (days since 1899-12-30) used for the file's creation date and the catalog's
// DateCreate/DateUpdate, so the same tables always give the same bytes: 2026-01-01 00:00.
constexpr double kFixedDate = 46023.0;

// A complete Jet 4 (Access 2000) database holding userTables: page 0 (header), page 1 (the
// global usage map), page 2 (MSysObjects' definition), page 3 (the usage maps of every
// table), the definitions of MSysACEs, MSysQueries, MSysRelationships and of each user table,
// then the data pages of each table. The catalog MSysObjects lists the containers Tables,
// Databases and Relationships (and Access's own containers), the database object MSysDb
// with AccessVersion 08.50, the system tables and the user tables; MSysACEs holds the
// permissions Access's own empty database grants. No table has an index.
// Throws std::runtime_error on tables that do not fit (too many pages, rows or names).
Bytes writeDatabase(const std::vector<Table>& userTables);

} // namespace jet4
