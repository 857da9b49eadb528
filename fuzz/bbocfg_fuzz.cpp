// Feeds arbitrary bytes to the bbo.cfg reader, to the preparation that
// matches a radio against it, and (as text) to the plain-form reader.
// Besides the sanitizers' checks: whatever parses must encode to bytes that
// parse to the same file, and a plain form that reads must survive
// encode -> parse -> plain unchanged.
#include "operations/bboConfigFileModule.h"
#include "operations/bboConfigPlain.h"

#include "model/radioStorage.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Every byte of memory reads as the same value.
class constantMemory final : public radioMemory {
public:
    explicit constantMemory(std::uint8_t v) : value(v) {}
    void read(std::uint32_t, std::span<std::uint8_t> dest) override {
        for (auto& b : dest)
            b = value;
    }
    void write(std::uint32_t, std::span<const std::uint8_t>) override {}

private:
    std::uint8_t value;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    bboConfig::file parsed;
    std::string error;
    if (bboConfig::parse(bytes, parsed, error)) {
        bboConfig::file again;
        const auto encoded = bboConfig::encode(parsed);
        if (!bboConfig::parse(encoded, again, error) ||
            bboConfig::toPlain(again) != bboConfig::toPlain(parsed))
            std::abort();
    } else if (error.rfind("line ", 0) != 0) {
        std::abort(); // every refusal names its line
    }

    for (const char* model : {"T21P5DKDC1      ", "T31S4NK1C7      ", "JJZ99ABCDEC     "}) {
        radioStorage image;
        image.setModelNumber(model);
        image.setBBOSupported(false);
        bboConfigFileModule module;
        module.setContent(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        constantMemory memory(size > 0 ? data[0] : 0);
        const auto result = module.prepareFromContent(image, memory);
        if (result.ok() && image.getBBOLabels().size() != static_cast<std::size_t>(image.getBBOCount()))
            std::abort();
    }

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bboConfig::file plain;
    if (bboConfig::fromPlain(text, plain, error)) {
        bboConfig::file back;
        if (!bboConfig::parse(bboConfig::encode(plain), back, error) ||
            bboConfig::toPlain(back) != bboConfig::toPlain(plain))
            std::abort();
    }
    return 0;
}
