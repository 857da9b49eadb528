#include "model/radiomodel.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The letters of every group test that holds for the image, in order A..V.
std::string groupsOf(const radioStorage& s) {
    const radiomodel m;
    using test = bool (radiomodel::*)(const radioStorage&) const;
    const std::pair<char, test> tests[] = {
        {'A', &radiomodel::isModelGroupA}, {'B', &radiomodel::isModelGroupB},
        {'C', &radiomodel::isModelGroupC}, {'D', &radiomodel::isModelGroupD},
        {'E', &radiomodel::isModelGroupE}, {'F', &radiomodel::isModelGroupF},
        {'G', &radiomodel::isModelGroupG}, {'H', &radiomodel::isModelGroupH},
        {'I', &radiomodel::isModelGroupI}, {'J', &radiomodel::isModelGroupJ},
        {'K', &radiomodel::isModelGroupK}, {'L', &radiomodel::isModelGroupL},
        {'M', &radiomodel::isModelGroupM}, {'N', &radiomodel::isModelGroupN},
        {'O', &radiomodel::isModelGroupO}, {'P', &radiomodel::isModelGroupP},
        {'Q', &radiomodel::isModelGroupQ}, {'R', &radiomodel::isModelGroupR},
        {'S', &radiomodel::isModelGroupS}, {'T', &radiomodel::isModelGroupT},
        {'U', &radiomodel::isModelGroupU}, {'V', &radiomodel::isModelGroupV},
    };
    std::string groups;
    for (const auto& [letter, t] : tests) {
        if ((m.*t)(s))
            groups += letter;
    }
    return groups;
}

// Model numbers of the shipped catalogue (src/model/README.md lists them).
TEST(radiomodelTest, GroupsOfTheCatalogueModels) {
    struct Case {
        const char* name;
        const char* reply; // 16-character model reply as the radio sends it
        const char* groups;
    };
    const Case cases[] = {
        {"general portable", "T31S4NK1C7      ", ""},
        {"spacing radio 12.5 kHz", "T31H3PC2N4      ", ""},
        {"spacing radio 20/25 kHz", "T31H3PC2N6      ", ""},
        {"group A, also O", "T21P5DKDC1      ", "AO"},
        {"group C, also O", "T21S5DKKT1      ", "CO"},
        {"A digits but no O letters", "T21P5DKAC1      ", "A"},
        {"O letter 8 not in its set", "T21P5DKDX1      ", "A"},
        {"group E", "T23U512SC3      ", "E"},
        {"group E and G", "T23UK12SC3      ", "EG"},
        {"group H", "T27QZ05XC2      ", "H"},
        {"group J and U", "T35W2A4BM1      ", "JU"},
        {"group J and N", "T35N2B4BC1      ", "JN"},
        {"mobile F, K, M and T", "V42K7R3AM6      ", "FKMT"},
        {"mobile F and I", "V42R7R3AC6      ", "FI"},
        {"mobile F, I and T", "V42R7R3AM6      ", "FIT"},
        {"mobile M only", "V48S7R3AM6      ", "M"},
        {"AA and pattern B", "AAV46E2TC1      ", "B"},
        {"AA and pattern D", "AAV46F27TC      ", "D"},
        {"AA and pattern R", "AAV46X2TC1      ", "R"},
        {"AA and pattern S", "AAV46Y2TC1      ", "S"},
        {"pattern P, also O", "T21X5DKDC1      ", "OP"},
        {"pattern Q, also O", "T21Y5DKDC1      ", "OQ"},
        {"list L", "T25U1AK3C1      ", "L"},
        {"list L, last entry", "T25R1AK3M2      ", "L"},
        {"list V", "T31S6E2GM1      ", "V"},
        {"list V, mobile", "V48R6E2GM2      ", "V"},
        {"unrecognised reply", "QQQQQQQQQQQQQQQQ", ""},
        {"fresh image", nullptr, ""},
    };
    for (const auto& c : cases) {
        radioStorage s;
        if (c.reply)
            s.setModelNumber(c.reply);
        EXPECT_EQ(groupsOf(s), c.groups) << c.name << " (" << s.getModelNumber() << ")";
    }
}

TEST(radiomodelTest, PatternsWithoutTheAAFormAreNotFoundBehindAA) {
    const radiomodel m;
    const auto& c = modelCatalogue::current();
    EXPECT_TRUE(m.groupB("AA" + c.patternB));
    EXPECT_FALSE(m.groupA("AA" + c.patternB));
    EXPECT_FALSE(m.groupC("AA" + c.patternB));
    EXPECT_FALSE(m.groupA("AA" + c.patternA));
    EXPECT_FALSE(m.groupI("AA" + c.patternI));
    EXPECT_FALSE(m.groupB("A" + c.patternB));
}

