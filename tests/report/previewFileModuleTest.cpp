#include "report/previewFileModule.h"
#include "reportImages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Tabs and line ends made visible, so that a failing comparison shows them.
std::string visible(const std::string& s) {
    std::string v;
    for (char c : s) {
        if (c == '\t')
            v += "\\t";
        else if (c == '\n')
            v += "\\n";
        else
            v += c;
    }
    return v;
}

// The first line where two reports part, with its number.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream e(expected), a(actual);
    std::string le, la;
    for (int n = 1;; ++n) {
        const bool moreE = static_cast<bool>(std::getline(e, le));
        const bool moreA = static_cast<bool>(std::getline(a, la));
        if (!moreE && !moreA)
            return "same lines, different line ends";
        if (le != la || moreE != moreA)
            return "line " + std::to_string(n) + ": expected [" + visible(le) + "] got [" + visible(la) + "]";
    }
}

struct ExpectedCase {
    const char* name;
    void (*fill)(radioStorage&);
    const char* file;
};

class ExpectedReport : public testing::TestWithParam<ExpectedCase> {};

TEST_P(ExpectedReport, MatchesTheFileWorkedOutByHand) {
    radioStorage image;
    GetParam().fill(image);
    const std::string expected =
        readFile(std::filesystem::path(VELTRA_SOURCE_DIR) / "tests/report/expected" / GetParam().file);
    ASSERT_FALSE(expected.empty());
    const std::string actual = previewFileModule(image).reportText();
    EXPECT_TRUE(actual == expected) << firstDifference(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Report, ExpectedReport,
                         testing::Values(ExpectedCase{"PortableWithAbsentPointsAndUnsupportedGroups",
                                                      reportImages::portable, "portable.txt"},
                                         ExpectedCase{"MobileGroupF", reportImages::mobileGroupF,
                                                      "mobile-groupF.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Variations on the two images above, each checked by the lines it must (or
// must not) produce.
struct VariantCase {
    const char* name;
    void (*fill)(radioStorage&);
    void (*change)(radioStorage&);
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

class ReportVariant : public testing::TestWithParam<VariantCase> {};

TEST_P(ReportVariant, ShowsTheRightLines) {
    radioStorage image;
    GetParam().fill(image);
    GetParam().change(image);
    const std::string text = previewFileModule(image).reportText();
    for (const std::string& line : GetParam().present)
        EXPECT_NE(text.find(line), std::string::npos) << "missing [" << visible(line) << "]";
    for (const std::string& line : GetParam().absent)
        EXPECT_EQ(text.find(line), std::string::npos) << "unexpected [" << visible(line) << "]";
}

void otherMobile(radioStorage& s) {
    // Not group F: K is offset by 128 and the second power subtracts.
    s.setModelNumber("V48ABC3XY1      ");
    s.setSoftpot(ROW_MOBILE_KM, 200, 0);
    s.setSoftpot(ROW_MOBILE_KM, 50, 1);
}

const VariantCase variantCases[] = {
    {"MobileOutsideGroupFOffsetsKAndSubtracts",
     reportImages::mobileGroupF,
     [](radioStorage& s) {
         otherMobile(s);
         s.setSoftpot(ROW_MOBILE_KM, 1, COL_KM_LOW_BAND);
     },
     {"  137.000000\t \t200\t \t50\t \t47.334\t \t34.574\n", "\t \t\t**** DAC SOFTPOTS ****\n"},
     {}},
    {"MobileOutsideGroupFAboveLowBandHasNoDac",
     reportImages::mobileGroupF,
     otherMobile,
     {"\t \t\t**** DAC SOFTPOTS (UNSUPPORTED) ****\n\n\t \t\t**** MOBILE K & M SOFTPOTS ****\n"},
     {"DAC No."}},
    {"PortableOfGroupFShowsDacButNoKAndM",
     reportImages::mobileGroupF,
     [](radioStorage& s) { s.setRadioType(1); },
     {" DAC 1\t \t\t    200\n DAC 2\t \t\t    150\n\n\t \t\t**** MOBILE K & M SOFTPOTS (UNSUPPORTED) "
      "****\n\n",
      "\t \t\t**** TRANSMIT HIGH POWER ****\n", "\t \t\t**** TRANSMIT LOW POWER ****\n",
      "\t \t\t**** TRANSMIT PA VOLTAGE LIMIT UNSUPPORTED ****\n",
      "Softpot Range\t\t: 0-255\n\nFrequency(MHz)\t \tSoftpot Values\n  137.500000\t \t    120\n"},
     {"BATTERY THRESHOLD ****"}},
    {"PortableWithoutPowerSupportHasNoLowPowerSection",
     reportImages::portable,
     [](radioStorage& s) { s.clearSupported(FLAG_TX_POWER); },
     {"\t \t\t**** TRANSMIT POWER (PORTABLE) UNSUPPORTED ****\n\n\t \t\t**** DAC SOFTPOTS (UNSUPPORTED) "
      "****\n"},
     {"LOW POWER"}},
    {"UnsupportedHeadingsOfTheSupportedMobile",
     reportImages::mobileGroupF,
     [](radioStorage& s) {
         for (SupportFlag f :
              {FLAG_FRONT_END_FILTER, FLAG_RATED_VOLUME, FLAG_REF_OSC_WARP, FLAG_MOD_BALANCE, FLAG_VCO_ATTN,
               FLAG_VYS1200, FLAG_PA_VOLTAGE_LIMIT, FLAG_HST, FLAG_PA_BIAS_HIGH, FLAG_PA_BIAS_LOW})
             s.clearSupported(f);
     },
     {"\t \t\t**** FRONT END FILTER UNSUPPORTED ****\n\n\t \t\t**** AUTO SQUELCH 12.5KHz ****\n",
      "\t \t\t**** RATED VOLUME UNSUPPORTED ****\n\n\t \t\t*********** RSSI THRESHOLDS",
      "\t \t\t**** REFERENCE OSCILLATOR WARP UNSUPPORTED ****\n\n\t \t\t**** TRANSMIT POWER",
      "\t \t\t**** MODULATION BALANCE UNSUPPORTED ****\n\n\t \t\t**** VCO ATTENUATION 12.5 KHz",
      // The 12.5 and 20 kHz VCO values have no support test of their own.
      "  138.000000\t \t    63\n\n\t \t\t**** VCO ATTENUATION 25 KHz UNSUPPORTED ****\n\n\t \t\t**** DTMF",
      "\t \t\t**** VYS1200 SIGNALLING UNSUPPORTED ****\n\n\t \t\t**** PA BIAS",
      "Power Level\t \tSoftpot Values\nHigh (Unsupported)\nBias 2(High)\t \t   92\nBias 3(High)\t \t   93\n"
      "Low (Unsupported)\n\n\n",
      "\t \t\t**** TRANSMIT PA VOLTAGE LIMIT UNSUPPORTED ****\n\n\t \t\t**** SELECT 5 ****\n",
      "\t \t\t**** HIGH SPEED TRUNKING SIGNALLING UNSUPPORTED ****\n\n\n\n\t \t                   **** "
      "BATTERY"},
     {}},
    {"BatteryVoltageInTenths",
     reportImages::mobileGroupF,
     [](radioStorage& s) { s.setSoftpot(ROW_BATTERY, 123, 0); },
     {"Target Voltage(V)\t \tDefault Value\n12.30\t \t                   72\n"},
     {}},
    {"FailedReadShowsTheInvalidSerialNumber",
     reportImages::portable,
     [](radioStorage& s) { s.setSerialNumber("Invalid"); },
     {"Radio Serial No: Invalid  \t\t \t         Radio Model No: T25XYZ12AB      \n"},
     {}},
    {"IdentityTextStopsAtItsFirstNul",
     reportImages::portable,
     [](radioStorage& s) { s.setSerialNumber(std::string_view("748T\0GK012", 10)); },
     {"Radio Serial No: 748T  \t\t \t"},
     {std::string("\0", 1)}},
    {"MiddleReceivePointByIndexMayBeAbsent",
     reportImages::portable,
     // Receive points at F2 and F7: the middle is F4 (2 + 5 / 2), which this
     // radio does not use, so the base frequency is shown as the image says.
     [](radioStorage& s) {
         reportImages::setRow(s, ROW_RADIO_INFO, COL_RX_POINT_F1, {0, 600, 0, 0, 0, 0, 6000});
     },
     {"**** RATED VOLUME  ****\n\nSoftpot Range\t\t: 0-255\n\nFrequency(MHz)\t \tSoftpot Values\n"
      "  136.000000\t \t    180\n"},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Report, ReportVariant, testing::ValuesIn(variantCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Report, FreshImageBeforeAnyRead) {
    radioStorage image;
    const std::string text = previewFileModule(image).reportText();
    EXPECT_NE(text.find("Radio Serial No: NULL        \t\t \t         Radio Model No: NULL            \n"),
              std::string::npos);
    EXPECT_NE(text.find("Frequency(MHz)\t \tSoftpot Values\n  (F1 NOT REQUIRED) \t    NULL\n"
                        "  (F2 NOT REQUIRED)\t    NULL\n"),
              std::string::npos);
    // One-point sections have no placeholder: with no point at all they show
    // the frequency of code 0 at base 0.
    EXPECT_NE(text.find("**** REFERENCE OSCILLATOR WARP ****\n\nSoftpot Range\t\t: 0-511\n\n"
                        "Frequency(MHz)\t \tSoftpot Values\n  0.000000\t \t    0\n"),
              std::string::npos);
}

TEST(Report, LeavesTheImageAsItWas) {
    radioStorage image;
    reportImages::mobileGroupF(image);
    radioStorage copy = image;
    previewFileModule(image).reportText();
    for (int row = 0; row < radioStorage::ROWS; ++row)
        for (int column = 0; column < radioStorage::COLUMNS; ++column)
            ASSERT_EQ(image.getSoftpot(row, column), copy.getSoftpot(row, column)) << row << "," << column;
}

class ReportFile : public testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("veltra-report-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        reportImages::portable(image);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::size_t filesIn(const std::filesystem::path& d) {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(d), std::filesystem::directory_iterator()));
    }

    std::filesystem::path dir;
    radioStorage image;
};

TEST_F(ReportFile, ReplacesAnEarlierLongerReportInFull) {
    const auto path = dir / REPORT_FILE_NAME;
    std::ofstream(path) << std::string(100000, 'x');
    const reportWriteResult result = previewFileModule(image).writeReport(path);
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ(readFile(path), previewFileModule(image).reportText());
    EXPECT_EQ(filesIn(dir), 1u) << "no temporary file may be left";
}

TEST_F(ReportFile, MissingDirectoryIsReportedWithTheReason) {
    const auto path = dir / "no-such-directory" / REPORT_FILE_NAME;
    const reportWriteResult result = previewFileModule(image).writeReport(path);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.path, path.string());
    EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("No such file or directory"), std::string::npos) << result.message;
    EXPECT_EQ(filesIn(dir), 0u);
}

TEST_F(ReportFile, TargetThatCannotBeReplacedStaysAndNoTemporaryRemains) {
    const auto path = dir / REPORT_FILE_NAME;
    std::filesystem::create_directories(path / "keep");
    const reportWriteResult result = previewFileModule(image).writeReport(path);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.message.empty());
    EXPECT_TRUE(std::filesystem::is_directory(path / "keep"));
    EXPECT_EQ(filesIn(dir), 1u);
}

} // namespace
