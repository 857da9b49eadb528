// The bytes of a softpot archive: the field reader, the text scrambling,
// the header and the numeric fields.
#include "operations/archiveFormat.h"
#include "link/profileFields.h"

#include "archiveTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(ProfileFieldReader, FindsSkipsAndStops) {
    struct Case {
        const char* name;
        std::string text;
        int n;
        std::size_t m;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"com.ini as written", "COM Port Id :3\n ", 1, 1, "3"},
        {"blanks before the digit", "COM Port Id :    7\n", 1, 1, "7"},
        {"tab before the digit", "COM Port Id :\t4", 1, 1, "4"},
        {"no colon", "COM Port Id 3", 1, 1, std::nullopt},
        {"empty text", "", 1, 5, std::nullopt},
        {"colon at the very end", "abc:", 1, 5, ""},
        {"only blanks after the colon", "abc:   ", 1, 5, ""},
        {"stops at a line end", "a:ZE\nBAK", 1, 5, "ZE"},
        {"stops at a carriage return", "a:ZEB\rAK", 1, 5, "ZEB"},
        {"takes at most m", ":ZEBAKxyz", 1, 5, "ZEBAK"},
        {"second colon", "a:1 b: 22 c:333", 2, 5, "22 c:"},
        {"third colon", "a:1 b: 22 c:333", 3, 5, "333"},
        {"fewer colons than asked", "a:1", 2, 5, std::nullopt},
        {"n below one", "a:1", 0, 5, std::nullopt},
        {"embedded zero byte is data",
         std::string("x:1\0"
                     "2",
                     5),
         1, 5,
         std::string("1\0"
                     "2",
                     3)},
    };
    for (const auto& c : cases) {
        const auto got = readProfileField(c.text, c.n, c.m);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.name;
        if (got) {
            EXPECT_EQ(std::string(*got), *c.expected) << c.name;
        }
    }
}

TEST(ArchiveScrambling, IsItsOwnInverseAndKeepsParity) {
    for (int b = 0; b < 256; ++b) {
        char c[1] = {static_cast<char>(b)};
        scrambleArchiveText(c);
        const int once = static_cast<unsigned char>(c[0]);
        EXPECT_EQ(once % 2, b % 2) << b;
        EXPECT_EQ(once, ((b % 2 ? 128 : 40) - b + 512) % 256) << b;
        scrambleArchiveText(c);
        EXPECT_EQ(static_cast<unsigned char>(c[0]), b) << b;
    }
}

// A fresh-looking image with key 0: every byte of the header can be checked
// by hand, and the first numeric fields too.
TEST(ArchiveEncoding, HeaderAndFieldsFollowTheLayout) {
    auto image = archivetest::sampleImage();
    image.setSoftpot(ROW_RADIO_INFO, 125, COL_FREQUENCY_BASE);
    const auto text = encodeArchive(image, 0);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(0, 6), ":ZEBAK");

    std::string serial = text->substr(6, 10);
    scrambleArchiveText(serial);
    EXPECT_EQ(serial, "123ABC7890");
    std::string model = text->substr(16, 16);
    scrambleArchiveText(model);
    EXPECT_EQ(model, std::string("V42K7R3AM6     ") + '#');

    EXPECT_EQ((*text)[32], '2'); // radio type
    EXPECT_EQ((*text)[33], '0');
    EXPECT_EQ(text->substr(34, 2), "10");   // one digit: the key 0
    EXPECT_EQ(text->substr(36, 4), "3125"); // field 1: the frequency base 125
}

TEST(ArchiveEncoding, KeyOffsetsEveryFieldAndCountsItsDigits) {
    const auto image = archivetest::sampleImage();
    const auto text = encodeArchive(image, 32767);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(34, 6), "532767");
    // Field 1 is 6000 + 32767 = 38767, five digits.
    EXPECT_EQ(text->substr(40, 6), "538767");
}

