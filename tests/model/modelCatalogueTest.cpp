#include "model/modelCatalogue.h"
#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string replaceLine(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// Restores the process-wide catalogue after each test.
class modelCatalogueTest : public ::testing::Test {
protected:
    void TearDown() override { modelCatalogue::install(modelCatalogue::builtIn()); }

    std::filesystem::path directory() {
        const auto dir = std::filesystem::path(VELTRA_BINARY_DIR) / "test-catalogue" /
                         ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(dir);
        std::filesystem::remove(dir / modelCatalogue::FILE_NAME);
        return dir;
    }

    void write(const std::filesystem::path& dir, const std::string& text) {
        std::ofstream(dir / modelCatalogue::FILE_NAME, std::ios::binary) << text;
    }
};

TEST_F(modelCatalogueTest, ShippedFileAndBuiltInCopyAreTheSame) {
    const auto shipped =
        readFile(std::filesystem::path(VELTRA_SOURCE_DIR) / "src/resources/models.catalogue");
    EXPECT_EQ(shipped, std::string(modelCatalogue::builtInText()));
}

TEST_F(modelCatalogueTest, BuiltInCatalogueParses) {
    modelCatalogue c;
    std::string error;
    ASSERT_TRUE(modelCatalogue::parse(modelCatalogue::builtInText(), c, error)) << error;
    EXPECT_EQ(c.prefixes[0], "T21");
    EXPECT_EQ(c.prefixes[8], "AAV");
    EXPECT_EQ(c.patternH, "T27QZ05");
    EXPECT_EQ(c.patternP(), "T21X");
    EXPECT_EQ(c.patternS(), "V46Y");
    EXPECT_EQ(c.listM[7], "V48S5R3AC6");
    EXPECT_EQ(c.modelSpacingUUIDs[0][0], 0x5A);
    EXPECT_EQ(c.modelSpacingUUIDs[5][15], 0x06);
    EXPECT_EQ(c.portableLetter(), 'T');
}

TEST_F(modelCatalogueTest, MalformedTextIsRefusedWithTheReason) {
    const std::string good(modelCatalogue::builtInText());
    struct Case {
        const char* name;
        std::string text;
        const char* reason; // part of the error text
    };
    const Case cases[] = {
        {"empty", "", "missing prefixes"},
        {"no equals sign", good + "pattern.A T21P\n", "expected"},
        {"unknown key", good + "pattern.Z = T21P\n", "unknown key \"pattern.Z\""},
        {"eight prefixes", replaceLine(good, "T35 V42", "V42"), "prefixes needs 9"},
        {"prefix of four", replaceLine(good, "T35 V42", "T355 V42"), "three characters"},
        {"prefix shapes", replaceLine(good, "T35 V42", "V35 V42"), "six of one letter"},
        {"pattern too short", replaceLine(good, "pattern.A = T21P", "pattern.A = T21"), "pattern.A"},
        {"pattern twice", good + "pattern.A = T21P\n", "pattern.A needs 1"},
        {"pattern wrong letter", replaceLine(good, "pattern.E = T23", "pattern.E = V23"), "portable letter"},
        {"A and C digits", replaceLine(good, "pattern.C = T21S", "pattern.C = T22S"),
         "share their two digits"},
        {"list of seven", replaceLine(good, " T25R1AK3M2\n", "\n"), "list.L needs 8"},
        {"list entry length", replaceLine(good, "T25R1AK3M2", "T25R1AK3M"), "10-character"},
        {"uuid digits", replaceLine(good, "00000000A106", "0000000XA106"), "hexadecimal"},
        {"letter is a digit", replaceLine(good, "letter.G = K", "letter.G = 7"), "letter.G"},
        {"primary letters", replaceLine(good, "= C T M S P L F", "= C T M S P L"), "primary.system needs 7"},
    };
    for (const auto& c : cases) {
        modelCatalogue out;
        out.patternA = "keep";
        std::string error;
        EXPECT_FALSE(modelCatalogue::parse(c.text, out, error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_NE(error.find("models.catalogue"), std::string::npos) << c.name;
        EXPECT_EQ(out.patternA, "keep") << c.name;
    }
}

TEST_F(modelCatalogueTest, ErrorNamesTheLine) {
    std::string error;
    modelCatalogue out;
    EXPECT_FALSE(modelCatalogue::parse("# comment\n\nprefixes = T21\r\nfoo\n", out, error));
    EXPECT_NE(error.find("line 4"), std::string::npos) << error;
}

TEST_F(modelCatalogueTest, ShopCatalogueFromTheProgramDirectoryIsUsed) {
    const auto dir = directory();
    std::string text(modelCatalogue::builtInText());
    text = replaceLine(text, "prefixes = T21 T23", "prefixes = T22 T23");
    // Windows line ends and comments are accepted.
    std::string crlf;
    for (char ch : text)
        ch == '\n' ? crlf += "\r\n" : crlf += ch;
    write(dir, crlf);

    const auto result = modelCatalogue::load(dir);
    EXPECT_TRUE(result.fromFile);
    EXPECT_TRUE(result.error.empty()) << result.error;
    EXPECT_EQ(modelCatalogue::current().prefixes[0], "T22");

    radioStorage s;
    s.setModelNumber("T22ABCDEFG      ");
    EXPECT_TRUE(s.modelRecognised());
    s.setModelNumber("T21P5DKDC1      ");
    EXPECT_FALSE(s.modelRecognised());
}

TEST_F(modelCatalogueTest, MalformedFileFallsBackToTheBuiltInCatalogue) {
    const auto dir = directory();
    modelCatalogue shop = modelCatalogue::builtIn();
    shop.prefixes[0] = "T22";
    modelCatalogue::install(shop);
    write(dir, "prefixes = T21\n");

    const auto result = modelCatalogue::load(dir);
    EXPECT_FALSE(result.fromFile);
    EXPECT_NE(result.error.find("prefixes needs 9"), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("built-in"), std::string::npos) << result.error;
    EXPECT_EQ(modelCatalogue::current().prefixes[0], "T21");
}

TEST_F(modelCatalogueTest, MissingFileIsNoError) {
    const auto dir = directory();
    const auto result = modelCatalogue::load(dir);
    EXPECT_FALSE(result.fromFile);
    EXPECT_TRUE(result.error.empty());
    EXPECT_EQ(modelCatalogue::current().prefixes[0], "T21");
}

} // namespace
