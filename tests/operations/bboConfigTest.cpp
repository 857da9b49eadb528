#include "operations/bboConfigFileModule.h"
#include "operations/bboConfigPlain.h"

#include "link/LinkErrors.h"
#include "model/radioStorage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Bytes bytesOf(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

// Radio memory with a few bytes set; reading counts, and can fail.
class checkMemory final : public radioMemory {
public:
    std::map<std::uint32_t, std::uint8_t> bytes;
    int reads = 0;
    enum { NONE, LINE, PORT } failure = NONE;

    void read(std::uint32_t address, std::span<std::uint8_t> dest) override {
        ++reads;
        if (failure == LINE)
            throw TimeoutOnReceive();
        if (failure == PORT)
            throw PortInUseError(3, "/dev/null", 16, "busy");
        for (std::size_t i = 0; i < dest.size(); ++i)
            dest[i] = bytes.count(address + i) ? bytes[address + static_cast<std::uint32_t>(i)] : 0;
    }
    void write(std::uint32_t, std::span<const std::uint8_t>) override { throw std::logic_error("no writes"); }
};

bboConfig::entry entryOf(int number, const char* code, char letter, int checkAddress, int min, int max,
                         int block, std::vector<bboConfig::label> labels) {
    bboConfig::entry e;
    e.fields.entryNumber = number;
    std::copy_n(code, 3, e.fields.modelCode.begin());
    e.fields.modelLetter = letter;
    e.fields.checkAddress = checkAddress;
    e.fields.checkMinimum = min;
    e.fields.checkMaximum = max;
    e.fields.blockAddress = block;
    e.fields.labelCount = static_cast<int>(labels.size());
    for (auto& l : labels)
        l.text.resize(bboConfig::LABEL_WIDTH, ' ');
    e.labels = std::move(labels);
    return e;
}

bboConfig::file sampleFile(int key = 1000) {
    bboConfig::file f;
    f.key = key;
    f.entries.push_back(
        entryOf(1, "T21", 'C', 2, 0, 19, 0x0400, {{"CSQ Offset", 0, 15}, {"Tessaly", 0, 240}}));
    f.entries.push_back(entryOf(2, "T21", 'C', 2, 20, 99, 0x0480,
                                {{"CSQ Offset", 1, 15}, {"WNG (s)", 1, 240}, {"L", 2, 240}}));
    f.entries.push_back(entryOf(3, "T31", 'M', 0x1234, 5, 5, 0x0500, {}));
    return f;
}

radioStorage imageWithModel(std::string_view model) {
    radioStorage image;
    image.setModelNumber(std::string(model) + std::string(16 - model.size(), ' '));
    image.setBBOSupported(false);
    return image;
}

struct prepared {
    bboConfigFileModule module;
    radioStorage image;
    checkMemory memory;
    bboPrepareResult result;

    prepared(const Bytes& content, std::string_view model, std::uint8_t level = 10)
        : image(imageWithModel(model)) {
        memory.bytes[2] = level;
        module.setContent(content);
        result = module.prepareFromContent(image, memory);
    }
};

TEST(bboConfigTest, VersionIsTheSecondNumberLessTheKey) {
    struct Case {
        const char* name;
        const char* content;
        bboPrepareStatus status;
        int configState;
    };
    const Case cases[] = {
        {"1000, 1000: version 0", "1000\n1000\n1000\n", bboPrepareStatus::NO_MATCH, 0},
        {"1000, 1001: version 1", "1000\r\n1001\r\n", bboPrepareStatus::UNSUPPORTED_VERSION, 1},
        {"key 0, version 0", "0\n0\n0\n", bboPrepareStatus::NO_MATCH, 0},
        {"negative key", "-5\n-5\n-5", bboPrepareStatus::NO_MATCH, 0},
    };
    for (const auto& c : cases) {
        prepared p(bytesOf(c.content), "T21P5DKDC1");
        EXPECT_EQ(p.result.status, c.status) << c.name;
        EXPECT_EQ(p.image.getBBOConfigState(), c.configState) << c.name;
    }
}

