// What every veltra-cli subcommand shares: exit codes, option parsing,
// messages on the console, progress on the console, JSON text.
#pragma once

#include "operations/UserMessage.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of every subcommand (listed in --help and cli/README.md).
enum cliExit : int {
    EXIT_OK = 0,
    EXIT_FAILED = 1,          // the operation did not complete (refused, declined, radio error)
    EXIT_USAGE = 2,           // unknown subcommand or option, missing or bad argument
    EXIT_FILE = 3,            // a file could not be read, written or understood
    EXIT_COMMUNICATION = 4,   // the port could not be opened or the radio did not answer
    EXIT_SERIAL_MISMATCH = 5, // the radio on the line is not the one the archive is for
};

// The exit code paragraph of every --help text.
extern const char* const EXIT_CODE_HELP;

class usageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct optionSpec {
    std::string_view name; // "--port"
    bool takesValue;
};

// Options as "--name value" or "--name=value", in any order around the
// positional arguments; "--" ends the options. "--help" and "-h" are always
// known. Throws usageError for an unknown option or a missing value.
class cliOptions {
public:
    cliOptions(std::span<const std::string> args, std::span<const optionSpec> specs);

    bool help() const { return wantsHelp; }
    bool has(std::string_view name) const;
    std::optional<std::string> value(std::string_view name) const;
    const std::vector<std::string>& positionals() const { return rest; }

private:
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> rest;
    bool wantsHelp = false;
};

// A whole decimal number in [low, high], or usageError naming the option.
int parseNumber(std::string_view option, const std::string& text, int low, int high);

// Notes on stdout, errors (exclamation icon) on stderr, each as
// "CAPTION: text". Questions are answered yes when assumeYes is set;
// otherwise they are asked on the terminal, and refused when there is none.
class consolePresenter : public MessagePresenter {
public:
    consolePresenter(std::ostream& out, std::ostream& err, bool assumeYes = false);
    void show(const UserMessage& message) override;
    MessageAnswer ask(const UserMessage& message, MessageButtons buttons) override;
    // Notes are dropped (errors still shown), for subcommands whose output is data.
    void setQuiet(bool quiet) { this->quiet = quiet; }
    bool refusedQuestion() const { return refused; }

private:
    std::ostream& out;
    std::ostream& err;
    bool assumeYes;
    bool quiet = false;
    bool refused = false;
};

// A bar redrawn in place on a terminal; one "NN% Complete" line per step
// when stdout is a file or a pipe.
class consoleProgress : public ProgressSink {
public:
    consoleProgress(std::ostream& out, bool terminal);
    ~consoleProgress() override;
    void setProgress(int percent, const std::string& text) override;
    void setGauge(int percent) override;
    // Ends the bar's line, so that what follows starts on a new one.
    void finish();

private:
    void draw();
    std::ostream& out;
    bool terminal;
    int percent = -1;
    std::string text;
    bool drawn = false;
};

bool stdoutIsTerminal();

// A JSON string literal, quotes included. Bytes outside printable ASCII
// are written as \u00XX, so any text the radio sends stays valid JSON.
std::string jsonString(std::string_view text);
