#include "customers/customer_file.h"
#include "record_bytes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace filmeria {
namespace {

using testing::put;
using testing::TempFolder;

CustomerRecord customer(const std::string& name, const std::string& card) {
    CustomerRecord r;
    r[CustomerField::Nome] = name;
    r[CustomerField::Tessera] = card;
    return r;
}

// The file format's table, field by field: name, offset of the length byte, capacity.
TEST(CustomerRecordBytes, LayoutMatchesTheFileFormat) {
    const struct {
        const char* name;
        std::size_t offset, capacity;
    } format[] = {{"Nome", 0, 120},        {"Indirizzo", 121, 250}, {"Cap", 372, 10},
                  {"Citta", 383, 120},     {"Prov", 504, 2},        {"DataNasc", 507, 10},
                  {"LuogoNasc", 518, 120}, {"CodFisc", 639, 16},    {"Iva", 656, 11},
                  {"Tessera", 668, 50},    {"Iscrizione", 719, 10}, {"Noleggio", 730, 200},
                  {"TelCasa", 931, 50},    {"TelUff", 982, 50},     {"TelCel", 1033, 50},
                  {"Fax", 1084, 50},       {"Email", 1135, 250},    {"Trama", 1386, 255}};
    const auto& fields = CustomerLayout::kFields;
    ASSERT_EQ(fields.size(), std::size(format));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(fields[i].label(), format[i].name);
        EXPECT_EQ(fields[i].offset, format[i].offset) << format[i].name;
        EXPECT_EQ(fields[i].capacity, format[i].capacity) << format[i].name;
    }
}

TEST(CustomerRecordBytes, StoreRuleIsExactToTheByte) {
    CustomerRecord r;
    r[CustomerField::Nome] = "  Rossi Nicol\xF2 \t";     // Windows-1252 ò, blanks around
    r[CustomerField::Indirizzo] = std::string(300, 'V'); // longer than its 250 bytes
    r[CustomerField::Cap] = "     ";                     // blanks only
    r[CustomerField::Prov] = "MIX";                      // cut to 2
    r[CustomerField::Trama] = "riga uno\r\nriga due";    // inner line break kept
    r[CustomerField::Tessera] = "\x80-001";              // euro sign byte

    std::string expected(1642, '\0');
    put(expected, 0, "Rossi Nicol\xF2");
    put(expected, 121, std::string(250, 'V'));
    put(expected, 372, "");
    put(expected, 504, "MI");
    put(expected, 668, "\x80-001");
    put(expected, 1386, "riga uno\r\nriga due");
    EXPECT_EQ(r.encode(), expected);

    const CustomerRecord back = CustomerRecord::decode(expected);
    EXPECT_EQ(back[CustomerField::Nome], "Rossi Nicol\xF2");
    EXPECT_EQ(back[CustomerField::Indirizzo].size(), 250u);
    EXPECT_EQ(back[CustomerField::Trama], "riga uno\r\nriga due");
}

TEST(CustomerRecordBytes, ReadTakesLengthBytesTrimsAndNeverCrossesIntoTheNextField) {
    std::string bytes(1642, 'x');
    put(bytes, 504, "MI");
    bytes[372] = 3; // Cap: " 2 " with remnants after it
    bytes.replace(373, 3, " 2 ");
    bytes[639] = static_cast<char>(200); // CodFisc damaged: 200 > 16
    bytes.replace(640, 16, "RSSMRA80A01H501U");
    const CustomerRecord r = CustomerRecord::decode(bytes);
    EXPECT_EQ(r[CustomerField::Prov], "MI");
    EXPECT_EQ(r[CustomerField::Cap], "2");
    EXPECT_EQ(r[CustomerField::CodFisc], "RSSMRA80A01H501U");
}

TEST(CustomerFile, MissingFileIsCreatedEmptyAndRecordsAppendReadAndRewrite) {
    TempFolder dir;
    {
        const CustomerArchive file = customerArchive(dir.folder());
        EXPECT_EQ(file.count(), 0u);
        EXPECT_EQ(file.append(customer("Alfa", "1")), 1u);
        EXPECT_EQ(file.append(customer("Beta", "2")), 2u);
        EXPECT_EQ(file.append(customer("Gamma", "3")), 3u);
        file.writeAt(2, customer("Beta Bis", "2b"));
    }
    EXPECT_EQ(dir.read("Clienti.pro").size(), 3u * 1642);
    const CustomerArchive file = customerArchive(dir.folder());
    EXPECT_EQ(file.readAt(2), customer("Beta Bis", "2b"));
    EXPECT_EQ(file.readAt(3), customer("Gamma", "3"));
    EXPECT_THROW(file.readAt(4), ArchiveError);
}

TEST(CustomerFile, RewritingBeyondTheEndIsRefusedInsteadOfLeavingAGap) {
    TempFolder dir;
    const CustomerArchive file = customerArchive(dir.folder());
    file.append(customer("Alfa", "1"));
    EXPECT_THROW(file.writeAt(3, customer("Gamma", "3")), ArchiveError);
    EXPECT_EQ(file.count(), 1u);
}

TEST(CustomerFile, TrailingFragmentIsNeitherCountedNorScanned) {
    TempFolder dir;
    std::string bytes;
    for (const char* name : {"Alfa", "Beta", "Gamma"})
        bytes += customer(name, "1").encode();
    dir.write("Clienti.pro", bytes + std::string(100, 'z'));
    const CustomerArchive file = customerArchive(dir.folder());
    EXPECT_EQ(file.count(), 3u);
    std::vector<std::string> seen;
    file.scan([&](const CustomerView& v, std::size_t position) {
        seen.push_back(std::to_string(position) + v.text(CustomerField::Nome));
        return true;
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"1Alfa", "2Beta", "3Gamma"}));
}

TEST(CustomerFile, DeletingMovesLaterRecordsUpAndKeepsTheOrder) {
    TempFolder dir;
    {
        const CustomerArchive file = customerArchive(dir.folder());
        for (const char* name : {"Alfa", "Beta", "Gamma"})
            file.append(customer(name, "1"));
    }
    const std::string before = dir.read("Clienti.pro");
    customerArchive(dir.folder()).deleteAt(7); // beyond the end: the file stays the same
    EXPECT_EQ(dir.read("Clienti.pro"), before);
    customerArchive(dir.folder()).deleteAt(1);
    EXPECT_EQ(dir.read("Clienti.pro"), before.substr(1642));
    EXPECT_FALSE(dir.exists("Clienti.tmp"));
    EXPECT_THROW(customerArchive(dir.folder() + "missing/").deleteAt(1), ArchiveError);
}

} // namespace
} // namespace filmeria