TEST(bboConfigTest, EncodeAndParseGiveTheFileBack) {
    const auto f = sampleFile(4321);
    const Bytes bytes = bboConfig::encode(f);
    bboConfig::file back;
    std::string error;
    ASSERT_TRUE(bboConfig::parse(bytes, back, error)) << error;
    EXPECT_EQ(bboConfig::toPlain(back), bboConfig::toPlain(f));
    EXPECT_EQ(bboConfig::encode(back), bytes);

    // Through the plain form and back.
    bboConfig::file fromPlain;
    ASSERT_TRUE(bboConfig::fromPlain(bboConfig::toPlain(back), fromPlain, error)) << error;
    EXPECT_EQ(bboConfig::encode(fromPlain), bytes);
}

TEST(bboConfigTest, TextFieldsAreTakenByLengthEvenWhenTheyHoldLineEnds) {
    // 's' scrambles to '\r' and '(' to 0: the labels of the sample file hold both.
    const Bytes bytes = bboConfig::encode(sampleFile());
    EXPECT_NE(std::find(bytes.begin(), bytes.end(), 0), bytes.end());
    bboConfig::file back;
    std::string error;
    ASSERT_TRUE(bboConfig::parse(bytes, back, error)) << error;
    EXPECT_EQ(back.entries[1].labels[1].text, "WNG (s)                  ");
    EXPECT_EQ(back.entries[0].labels[1].text.substr(0, 7), "Tessaly");
}

TEST(bboConfigTest, ShippedFileIsTheEncodedPlainSource) {
    const std::filesystem::path resources = std::filesystem::path(VELTRA_SOURCE_DIR) / "src/resources";
    bboConfig::file plain;
    std::string error;
    ASSERT_TRUE(bboConfig::fromPlain(readText(resources / "bbo.cfg.plain"), plain, error)) << error;
    EXPECT_EQ(bboConfig::encode(plain), bytesOf(readText(resources / "bbo.cfg")))
        << "src/resources/bbo.cfg is out of date: veltra-cli bbo-cfg encode src/resources/bbo.cfg.plain "
           "src/resources/bbo.cfg";
    bboConfig::file shipped;
    ASSERT_TRUE(bboConfig::parse(bytesOf(readText(resources / "bbo.cfg")), shipped, error)) << error;
    for (const auto& e : shipped.entries)
        EXPECT_LE(e.fields.labelCount, 20) << "entry " << e.fields.entryNumber;
}

TEST(bboConfigTest, HostileFilesEndInAMessageNamingTheLine) {
    const Bytes goodBytes = bboConfig::encode(sampleFile());
    const std::string good(goodBytes.begin(), goodBytes.end());
    struct Case {
        const char* name;
        std::string content;
        const char* message; // part of the error
    };
    const Case cases[] = {
        {"empty", "", "line 1: the file ends here"},
        {"key only", "1000\n", "line 2: the file ends here"},
        {"garbage", "\x01\x02\xff\xfe", "line 1: number expected"},
        {"letters after the digits", "1000\n1000x\n", "line 2: number expected"},
        {"overlong number line", "1000\n" + std::string(100000, '1') + "\n", "line 2: line too long"},
        {"overlong blank line", std::string(5000, ' ') + "1\n", "line 1: line too long"},
        {"number beyond int", "0\n0\n99999999999\n", "line 3: number out of range"},
        {"value less key beyond int", "-2000000000\n-2000000000\n2000000000\n",
         "line 3: number out of range"},
        {"negative entry count", "10\n10\n9\n", "line 3: negative entry count"},
        {"count larger than the file", "10\n10\n1000000010\n", "the file ends here"},
        {"truncated in a text field", good.substr(0, 21), "ends inside a text field"},
        {"text field longer than its width", "0\n0\n1\n1\nABCD\n", "line 5: text field longer than 3"},
        {"negative label count", "0\n0\n1\n1\nABC\nD\n2\n0\n9\n0\n-1\n", "line 11: negative label count"},
        {"huge label count", "0\n0\n1\n1\nABC\nD\n2\n0\n9\n0\n2000000000\n", "ends inside a text field"},
        {"check address beyond 24 bits", "0\n0\n1\n1\nABC\nD\n16777216\n", "line 7: check address"},
        {"mask beyond a byte", "0\n0\n1\n1\nABC\nD\n2\n0\n9\n0\n1\n" + std::string(25, 'x') + "\n0\n256\n",
         "line 14: mask"},
        {"data after the last entry", good + "1000\n", "data after the last of the 3 entries"},
    };
    for (const auto& c : cases) {
        bboConfig::file out;
        std::string error;
        EXPECT_FALSE(bboConfig::parse(bytesOf(c.content), out, error)) << c.name;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
    }
}

