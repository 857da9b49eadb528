// Save then load: every cell of every group the archive carries comes back,
// with the same support flags, whatever key was drawn.
#include "operations/archiveFormat.h"
#include "operations/fileModule.h"

#include "archiveTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using archivetest::sampleImage;

// Fills every carried cell of the target with a value no sample uses, so a
// cell the loader forgets to store shows up.
radioStorage sentinelTarget() {
    radioStorage image;
    for (int field = 1; field <= ARCHIVE_FIELDS; ++field) {
        const auto cell = archiveFieldCell(field);
        image.setSoftpot(cell.row, -4242, cell.column);
    }
    return image;
}

void expectCarriedCellsEqual(const radioStorage& saved, const radioStorage& loaded, const char* name,
                             int key) {
    for (const auto& group : archiveGroups()) {
        if (group.flag != 0) {
            EXPECT_EQ(loaded.isSupported(group.flag), saved.isSupported(group.flag))
                << name << " key " << key << " flag " << group.flag;
            if (!saved.isSupported(group.flag))
                continue;
        }
        for (int field = group.firstField; field <= group.lastField; ++field) {
            const auto cell = archiveFieldCell(field);
            EXPECT_EQ(loaded.getSoftpot(cell.row, cell.column), saved.getSoftpot(cell.row, cell.column))
                << name << " key " << key << " field " << field;
        }
    }
}

struct Case {
    const char* name;
    std::function<void(radioStorage&)> change;
};

const Case CASES[] = {
    {"complete read, all supported", [](radioStorage&) {}},
    {"unsupported groups at start, middle and end",
     [](radioStorage& s) {
         s.clearSupported(FLAG_REF_OSC_WARP);
         s.clearSupported(FLAG_RATED_VOLUME); // fields 91, 92 still written: later fields stay in place
         s.clearSupported(FLAG_MOBILE_KM);
         s.clearSupported(FLAG_TX_POWER_MAX);
     }},
    {"every group unsupported",
     [](radioStorage& s) {
         for (const auto& g : archiveGroups())
             if (g.flag != 0)
                 s.clearSupported(g.flag);
     }},
    {"zero and negative values",
     [](radioStorage& s) {
         s.setSoftpot(ROW_REF_OSC_WARP, 0, 0);
         s.setSoftpot(ROW_RSSI, -110, 3);
         s.setSoftpot(ROW_TX_POWER_MAX, -32768, 6);
         s.setSoftpot(ROW_RADIO_INFO, -1, COL_TEMP_COMP_1);
     }},
    {"large values",
     [](radioStorage& s) {
         s.setSoftpot(ROW_PA_VOLTAGE_LIMIT, 65535, 0);
         s.setSoftpot(ROW_BATTERY, 99999999, 0);
     }},
    {"portable with absent points",
     [](radioStorage& s) {
         s.setRadioType(1);
         s.setSoftpot(ROW_RADIO_INFO, 0, 3);
         s.setSoftpot(ROW_RADIO_INFO, 0, COL_RX_POINT_F1 + 6);
     }},
    {"only the bias toggle and bulk flags differ",
     [](radioStorage& s) {
         s.clearSupported(FLAG_BULK_READ);
         s.clearSupported(FLAG_PA_BIAS_TOGGLE);
     }},
};

TEST(ArchiveRoundTrip, EveryCarriedCellAndFlagComesBack) {
    for (const auto& c : CASES) {
        for (const int key : {0, 1, 9, 10, 4095, 32767}) {
            auto saved = sampleImage(key);
            c.change(saved);
            const auto text = encodeArchive(saved, key);
            ASSERT_TRUE(text) << c.name;
            auto loaded = sentinelTarget();
            bool tuningAllowed = false;
            ASSERT_EQ(fileModule::parse(*text, loaded, tuningAllowed), archiveLoadResult::Loaded) << c.name;
            EXPECT_TRUE(tuningAllowed);
            expectCarriedCellsEqual(saved, loaded, c.name, key);
            EXPECT_EQ(loaded.getSerialNumber(), saved.getSerialNumber()) << c.name;
            EXPECT_EQ(loaded.getModelNumber(), saved.getModelNumber()) << c.name;
            EXPECT_EQ(loaded.getReadStatus(), saved.getReadStatus()) << c.name;
            EXPECT_EQ(loaded.getRadioType(), saved.getRadioType()) << c.name;
        }
    }
}

TEST(ArchiveRoundTrip, ThroughAFileWithAnyDrawnKey) {
    archivetest::scratchDirectory dir;
    int next = 0;
    fileModule files([&] { return next; });
    for (const int key : {0, 77, 32767, 40000, -5}) { // out-of-range draws are folded into 0..32767
        next = key;
        const auto saved = sampleImage(3);
        std::error_code reason;
        ASSERT_TRUE(files.write(dir / "radio.sfp", saved, reason)) << reason.message();
        auto loaded = sentinelTarget();
        bool tuningAllowed = false;
        ASSERT_EQ(files.read(dir / "radio.sfp", loaded, tuningAllowed, reason), archiveLoadResult::Loaded);
        expectCarriedCellsEqual(saved, loaded, "file", key);
    }
}

TEST(ArchiveRoundTrip, DefaultKeysAreInRange) {
    archivetest::scratchDirectory dir;
    fileModule files;
    std::error_code reason;
    ASSERT_TRUE(files.write(dir / "a.sfp", sampleImage(), reason));
    const auto text = archivetest::readWhole(dir / "a.sfp");
    ASSERT_GT(text.size(), 35u);
    EXPECT_GE(text[34], '1');
    EXPECT_LE(text[34], '5');
    EXPECT_LT(std::stoi(text.substr(35, static_cast<std::size_t>(text[34] - '0'))), 32768);
}

