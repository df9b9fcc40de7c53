#include "pages.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace jet4 {
namespace {

constexpr std::uint8_t kPageTypeData = 0x01;
constexpr std::size_t kDataPageHeader = 14;
constexpr std::size_t kUsageMapBitmapBytes = 64;
constexpr std::uint32_t kUsageMapPages = kUsageMapBitmapBytes * 8;

constexpr std::size_t kEncryptedStart = 0x18;
constexpr std::size_t kEncryptedLength = 128;
constexpr std::size_t kCodePageOffset = 0x3C;
constexpr std::size_t kPasswordOffset = 0x42;
constexpr std::size_t kPasswordLength = 40;
constexpr std::size_t kSortOrderOffset = 0x6E;
constexpr std::size_t kCreationDateOffset = 0x72;

std::size_t spaceFor(const Bytes& row)
{
    return row.size() + 2;
}

} // namespace

void rc4(const Bytes& key, std::uint8_t* data, std::size_t length)
{
    std::uint8_t state[256];
    for (int i = 0; i < 256; ++i)
        state[i] = static_cast<std::uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[i] + key[i % key.size()]) & 0xFF;
        std::swap(state[i], state[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + state[i]) & 0xFF;
        std::swap(state[i], state[j]);
        data[n] ^= state[(state[i] + state[j]) & 0xFF];
    }
}

Bytes headerPage(double creationDate)
{
    ByteBuffer page;
    page.u32(0x00000100); // 00 01 00 00
    const char name[] = "Standard Jet DB";
    for (char c : name) // with its terminating zero
        page.u8(static_cast<std::uint8_t>(c));
    page.u32(1); // 0x14: Jet 4
    page.zeros(kPageSize - page.size());
    page.put16(kCodePageOffset, 1252);
    // Jet 4 masks the password with the integer part of the creation date, repeated.
    const auto mask = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::floor(creationDate)));
    for (std::size_t i = 0; i < kPasswordLength; i += 4)
        page.put32(kPasswordOffset + i, mask);
    page.put16(kSortOrderOffset, 1033);
    Bytes bytes = page.take();
    ByteBuffer date;
    date.f64(creationDate);
    std::memcpy(bytes.data() + kCreationDateOffset, date.data().data(), 8);
    rc4(Bytes{0xC7, 0xDA, 0x39, 0x6B}, bytes.data() + kEncryptedStart, kEncryptedLength);
    return bytes;
}

Bytes rowPage(const std::vector<Bytes>& rows, std::uint32_t ownerPage)
{
    std::size_t used = kDataPageHeader;
    for (const Bytes& row : rows)
        used += spaceFor(row);
    if (used > kPageSize)
        throw std::runtime_error("rows do not fit one page");
    Bytes page(kPageSize, 0);
    ByteBuffer header;
    header.u8(kPageTypeData);
    header.u8(0x01);
    header.u16(static_cast<std::uint32_t>(kPageSize - used)); // free space
    header.u32(ownerPage);
    header.u32(0);
    header.u16(static_cast<std::uint32_t>(rows.size()));
    std::size_t end = kPageSize;
    for (const Bytes& row : rows) {
        const std::size_t start = end - row.size();
        std::memcpy(page.data() + start, row.data(), row.size());
        header.u16(static_cast<std::uint32_t>(start));
        end = start;
    }
    std::memcpy(page.data(), header.data().data(), header.size());
    return page;
}

std::vector<Bytes> dataPages(const std::vector<Bytes>& rows, std::uint32_t ownerPage)
{
    std::vector<Bytes> pages;
    std::vector<Bytes> pending;
    std::size_t used = kDataPageHeader;
    for (const Bytes& row : rows) {
        if (kDataPageHeader + spaceFor(row) > kPageSize)
            throw std::runtime_error("a row is larger than a page");
        if (used + spaceFor(row) > kPageSize) {
            pages.push_back(rowPage(pending, ownerPage));
            pending.clear();
            used = kDataPageHeader;
        }
        pending.push_back(row);
        used += spaceFor(row);
    }
    if (!pending.empty())
        pages.push_back(rowPage(pending, ownerPage));
    return pages;
}

// Type 0 (inline), start page 0 (bytes 1-4), then the bitmap.
Bytes usageMapRow(const std::vector<std::uint32_t>& pages)
{
    Bytes row(5 + kUsageMapBitmapBytes, 0);
    for (std::uint32_t page : pages) {
        if (page >= kUsageMapPages)
            throw std::runtime_error("page beyond the range of an inline usage map");
        row[5 + page / 8] |= static_cast<std::uint8_t>(1u << (page % 8));
    }
    return row;
}

Bytes globalUsageMapRow(std::uint32_t pageCount)
{
    if (pageCount > kUsageMapPages)
        throw std::runtime_error("database larger than the global usage map covers");
    Bytes row(5 + kUsageMapBitmapBytes, 0);
    for (std::uint32_t page = pageCount; page < kUsageMapPages; ++page)
        row[5 + page / 8] |= static_cast<std::uint8_t>(1u << (page % 8));
    return row;
}

} // namespace jet4