TEST(bboConfigTest, DamagedFileGivesTheUnreadableMessageWithWhere) {
    prepared p(bytesOf("1000\n1000\nabc\n"), "T21P5DKDC1");
    ASSERT_EQ(p.result.status, bboPrepareStatus::FILE_DAMAGED);
    const auto m = bboConfigFileModule::messageFor(p.result);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->caption, "Error");
    EXPECT_EQ(m->text,
              "Unable to read Baseband Offset Utility configuration file\n(bbo.cfg line 3: number expected)");
}

TEST(bboConfigTest, EntriesAreMatchedByCodeLetterAndCheckByte) {
    const Bytes content = bboConfig::encode(sampleFile());
    struct Case {
        const char* name;
        const char* model;
        std::uint8_t level;
        bboPrepareStatus status;
        int entryTaken; // 0: none
        int reads;
    };
    const Case cases[] = {
        {"first entry", "T21P5DKDC1", 10, bboPrepareStatus::READY, 1, 1},
        {"check byte above the first range: the second", "T21P5DKDC1", 20, bboPrepareStatus::READY, 2, 2},
        {"check byte outside both ranges", "T21P5DKDC1", 100, bboPrepareStatus::NO_MATCH, 0, 2},
        {"letter differs", "T21P5DKDT1", 10, bboPrepareStatus::NO_MATCH, 0, 0},
        {"code differs", "T23U512SC3", 10, bboPrepareStatus::NO_MATCH, 0, 0},
    };
    for (const auto& c : cases) {
        prepared p(content, c.model, c.level);
        EXPECT_EQ(p.result.status, c.status) << c.name;
        EXPECT_EQ(p.memory.reads, c.reads) << c.name;
        EXPECT_EQ(p.image.getBBOEntryCount(), 3) << c.name;
        if (c.entryTaken != 0) {
            EXPECT_EQ(p.image.getBBOEntry()->entryNumber, c.entryTaken) << c.name;
        }
    }
}

TEST(bboConfigTest, ModelNumberBeginningWithTwoLettersJIsMatchedFromItsThirdCharacter) {
    EXPECT_EQ(bboConfigFileModule::radioModelCode("JJZ99ABCDEC     "), "Z99ABCDEC     ");
    EXPECT_EQ(bboConfigFileModule::radioModelCode("JZ99ABCDEC      "), "JZ99ABCDEC      ");
    EXPECT_EQ(bboConfigFileModule::radioModelCode("T21P5DKDC1      "), "T21P5DKDC1      ");

    bboConfig::file f;
    f.entries.push_back(entryOf(1, "Z99", 'C', 2, 0, 255, 0x0400, {{"CSQ Offset", 0, 15}}));
    // A model no prefix of the catalogue recognises is kept as it came.
    prepared jj(bboConfig::encode(f), "JJZ99ABCDEC");
    EXPECT_TRUE(jj.result.ok());
    prepared single(bboConfig::encode(f), "JZ99ABCDEC");
    EXPECT_EQ(single.result.status, bboPrepareStatus::NO_MATCH);
}