// The K and M group brings the low-band flag and the DAC-visited cell with
// it, computed from the loaded transmit points as a read does.
TEST(ArchiveRoundTrip, KAndMRecomputesLowBandAndDacVisited) {
    struct Case {
        const char* name;
        int base;
        int code;
        bool kmSupported;
        int lowBand;
        int dacVisited;
    };
    const Case cases[] = {
        {"35 MHz point", 1400, 0, true, 1, 0}, // 1400 * 25 kHz = 35 MHz
        {"150 MHz points", 6000, 100, true, 0, 0},
        {"without K and M the cells stay", 1400, 0, false, 7, 9},
    };
    for (const auto& c : cases) {
        auto saved = sampleImage();
        saved.setSoftpot(ROW_RADIO_INFO, c.base, COL_FREQUENCY_BASE);
        for (int n = 0; n < 7; ++n)
            saved.setSoftpot(ROW_RADIO_INFO, c.code, COL_TX_POINT_F1 + n);
        if (!c.kmSupported)
            saved.clearSupported(FLAG_MOBILE_KM);
        radioStorage loaded;
        loaded.setSoftpot(ROW_MOBILE_KM, 7, COL_KM_LOW_BAND);
        loaded.setSoftpot(ROW_DAC_VISITED, 9, 0);
        bool tuningAllowed = false;
        ASSERT_EQ(fileModule::parse(*encodeArchive(saved, 11), loaded, tuningAllowed),
                  archiveLoadResult::Loaded);
        EXPECT_EQ(loaded.getSoftpot(ROW_MOBILE_KM, COL_KM_LOW_BAND), c.lowBand) << c.name;
        EXPECT_EQ(loaded.getSoftpot(ROW_DAC_VISITED, 0), c.dacVisited) << c.name;
    }
}

// Archive levels below 35 come from older versions: the groups they did not
// carry count as absent even though the fields are there.
TEST(ArchiveLevels, OlderLevelsDropTheGroupsTheyDidNotCarry) {
    struct Case {
        const char* name;
        std::uint8_t level;
        bool level34Groups;
        bool level35Groups;
    };
    const Case cases[] = {
        {"level 35 '#'", 35, true, true},
        {"level 34 '\"'", 34, true, false},
        {"level 33 '!'", 33, false, false},
        {"a level above 35", 200, true, true},
    };
    const int level34[] = {FLAG_MOBILE_KM, FLAG_PA_BIAS_2, FLAG_PA_BIAS_3, FLAG_BATTERY};
    const int level35[] = {FLAG_HST, FLAG_PA_VOLTAGE_LIMIT};
    for (const auto& c : cases) {
        auto saved = sampleImage();
        saved.setReadStatus(c.level);
        auto loaded = sentinelTarget();
        for (int flag : level34)
            loaded.setSupported(flag);
        bool tuningAllowed = false;
        ASSERT_EQ(fileModule::parse(*encodeArchive(saved, 5), loaded, tuningAllowed),
                  archiveLoadResult::Loaded)
            << c.name;
        EXPECT_EQ(loaded.getReadStatus(), c.level) << c.name;
        for (int flag : level34)
            EXPECT_EQ(loaded.isSupported(flag), c.level34Groups) << c.name << " flag " << flag;
        for (int flag : level35)
            EXPECT_EQ(loaded.isSupported(flag), c.level35Groups) << c.name << " flag " << flag;
        // An absent group leaves its cells alone.
        EXPECT_EQ(loaded.getSoftpot(ROW_HST, 0), c.level35Groups ? saved.getSoftpot(ROW_HST, 0) : -4242)
            << c.name;
        EXPECT_EQ(loaded.getSoftpot(ROW_BATTERY, 0),
                  c.level34Groups ? saved.getSoftpot(ROW_BATTERY, 0) : -4242)
            << c.name;
        // Groups without a level mark load at every level.
        EXPECT_TRUE(loaded.isSupported(FLAG_TX_POWER_MAX)) << c.name;
        EXPECT_EQ(loaded.getSoftpot(ROW_TX_POWER_MAX, 6), saved.getSoftpot(ROW_TX_POWER_MAX, 6)) << c.name;
    }
}

TEST(ArchiveGroups, MarkerClearsTheFlagAndKeepsTheCells) {
    for (const auto& group : archiveGroups()) {
        if (group.flag == 0)
            continue;
        auto saved = sampleImage();
        saved.clearSupported(group.flag);
        auto loaded = sentinelTarget();
        loaded.setSupported(group.flag);
        bool tuningAllowed = false;
        ASSERT_EQ(fileModule::parse(*encodeArchive(saved, 100), loaded, tuningAllowed),
                  archiveLoadResult::Loaded);
        EXPECT_FALSE(loaded.isSupported(group.flag)) << "flag " << group.flag;
        for (int field = group.firstField; field <= group.lastField; ++field) {
            const auto cell = archiveFieldCell(field);
            EXPECT_EQ(loaded.getSoftpot(cell.row, cell.column), -4242)
                << "flag " << group.flag << " field " << field;
        }
        // Its neighbours load as usual.
        EXPECT_EQ(loaded.getSoftpot(ROW_TX_POWER_MAX, 3),
                  group.flag == FLAG_TX_POWER_MAX ? -4242 : saved.getSoftpot(ROW_TX_POWER_MAX, 3));
    }
}

} // namespace
