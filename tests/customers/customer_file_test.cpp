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

TEST(CustomerRecordBytes, LayoutMatchesTheFileFormat) {
    const auto& fields = CustomerLayout::kFields;
    ASSERT_EQ(fields.size(), 18u);
    EXPECT_EQ(fields[static_cast<int>(CustomerField::Tessera)].offset, 668u);
    EXPECT_EQ(fields[static_cast<int>(CustomerField::Email)].offset, 1135u);
    EXPECT_EQ(fields.back().offset, 1386u);
    EXPECT_EQ(fields.back().capacity, 255u);
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