TEST(radiomodelTest, ListTestsCompareFromTheStartAndVAnywhere) {
    const radiomodel m;
    const auto& c = modelCatalogue::current();
    const std::string l = c.listL[3];
    const std::string v = c.listV[5];
    EXPECT_TRUE(m.groupL(l + "      "));
    EXPECT_FALSE(m.groupL("ZZZZZZ" + l));
    EXPECT_TRUE(m.groupV("ZZZZZZ" + v));
    EXPECT_TRUE(m.groupV("ZZZ" + v + "ZZZ"));
    EXPECT_FALSE(m.groupV("ZZZZZZ" + v.substr(0, 9)));
    EXPECT_FALSE(m.groupL(l.substr(0, 9)));
}

TEST(radiomodelTest, ShortTextsFailFixedPositionTests) {
    const radiomodel m;
    EXPECT_FALSE(m.groupA("T21"));
    EXPECT_FALSE(m.groupH("T27QZ0"));
    EXPECT_FALSE(m.groupG("T23U"));
    EXPECT_FALSE(m.groupO("T21P5DK"));
    EXPECT_FALSE(m.groupT("V42K7R3A"));
    EXPECT_FALSE(m.groupB(""));
}

TEST(radiomodelTest, SpecialICVersion) {
    struct Case {
        const char* name;
        std::array<std::uint8_t, 4> ic;
        bool special;
    };
    const Case cases[] = {
        {"byte 1 is FE", {0x01, 0xFE, 0x00, 0x00}, true},
        {"byte 0 is FE", {0xFE, 0x01, 0x00, 0x00}, false},
        {"byte 1 is FF", {0x00, 0xFF, 0x00, 0x00}, false},
    };
    for (const auto& c : cases) {
        radioStorage s;
        s.setICVersion(c.ic);
        EXPECT_EQ(radiomodel().hasSpecialICVersion(s), c.special) << c.name;
    }
    EXPECT_FALSE(radiomodel().hasSpecialICVersion(radioStorage{})) << "NULL";
}

TEST(radiomodelTest, ChannelSpacingMaskFromUUIDOrRadioInfo) {
    const auto& uuids = modelCatalogue::current().modelSpacingUUIDs;
    struct Case {
        const char* name;
        const char* reply;
        bool listedUUID;
        int radioInfoMask;
        int expected;
    };
    const Case cases[] = {
        {"listed UUID, '4'", "T31H3PC2N4      ", true, 7, 1},
        {"listed UUID, '6'", "T31H3PC2N6      ", true, 7, 6},
        {"listed UUID, no H/M", "T31S4NK1C7      ", true, 2, 7},
        {"other UUID uses radio info", "T31H3PC2N4      ", false, 4, 4},
    };
    for (const auto& c : cases) {
        radioStorage s;
        s.setModelNumber(c.reply);
        s.setSoftpot(ROW_RADIO_INFO, c.radioInfoMask, COL_SPACING_MASK);
        if (c.listedUUID) {
            s.setUUID(uuids[5]);
        } else {
            auto other = uuids[5];
            other[15] ^= 0x80;
            s.setUUID(other);
        }
        EXPECT_EQ(radiomodel().hasModelSpacingUUID(s), c.listedUUID) << c.name;
        EXPECT_EQ(radiomodel().channelSpacingMask(s), c.expected) << c.name;
    }
    // An archive leaves "NULL" in the UUID, so the radio-info value counts.
    radioStorage archived;
    archived.setModelNumber("T31H3PC2N4      ");
    archived.setSoftpot(ROW_RADIO_INFO, 5, COL_SPACING_MASK);
    EXPECT_EQ(radiomodel().channelSpacingMask(archived), 5);
}

TEST(radiomodelTest, CatalogueLettersOfOtherScreens) {
    const radiomodel m;
    radioStorage s;
    s.setModelNumber("V42R7R3AM6      ");
    EXPECT_TRUE(m.isPABiasHighBand(s));
    s.setModelNumber("V42K7R3AM6      ");
    EXPECT_FALSE(m.isPABiasHighBand(s));
    EXPECT_TRUE(m.isPortableModelCode("T21P5DKDC1"));
    EXPECT_FALSE(m.isPortableModelCode("V42K7R3AM6"));
    EXPECT_FALSE(m.isPortableModelCode(""));
    const char letters[] = {'C', 'T', 'M', 'S', 'P', 'L', 'F'};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(m.primarySystemIndex(letters[i]), i) << letters[i];
    EXPECT_EQ(m.primarySystemIndex('Z'), -1);
    EXPECT_EQ(m.primarySystemIndex('\0'), -1);
}

TEST(radiomodelTest, EmptyCatalogueRecognisesNothing) {
    const modelCatalogue empty;
    const radiomodel m(empty);
    for (const char* text : {"T21P5DKDC1      ", "AAV46E2TC1      ", "", "                "}) {
        EXPECT_FALSE(m.groupA(text) || m.groupB(text) || m.groupE(text) || m.groupG(text) || m.groupH(text) ||
                     m.groupL(text) || m.groupO(text) || m.groupP(text) || m.groupR(text) || m.groupT(text) ||
                     m.groupV(text))
            << text;
    }
}

} // namespace
