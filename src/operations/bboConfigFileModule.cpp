#include "operations/bboConfigFileModule.h"

#include "link/LinkErrors.h"
#include "model/radioStorage.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// bbo.cfg holds a few entries of a few lines each; anything this large is
// not the configuration file and is not read into memory.
constexpr std::uintmax_t MAX_FILE_SIZE = 1 << 20;

constexpr std::size_t MODEL_LETTER_PLACE = 8;

bboPrepareResult damaged(const std::string& detail) {
    return {bboPrepareStatus::FILE_DAMAGED, detail};
}

} // namespace

std::string_view bboConfigFileModule::radioModelCode(std::string_view modelNumber) {
    if (modelNumber.size() >= 2 && modelNumber[0] == 'J' && modelNumber[1] == 'J')
        return modelNumber.substr(2);
    return modelNumber;
}

bboPrepareStatus bboConfigFileModule::readFile(const std::string& directory) {
    content.clear();
    const std::filesystem::path path = std::filesystem::path(directory) / FILE_NAME;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return ec ? bboPrepareStatus::FILE_UNREADABLE : bboPrepareStatus::FILE_MISSING;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || !std::filesystem::is_regular_file(path, ec))
        return bboPrepareStatus::FILE_UNREADABLE;
    if (size > MAX_FILE_SIZE)
        return bboPrepareStatus::FILE_DAMAGED;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return bboPrepareStatus::FILE_UNREADABLE;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        content.clear();
        return bboPrepareStatus::FILE_UNREADABLE;
    }
    return bboPrepareStatus::READY;
}

bboPrepareResult bboConfigFileModule::prepare(const std::string& directory, radioStorage& image,
                                              radioMemory& memory) {
    if (!image.isBBOSupported()) {
        const bboPrepareStatus read = readFile(directory);
        if (read == bboPrepareStatus::FILE_DAMAGED)
            return damaged("the file is larger than " + std::to_string(MAX_FILE_SIZE) + " bytes");
        if (read != bboPrepareStatus::READY)
            return {read, {}};
    }
    return prepareFromContent(image, memory);
}

bboPrepareResult bboConfigFileModule::prepareFromContent(radioStorage& image, radioMemory& memory) {
    if (image.isBBOSupported()) {
        if (!image.allocBBOLabels())
            return {bboPrepareStatus::LABELS_FAILED, {}};
        return {};
    }
    bboConfig::reader r(content);
    int version = 0;
    if (!r.readKey() || !r.readNumber(version))
        return damaged(r.error());
    image.setBBOConfigState(version);
    if (version != bboConfig::SUPPORTED_VERSION)
        return {bboPrepareStatus::UNSUPPORTED_VERSION, {}};
    int count = 0;
    if (!r.readNumber(count))
        return damaged(r.error());
    if (count < 0)
        return damaged("line 3: negative entry count");
    image.setBBOEntryCount(count);

    const std::string_view code = radioModelCode(image.getModelNumber());
    for (int i = 0; i < count; ++i) {
        bboConfig::entry e;
        if (!r.readEntryHead(e))
            return damaged(r.error());
        const bool matches = code.size() > MODEL_LETTER_PLACE && code.substr(0, 3) == e.modelCode() &&
                             code[MODEL_LETTER_PLACE] == e.fields.modelLetter;
        if (matches) {
            std::array<std::uint8_t, 1> check{};
            try {
                memory.read(static_cast<std::uint32_t>(e.fields.checkAddress), check);
            } catch (const PortInUseError&) {
                return {bboPrepareStatus::PORT_IN_USE, {}};
            } catch (const std::exception&) {
                return {bboPrepareStatus::CHECK_FAILED, {}};
            }
            if (e.fields.checkMinimum <= check[0] && check[0] <= e.fields.checkMaximum) {
                // The labels are read before the image changes, so that a
                // damaged label leaves the image as it was.
                for (int j = 0; j < e.fields.labelCount; ++j) {
                    bboConfig::label l;
                    if (!r.readLabel(l))
                        return damaged(r.error());
                    e.labels.push_back(std::move(l));
                }
                *image.getBBOEntry() = e.fields;
                if (!image.allocBBOLabels())
                    return {bboPrepareStatus::LABELS_FAILED, {}};
                auto slots = image.getBBOLabels();
                for (std::size_t j = 0; j < slots.size() && j < e.labels.size(); ++j) {
                    slots[j].setLabel(e.labels[j].text);
                    slots[j].byteOffset = static_cast<std::uint8_t>(e.labels[j].byteOffset);
                    slots[j].mask = static_cast<std::uint8_t>(e.labels[j].mask);
                }
                return {};
            }
        }
        if (!r.skipLabels(e.fields.labelCount))
            return damaged(r.error());
    }
    return {bboPrepareStatus::NO_MATCH, {}};
}

std::optional<UserMessage> bboConfigFileModule::messageFor(const bboPrepareResult& result) {
    switch (result.status) {
    case bboPrepareStatus::READY:
    case bboPrepareStatus::PORT_IN_USE:
        return std::nullopt;
    case bboPrepareStatus::FILE_MISSING:
        return bboTexts::FILE_MISSING;
    case bboPrepareStatus::FILE_UNREADABLE:
        return bboTexts::FILE_UNREADABLE;
    case bboPrepareStatus::FILE_DAMAGED: {
        UserMessage m = bboTexts::FILE_UNREADABLE;
        if (!result.detail.empty())
            m.text += "\n(" + std::string(FILE_NAME) + " " + result.detail + ")";
        return m;
    }
    case bboPrepareStatus::UNSUPPORTED_VERSION:
        return bboTexts::UNSUPPORTED_VERSION;
    case bboPrepareStatus::CHECK_FAILED:
        return bboTexts::CHECK_FAILED;
    case bboPrepareStatus::LABELS_FAILED:
        return bboTexts::LABELS_FAILED;
    case bboPrepareStatus::NO_MATCH:
        return bboTexts::NO_MATCH;
    }
    return std::nullopt;
}