TEST(ArchiveEncoding, UnsupportedGroupWritesMarkerOnlyInItsDecidingField) {
    auto image = archivetest::sampleImage();
    image.clearSupported(FLAG_TX_POWER);
    image.clearSupported(FLAG_MOBILE_KM);
    const auto text = encodeArchive(image, 0);
    ASSERT_TRUE(text);
    const auto fields = parseArchiveFields(*text);
    ASSERT_TRUE(fields);
    EXPECT_EQ((*fields)[17], ARCHIVE_UNSUPPORTED);
    EXPECT_EQ((*fields)[18],
              image.getSoftpot(ROW_TX_POWER, 1)); // the rest of the group as the image holds it
    EXPECT_EQ((*fields)[24], image.getSoftpot(ROW_TX_POWER, 7)); // low power: always written
    EXPECT_EQ((*fields)[106], image.getSoftpot(ROW_MOBILE_KM, COL_KM_DAC_1));
    EXPECT_EQ((*fields)[108], ARCHIVE_UNSUPPORTED);
}

TEST(ArchiveEncoding, RefusesValuesOneLengthDigitCannotAnnounce) {
    auto image = archivetest::sampleImage();
    image.setSoftpot(ROW_RSSI, 999999999, 2);
    EXPECT_FALSE(encodeArchive(image, 1));
    EXPECT_TRUE(encodeArchive(image, 0));
    image.setSoftpot(ROW_RSSI, -99999999, 2);
    EXPECT_TRUE(encodeArchive(image, 0));
    image.setSoftpot(ROW_RSSI, -100000000, 2);
    EXPECT_FALSE(encodeArchive(image, 0));
    EXPECT_FALSE(encodeArchive(archivetest::sampleImage(), 32768));
    EXPECT_FALSE(encodeArchive(archivetest::sampleImage(), -1));
}

TEST(ArchiveEncoding, RadioTypeThatIsNoSingleDigitKeepsTheLayout) {
    auto image = archivetest::sampleImage();
    image.setRadioType(12);
    const auto text = encodeArchive(image, 5);
    ASSERT_TRUE(text);
    EXPECT_EQ((*text)[32], '0');
    EXPECT_TRUE(parseArchiveFields(*text));
}

// Shorter identity texts are blank padded so that the later header bytes
// stay where the loader looks for them.
TEST(ArchiveEncoding, ShortTextsArePadded) {
    auto image = archivetest::sampleImage();
    image.setSerialNumber("Invalid");
    const auto text = encodeArchive(image, 3);
    ASSERT_TRUE(text);
    const auto header = parseArchiveHeader(*text);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->serialText(), "Invalid   ");
    EXPECT_EQ(header->level, 35);
    EXPECT_EQ(header->radioType, 2);
    EXPECT_TRUE(parseArchiveFields(*text));
}

TEST(ArchiveDecoding, OneDigitChangesTheValueByItsPlace) {
    const auto image = archivetest::sampleImage();
    auto text = *encodeArchive(image, 0);
    // Field 1 "46000" at 36..40: raise the hundreds digit.
    ASSERT_EQ(text.substr(36, 5), "46000");
    text[39] = '5';
    auto fields = parseArchiveFields(text);
    ASSERT_TRUE(fields);
    EXPECT_EQ((*fields)[1], 6050);
    EXPECT_EQ((*fields)[2], image.getSoftpot(ROW_RADIO_INFO, 0));
}

TEST(ArchiveDecoding, NegativeFieldsAsPrintfWritesThem) {
    // Key 2 and value -7: the field is "-5", announced as two characters.
    auto text = *encodeArchive(archivetest::sampleImage(), 2);
    const std::string head = text.substr(0, 36);
    std::string body;
    for (int field = 1; field <= ARCHIVE_FIELDS; ++field)
        body += "2-5";
    const auto fields = parseArchiveFields(head + body);
    ASSERT_TRUE(fields);
    EXPECT_EQ((*fields)[1], -7);
    EXPECT_EQ((*fields)[140], -7);
}

TEST(ArchiveLayout, EveryCellIsCarriedOnce) {
    bool seen[radioStorage::ROWS][radioStorage::COLUMNS] = {};
    for (int field = 1; field <= ARCHIVE_FIELDS; ++field) {
        const auto cell = archiveFieldCell(field);
        ASSERT_FALSE(seen[cell.row][cell.column]) << "field " << field;
        seen[cell.row][cell.column] = true;
    }
    EXPECT_TRUE(seen[ROW_TX_POWER_MAX][6]);
    EXPECT_TRUE(seen[ROW_MOBILE_KM][COL_KM_DAC_2]);
    EXPECT_FALSE(seen[ROW_MOBILE_KM][COL_KM_LOW_BAND]); // recomputed, not stored
    EXPECT_FALSE(seen[ROW_BBO][0]);
}

} // namespace
