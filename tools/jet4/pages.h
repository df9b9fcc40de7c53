#pragma once

#include "table_def.h"

#include <cstdint>
#include <vector>

namespace jet4 {

// Page 0: the format name, version 1 (Jet 4), and the block at 0x18..0x97 that every reader
// RC4-decrypts with the fixed key C7 DA 39 6B before use. Inside it: code page 1252, database
// key 0 (pages are not encrypted), an empty password (its 40 bytes masked with the creation
// date, as Jet 4 stores it), sort order 1033 ("General") and the creation date.
Bytes headerPage(double creationDate);

// Data pages (type 0x01) of the table whose definition is on ownerPage, holding rows in the
// given order: each page takes as many rows as fit, its first row ending at the page end and
// each next row ending where the previous one starts. Throws when a row cannot fit a page.
std::vector<Bytes> dataPages(const std::vector<Bytes>& rows, std::uint32_t ownerPage);

// A data page of unowned rows (owner page 0), as Access keeps usage maps: rows in order.
Bytes rowPage(const std::vector<Bytes>& rows, std::uint32_t ownerPage);

// An inline usage map (type 0): start page 0 and a 64-byte bitmap with a bit set for each of
// pages. Pages beyond the bitmap's 512 are refused (std::runtime_error).
Bytes usageMapRow(const std::vector<std::uint32_t>& pages);

// The database's global usage map (page 1, row 0): an inline map of the free pages. A file
// written in one go has none, so only the bits past its last page (pageCount and up) are set.
Bytes globalUsageMapRow(std::uint32_t pageCount);

// Bytes 0x18..0x97 of page 0 are stored RC4-encrypted with this key.
void rc4(const Bytes& key, std::uint8_t* data, std::size_t length);

} // namespace jet4
