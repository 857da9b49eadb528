// veltra-cli bbo-cfg decode FILE / encode PLAIN OUT: the baseband offset
// configuration between the scrambled file the program reads and a plain
// form a service shop can edit (docs/bbo-cfg.md).
#include "cliSupport.h"

#include "operations/bboConfigPlain.h"
#include "operations/replaceFile.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace {

const char* const HELP = "Usage: veltra-cli bbo-cfg decode FILE\n"
                         "       veltra-cli bbo-cfg encode PLAIN OUT\n"
                         "\n"
                         "decode prints the baseband offset configuration FILE (bbo.cfg) in its plain\n"
                         "form on stdout. encode reads a plain form (see docs/bbo-cfg.md), checks it and\n"
                         "writes OUT in the file's format; OUT is replaced only when all went well.\n"
                         "A damaged file or plain form is refused with the line where reading stopped.\n"
                         "\n"
                         "Options:\n"
                         "  --help     this text\n"
                         "\n";

bool readWhole(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int fileError(const std::string& path, const std::string& what) {
    std::cerr << "veltra-cli bbo-cfg: " << path << ": " << what << '\n';
    return EXIT_FILE;
}

int decode(const std::string& path) {
    std::string content;
    if (!readWhole(path, content))
        return fileError(path, "cannot be read");
    bboConfig::file f;
    std::string error;
    if (!bboConfig::parse(std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()), f,
                          error))
        return fileError(path, error);
    std::cout << bboConfig::toPlain(f);
    return EXIT_OK;
}

int encode(const std::string& plainPath, const std::string& outPath) {
    std::string text;
    if (!readWhole(plainPath, text))
        return fileError(plainPath, "cannot be read");
    bboConfig::file f;
    std::string error;
    if (!bboConfig::fromPlain(text, f, error))
        return fileError(plainPath, error);
    const auto bytes = bboConfig::encode(f);
    // What the program will read must be what was written.
    bboConfig::file check;
    if (!bboConfig::parse(bytes, check, error))
        return fileError(plainPath, "does not encode to a readable file: " + error);
    std::error_code reason;
    if (!replaceFile(outPath, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                     reason))
        return fileError(outPath, "cannot be written (" + reason.message() + ")");
    std::cout << outPath << ": " << f.entries.size() << " entries\n";
    return EXIT_OK;
}

} // namespace

int bboCfgCommand(std::span<const std::string> args) {
    const cliOptions options(args, {});
    if (options.help()) {
        std::cout << HELP << EXIT_CODE_HELP;
        return EXIT_OK;
    }
    const auto& p = options.positionals();
    if (p.size() == 2 && p[0] == "decode")
        return decode(p[1]);
    if (p.size() == 3 && p[0] == "encode")
        return encode(p[1], p[2]);
    throw usageError("bbo-cfg needs 'decode FILE' or 'encode PLAIN OUT'");
}
