#pragma once
// Damages a library the way a bad disk sector would: one leaf page from the
// middle of a table is overwritten with garbage. The file stays a library
// (its header and check pass); reading through that page fails.
#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quorvane::fakes {

namespace damaged_page_detail {

inline std::uint32_t bigEndian(const std::vector<char>& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

struct TableLayout {
    std::uint32_t pageSize = 0;
    std::uint32_t rootPage = 0;
};

inline TableLayout layoutOf(const std::filesystem::path& path, const char* table) {
    TableLayout layout;
    sqlite3* raw = nullptr;
    sqlite3_open_v2(path.string().c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    const std::string sql = std::string("select rootpage, (select page_size from pragma_page_size) ") +
                            "from sqlite_master where type='table' and name='" + table + "'";
    if (sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW) {
        layout.rootPage = static_cast<std::uint32_t>(sqlite3_column_int(stmt, 0));
        layout.pageSize = static_cast<std::uint32_t>(sqlite3_column_int(stmt, 1));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(raw);
    return layout;
}

// Walks the table's b-tree from its root through the middle child of each
// interior page down to a leaf, so the page holds rows from the middle of a scan.
inline std::uint32_t middleLeafOf(const std::vector<char>& file, const TableLayout& layout) {
    constexpr unsigned char kInteriorTablePage = 0x05;
    constexpr unsigned char kLeafTablePage = 0x0D;
    std::uint32_t page = layout.rootPage;
    for (int depth = 0; depth < 10; ++depth) {
        const std::size_t start = std::size_t{page - 1} * layout.pageSize;
        const std::size_t header = start + (page == 1 ? 100 : 0);
        const auto type = static_cast<unsigned char>(file.at(header));
        if (type == kLeafTablePage) return page;
        if (type != kInteriorTablePage) return 0;
        const std::uint32_t cells = bigEndian(file, header + 3, 2);
        const std::uint32_t cell = bigEndian(file, header + 12 + 2 * (cells / 2), 2);
        page = bigEndian(file, start + cell, 4);  // an interior cell begins with its left child
    }
    return 0;
}

}  // namespace damaged_page_detail

// False when the table does not span several pages (there is no middle leaf
// to damage) or the file could not be written. The library must be closed.
inline bool damageMiddleOf(const std::filesystem::path& library, const char* table) {
    using namespace damaged_page_detail;
    const TableLayout layout = layoutOf(library, table);
    if (layout.pageSize == 0) return false;
    std::vector<char> file;
    {
        std::ifstream in(library, std::ios::binary);
        file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::uint32_t leaf = middleLeafOf(file, layout);
    if (leaf <= 1) return false;
    std::fstream out(library, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(leaf - 1) * layout.pageSize);
    const std::string garbage(layout.pageSize, '\xA5');
    out.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace quorvane::fakes