TEST(bboConfigTest, TakenEntryAndItsLabelsGoIntoTheImage) {
    prepared p(bboConfig::encode(sampleFile()), "T21P5DKDC1", 42);
    ASSERT_TRUE(p.result.ok());
    EXPECT_EQ(p.image.getBBOEntryWord(), 0x0480);
    EXPECT_EQ(p.image.getBBOCount(), 3);
    const auto labels = p.image.getBBOLabels();
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[1].label(), "WNG (s)                  ");
    EXPECT_EQ(labels[1].byteOffset, 1);
    EXPECT_EQ(labels[1].mask, 240);
    EXPECT_EQ(labels[2].byteOffset, 2);
}

TEST(bboConfigTest, ReadingStopsAtTheEntryTaken) {
    // Damage after the first entry does not matter to a radio that takes it.
    Bytes content = bboConfig::encode(sampleFile());
    const std::string marker = "\r\n";
    const auto f = sampleFile();
    bboConfig::file first = f;
    first.entries.resize(1);
    Bytes firstOnly = bboConfig::encode(first);
    // entry count 3, but only the first entry, then garbage
    Bytes damaged = bboConfig::encode(f);
    damaged.resize(firstOnly.size());
    damaged.insert(damaged.end(), {'x', 'y', 'z'});
    prepared taken(damaged, "T21P5DKDC1", 10);
    EXPECT_TRUE(taken.result.ok());
    prepared skipped(damaged, "T21P5DKDC1", 30);
    EXPECT_EQ(skipped.result.status, bboPrepareStatus::FILE_DAMAGED);
}

TEST(bboConfigTest, CheckByteFailures) {
    const Bytes content = bboConfig::encode(sampleFile());
    radioStorage image = imageWithModel("T21P5DKDC1");
    bboConfigFileModule module;
    module.setContent(content);
    checkMemory line;
    line.failure = checkMemory::LINE;
    const auto lineResult = module.prepareFromContent(image, line);
    EXPECT_EQ(lineResult.status, bboPrepareStatus::CHECK_FAILED);
    const auto m = bboConfigFileModule::messageFor(lineResult);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "Unable to verify system parameters. Please check connection and retry again");
    EXPECT_EQ(m->caption, " WARNING");

    checkMemory port;
    port.failure = checkMemory::PORT;
    EXPECT_EQ(module.prepareFromContent(image, port).status, bboPrepareStatus::PORT_IN_USE);
}

TEST(bboConfigTest, TooManyLabelsCannotBeInitialised) {
    auto f = sampleFile();
    f.entries[0].labels.assign(21, {"X", 0, 15});
    prepared p(bboConfig::encode(f), "T21P5DKDC1", 10);
    EXPECT_EQ(p.result.status, bboPrepareStatus::LABELS_FAILED);
    EXPECT_EQ(bboConfigFileModule::messageFor(p.result)->text,
              "Initializing data from configuration file failed");
}

TEST(bboConfigTest, RadiosWithTheRequestsGetTheFixedLabelsWithoutTheFile) {
    radioStorage image = imageWithModel("T31S4NK1C7");
    image.setBBOSupported(true);
    bboConfigFileModule module;
    checkMemory memory;
    const auto result = module.prepare("/nonexistent-directory", image, memory);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(image.getBBOCount(), 9);
    EXPECT_EQ(image.getBBOLabels()[0].label(), "CSQ Offset               ");
    EXPECT_EQ(memory.reads, 0);
}

