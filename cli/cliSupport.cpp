#include "cliSupport.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>

#include <unistd.h>

const char* const EXIT_CODE_HELP = "Exit status:\n"
                                   "  0  success\n"
                                   "  1  the operation did not complete (declined, refused by the radio)\n"
                                   "  2  usage error (unknown option, missing or bad argument)\n"
                                   "  3  file error (cannot read, write or understand a file)\n"
                                   "  4  communication error (port cannot be opened, radio does not answer)\n"
                                   "  5  serial number mismatch (another radio is on the line)\n";

cliOptions::cliOptions(std::span<const std::string> args, std::span<const optionSpec> specs) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            rest.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            wantsHelp = true;
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto known =
            std::find_if(specs.begin(), specs.end(), [&](const optionSpec& s) { return s.name == name; });
        if (known == specs.end())
            throw usageError("unknown option " + name);
        if (!known->takesValue) {
            if (equals != std::string::npos)
                throw usageError("option " + name + " takes no value");
            options[name] = "";
        } else if (equals != std::string::npos) {
            options[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            options[name] = args[++i];
        } else {
            throw usageError("option " + name + " needs a value");
        }
    }
}

bool cliOptions::has(std::string_view name) const {
    return options.find(name) != options.end();
}

std::optional<std::string> cliOptions::value(std::string_view name) const {
    const auto it = options.find(name);
    if (it == options.end())
        return std::nullopt;
    return it->second;
}

int parseNumber(std::string_view option, const std::string& text, int low, int high) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size() || value < low ||
        value > high)
        throw usageError(std::string(option) + " needs a number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

namespace {

std::string trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

consolePresenter::consolePresenter(std::ostream& out, std::ostream& err, bool assumeYes)
    : out(out), err(err), assumeYes(assumeYes) {}

void consolePresenter::show(const UserMessage& message) {
    const bool error = message.icon == MessageIcon::Exclamation;
    if (quiet && !error)
        return;
    auto& stream = error ? err : out;
    stream << trimmed(message.caption) << ": " << message.text << '\n';
    stream.flush();
}

MessageAnswer consolePresenter::ask(const UserMessage& message, MessageButtons buttons) {
    const MessageAnswer yes = buttons == MessageButtons::OkCancel || buttons == MessageButtons::Ok
                                  ? MessageAnswer::Ok
                                  : MessageAnswer::Yes;
    const MessageAnswer no = buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel : MessageAnswer::No;
    if (assumeYes)
        return yes;
    if (!::isatty(STDIN_FILENO)) {
        err << trimmed(message.caption) << ": " << message.text << " - no terminal to ask on; use --yes\n";
        refused = true;
        return no;
    }
    err << message.text << " [y/N] ";
    err.flush();
    std::string line;
    if (!std::getline(std::cin, line))
        line.clear();
    const bool agreed = !line.empty() && (line[0] == 'y' || line[0] == 'Y');
    if (!agreed)
        refused = true;
    return agreed ? yes : no;
}

consoleProgress::consoleProgress(std::ostream& out, bool terminal) : out(out), terminal(terminal) {}

consoleProgress::~consoleProgress() {
    finish();
}

void consoleProgress::setProgress(int value, const std::string& line) {
    text = line;
    percent = std::clamp(value, 0, 100);
    draw();
}

void consoleProgress::setGauge(int value) {
    percent = std::clamp(value, 0, 100);
    if (terminal)
        draw();
}

void consoleProgress::draw() {
    if (!terminal) {
        out << (text.empty() ? std::to_string(percent) + "% Complete" : text) << '\n';
        out.flush();
        return;
    }
    constexpr int WIDTH = 40;
    const int filled = percent * WIDTH / 100;
    out << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
        << std::string(static_cast<std::size_t>(WIDTH - filled), ' ') << "] " << text << "\x1b[K";
    out.flush();
    drawn = true;
}

void consoleProgress::finish() {
    if (drawn) {
        out << '\n';
        out.flush();
        drawn = false;
    }
}

bool stdoutIsTerminal() {
    return ::isatty(STDOUT_FILENO) != 0;
}

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (b < 0x20 || b >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}
