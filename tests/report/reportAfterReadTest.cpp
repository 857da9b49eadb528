// The report of a radio image filled by Read Radio from each simulated radio,
// and of the same image after a round through a softpot archive: the report
// must not care where the image came from.
#include "../operations/radioSequenceSupport.h"

#include "operations/fileModule.h"
#include "operations/radioOperations.h"
#include "report/previewFileModule.h"

#include <gtest/gtest.h>

using namespace seqtest;

namespace {

constexpr int MOBILE = 2;

// Sections whose values the read always fetches, by softpot type.
struct sectionCase {
    int type;
    int bank;
    const char* heading;
    const char* unsupported;
    bool onePoint;
};

const sectionCase sections[] = {
    {13, 0, "**** FRONT END FILTER ****\n", "**** FRONT END FILTER UNSUPPORTED ****\n", false},
    {7, 2, "**** AUTO SQUELCH 12.5KHz ****\n", "**** AUTO SQUELCH UNSUPPORTED ****\n", false},
    {8, 0, "**** RATED VOLUME  ****\n", "**** RATED VOLUME UNSUPPORTED ****\n", true},
    {11, 0, "**** REFERENCE OSCILLATOR WARP ****\n", "**** REFERENCE OSCILLATOR WARP UNSUPPORTED ****\n",
     true},
    {3, 0, "**** MODULATION BALANCE ****\n", "**** MODULATION BALANCE UNSUPPORTED ****\n", false},
    {2, 0, "**** VCO ATTENUATION 25 KHz ****\n", "**** VCO ATTENUATION 25 KHz UNSUPPORTED ****\n", false},
    {14, 0, "**** DTMF SIGNALLING ****\n", "**** DTMF SIGNALLING UNSUPPORTED ****\n", true},
    {24, 0, "**** VYS1200 SIGNALLING ****\n", "**** VYS1200 SIGNALLING UNSUPPORTED ****\n", true},
    {15, 0, "**** SELECT 5 ****\n", "**** SELECT 5 UNSUPPORTED ****\n", true},
    {5, 0, "**** MPT 1327 SIGNALLING ****\n", "**** MPT 1327 UNSUPPORTED ****\n", true},
    {16, 0, "**** HIGH SPEED TRUNKING SIGNALLING ****\n",
     "**** HIGH SPEED TRUNKING SIGNALLING UNSUPPORTED ****\n", true},
};

// The value column of the first row below a heading.
std::string firstValueAfter(const std::string& report, const std::string& heading) {
    const auto at = report.find(heading);
    if (at == std::string::npos)
        return "(no heading)";
    const auto header = report.find("Softpot Values\n", at);
    const auto rowEnd = report.find('\n', header + 15);
    const auto valueStart = report.rfind(' ', rowEnd) + 1;
    return report.substr(valueStart, rowEnd - valueStart);
}

class ReportAfterRead : public testing::TestWithParam<const char*> {};

TEST_P(ReportAfterRead, ShowsWhatTheRadioHoldsAndTheArchiveCopyReportsTheSame) {
    const sim::radioProfile p = profile(GetParam());
    simulatedLine line(p);
    simulatedConnector connector;
    radioOperations operations(connector);
    recordingProgress progress;
    radioStorage image;
    ASSERT_EQ(operations.readRadio(image, progress).outcome, readRadioOutcome::COMPLETE);

    const std::string report = previewFileModule(image).reportText();
    EXPECT_NE(report.find("Radio Serial No: " + p.serial +
                          "  \t\t \t         Radio Model No: " + std::string(image.getModelNumber()) + "\n"),
              std::string::npos);

    for (const sectionCase& s : sections) {
        SCOPED_TRACE(s.heading);
        const bool supported = p.supports(s.type);
        EXPECT_NE(report.find(std::string("\t \t\t") + (supported ? s.heading : s.unsupported)),
                  std::string::npos);
        if (supported) {
            // A one-point section shows its value; a seven-point one F1's,
            // when the radio uses F1.
            const int point = s.onePoint ? 0 : 1;
            const bool receive = s.type == 13 || s.type == 7;
            const int f1 = receive ? rxPoint(p, 1) : txPoint(p, 1);
            if (s.onePoint || f1 != 0) {
                EXPECT_EQ(firstValueAfter(report, s.heading),
                          std::to_string(line.radio.storedValue(s.type, point, s.bank)));
            }
        }
    }

    const bool mobile = p.radioType == MOBILE;
    EXPECT_EQ(report.find("**** MOBILE K & M SOFTPOTS ****\n") != std::string::npos, mobile);
    EXPECT_EQ(report.find("**** BATTERY THRESHOLD ****\n") != std::string::npos, mobile);
    EXPECT_EQ(report.find("**** TRANSMIT HIGH POWER ****\n") != std::string::npos, !mobile && p.supports(0));

    const auto archive =
        std::filesystem::temp_directory_path() / ("veltra-report-" + std::string(GetParam()) + ".sfp");
    fileModule files;
    std::error_code reason;
    ASSERT_TRUE(files.write(archive, image, reason)) << reason.message();
    radioStorage loaded;
    bool tuningAllowed = true;
    ASSERT_EQ(files.read(archive, loaded, tuningAllowed, reason), archiveLoadResult::Loaded);
    std::filesystem::remove(archive);
    EXPECT_EQ(previewFileModule(loaded).reportText(), report);
}

INSTANTIATE_TEST_SUITE_P(Report, ReportAfterRead, testing::Values("portable", "portable-legacy", "mobile"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