TEST(bboConfigTest, MissingAndUnreadableFiles) {
    const auto dir = std::filesystem::temp_directory_path() / ("bbo-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    radioStorage image = imageWithModel("T21P5DKDC1");
    bboConfigFileModule module;
    checkMemory memory;

    auto missing = module.prepare(dir.string(), image, memory);
    EXPECT_EQ(missing.status, bboPrepareStatus::FILE_MISSING);
    EXPECT_EQ(bboConfigFileModule::messageFor(missing)->caption, " NOTE");
    EXPECT_EQ(bboConfigFileModule::messageFor(missing)->text,
              "Baseband Offset Utility configuration file is missing.\nPlease contact Corvane for latest "
              "configuration file.");

    std::filesystem::create_directory(dir / "bbo.cfg"); // exists, but is no file
    EXPECT_EQ(module.prepare(dir.string(), image, memory).status, bboPrepareStatus::FILE_UNREADABLE);
    std::filesystem::remove(dir / "bbo.cfg");

    const Bytes content = bboConfig::encode(sampleFile());
    std::ofstream(dir / "bbo.cfg", std::ios::binary)
        .write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
    memory.bytes[2] = 10;
    EXPECT_TRUE(module.prepare(dir.string(), image, memory).ok());
    std::filesystem::remove_all(dir);
}

TEST(bboConfigTest, PlainFormErrorsNameTheLine) {
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"unknown line", "key 1\nfoo\n", "line 2: unknown line 'foo'"},
        {"label first", "label offset=0 mask=15 text=\"A\"\n", "line 1: label before the first entry"},
        {"code length", "entry 1 code=\"T2\" letter=C check=2 min=0 max=9 block=0\n",
         "line 1: code must have 3"},
        {"missing field", "entry 1 code=T21 letter=C check=2 min=0 max=9\n", "line 1: entry needs block="},
        {"unknown field", "entry 1 code=T21 letter=C check=2 min=0 max=9 block=0 size=3\n",
         "line 1: unknown field 'size'"},
        {"long label",
         "entry 1 code=T21 letter=C check=2 min=0 max=9 block=0\nlabel offset=0 mask=15 "
         "text=\"12345678901234567890123456\"\n",
         "line 2: label text longer than 25"},
        {"open quote", "entry 1 code=\"T21 letter=C\n", "line 1: text without its closing quote"},
        {"bad number", "key 12a\n", "line 1: key takes one number"},
        {"key after entries", "entry 1 code=T21 letter=C check=2 min=0 max=9 block=0\nkey 3\n",
         "line 2: key must come before"},
        {"bad escape", "entry 1 code=\"T\\x4\" letter=C check=2 min=0 max=9 block=0\n", "line 1: \\x needs"},
    };
    for (const auto& c : cases) {
        bboConfig::file out;
        std::string error;
        EXPECT_FALSE(bboConfig::fromPlain(c.text, out, error)) << c.name;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.name << ": " << error;
    }
}

TEST(bboConfigTest, PlainFormTakesHexEscapesAndComments) {
    bboConfig::file f;
    std::string error;
    ASSERT_TRUE(bboConfig::fromPlain("# header\nversion 0  # zero\nentry 7 code=\"A\\x22B\" letter=\"\\\\\" "
                                     "check=0x10 min=-1 max=0xFF block=0x8000\n  label offset=3 mask=0xF0 "
                                     "text=\"a # b\"\n",
                                     f, error))
        << error;
    ASSERT_EQ(f.entries.size(), 1u);
    EXPECT_EQ(f.key, bboConfig::DEFAULT_KEY);
    EXPECT_EQ(f.entries[0].modelCode(), "A\"B");
    EXPECT_EQ(f.entries[0].fields.modelLetter, '\\');
    EXPECT_EQ(f.entries[0].fields.checkAddress, 16);
    EXPECT_EQ(f.entries[0].fields.checkMinimum, -1);
    EXPECT_EQ(f.entries[0].fields.blockAddress, 0x8000);
    EXPECT_EQ(f.entries[0].labels[0].mask, 240);
    EXPECT_EQ(f.entries[0].labels[0].text, "a # b                    ");
}

} // namespace
