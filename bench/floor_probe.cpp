// The floors the program is measured against, each as small a program as does the same work:
//   floor_probe scan FILE... RECORDSIZE  read in 1 MiB blocks, count the records in use
//   floor_probe scan-sort CLIENTI.PRO    the same, keeping each customer's name, then sorting them
//   floor_probe xlsx CLIENTI.PRO OUT     every customer's fields, decoded from Windows-1252, to a
//                                        spreadsheet through libxlsxwriter's constant-memory writer
// It prints what it found, so the work cannot be left out.
#include "customers/customer_file.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using filmeria::CustomerLayout;

// Calls `take` for every whole record of the file, read in blocks of about 1 MiB.
template <typename Take> long scan(const char* path, std::size_t recordSize, Take take) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        std::exit(2);
    std::vector<char> block((1 << 20) / recordSize * recordSize);
    long records = 0;
    std::size_t n;
    while ((n = std::fread(block.data(), 1, block.size(), file)) >= recordSize) {
        for (std::size_t at = 0; at + recordSize <= n; at += recordSize, ++records)
            take(block.data() + at);
    }
    std::fclose(file);
    return records;
}

// Windows-1252 to UTF-8, the 0x80–0x9F row from the code page, the rest Latin-1.
void appendUtf8(std::string& out, const char* text, std::size_t length) {
    static const unsigned short kRow80[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                              0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned c = static_cast<unsigned char>(text[i]);
        const unsigned u = c >= 0x80 && c < 0xA0 ? kRow80[c - 0x80] : c;
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
}

std::size_t fieldLength(const char* field, std::size_t capacity) {
    return std::min<std::size_t>(static_cast<unsigned char>(field[0]), capacity);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "scan" && argc >= 4) {
        const std::size_t recordSize = std::strtoul(argv[argc - 1], nullptr, 10);
        long used = 0;
        long records = 0;
        for (int file = 2; file < argc - 1; ++file)
            records += scan(argv[file], recordSize, [&](const char* record) { used += record[0] != 0; });
        std::printf("%ld records, %ld in use\n", records, used);
        return 0;
    }
    const auto& name = CustomerLayout::kFields[0];
    if (mode == "scan-sort" && argc == 3) {
        std::vector<char> keys;
        FILE* sized = std::fopen(argv[2], "rb");
        if (sized && std::fseek(sized, 0, SEEK_END) == 0)
            keys.reserve(static_cast<std::size_t>(std::ftell(sized)) / CustomerLayout::kRecordSize *
                         name.capacity);
        if (sized)
            std::fclose(sized);
        const long records = scan(argv[2], CustomerLayout::kRecordSize, [&](const char* record) {
            const char* field = record + name.offset;
            keys.insert(keys.end(), field + 1, field + 1 + name.capacity);
        });
        std::vector<const char*> order(static_cast<std::size_t>(records));
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = keys.data() + i * name.capacity;
        std::sort(order.begin(), order.end(),
                  [&](const char* a, const char* b) { return std::memcmp(a, b, name.capacity) < 0; });
        std::printf("%ld records sorted, first %.20s\n", records, order.empty() ? "" : order.front());
        return 0;
    }
    if (mode == "xlsx" && argc == 4) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        lxw_workbook* workbook = workbook_new_opt(argv[3], &options);
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Clienti");
        lxw_format* text = workbook_add_format(workbook);
        format_set_num_format(text, "@");
        lxw_row_t row = 1;
        std::string cell;
        const long records = scan(argv[2], CustomerLayout::kRecordSize, [&](const char* record) {
            worksheet_write_number(sheet, row, 0, static_cast<double>(row), nullptr);
            lxw_col_t column = 1;
            for (const auto& field : CustomerLayout::kFields) {
                cell.clear();
                appendUtf8(cell, record + field.offset + 1,
                           fieldLength(record + field.offset, field.capacity));
                worksheet_write_string(sheet, row, column++, cell.c_str(), text);
            }
            ++row;
        });
        workbook_close(workbook);
        std::printf("%ld customers written\n", records);
        return 0;
    }
    std::fprintf(stderr,
                 "uso: floor_probe scan FILE... DIMENSIONE | scan-sort CLIENTI.PRO | xlsx CLIENTI.PRO OUT\n");
    return 2;
}
