#include "sim/simOptions.h"

#include <csignal>
#include <fstream>
#include <ostream>
#include <pthread.h>

namespace sim {

simConfig parseSimOptions(std::span<const std::string> args) {
    simConfig config;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::string value;
        bool inlineValue = false;
        if (option.rfind("--", 0) == 0) {
            const auto eq = option.find('=');
            if (eq != std::string::npos) {
                value = option.substr(eq + 1);
                option = option.substr(0, eq);
                inlineValue = true;
            }
        }
        auto takeValue = [&]() -> std::string {
            if (inlineValue) {
                return value;
            }
            if (i + 1 >= args.size()) {
                throw optionError(option + " needs a value");
            }
            return args[++i];
        };
        auto noValue = [&] {
            if (inlineValue) {
                throw optionError(option + " takes no value");
            }
        };
        if (option == "--help" || option == "-h") {
            noValue();
            config.help = true;
        } else if (option == "--list-profiles") {
            noValue();
            config.listProfiles = true;
        } else if (option == "--profile") {
            config.profile = takeValue();
        } else if (option == "--link") {
            config.linkPath = takeValue();
        } else if (option == "--line-time") {
            noValue();
            config.lineTime = true;
        } else if (option == "--fault") {
            const std::string spec = takeValue();
            try {
                config.faults.push_back(faultSpec::parse(spec));
            } catch (const std::invalid_argument& e) {
                throw optionError("--fault " + spec + ": " + e.what());
            }
        } else if (option == "--dump-on-exit") {
            config.dumpOnExit = takeValue();
        } else {
            throw optionError("unknown option " + args[i]);
        }
    }
    if (config.profile.empty() && !config.help && !config.listProfiles) {
        throw optionError("--profile NAME|FILE is required");
    }
    return config;
}

simConfig parseSimOptions(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return parseSimOptions(args);
}

std::string simUsage(const std::string& program) {
    std::string names;
    for (const auto& n : radioProfile::builtInNames()) {
        names += (names.empty() ? "" : ", ") + n;
    }
    return "Usage: " + program +
           " --profile NAME|FILE [--link PATH] [--line-time] [--fault SPEC]... [--dump-on-exit FILE]\n"
           "\n"
           "Runs a simulated radio on a pseudo-terminal until interrupted (Ctrl-C or SIGTERM).\n"
           "The device path is printed on the first line of the output.\n"
           "\n"
           "  --profile NAME|FILE  built-in profile (" +
           names +
           ") or a profile file\n"
           "  --link PATH          also make a symbolic link PATH to the device\n"
           "  --line-time          answer at the pace of a 9600-baud line\n"
           "  --fault SPEC         misbehave: KIND[:after=N,times=N|once|always,opcode=N,types=A+B,ms=N]\n"
           "                       KIND: nak, silence, bad-checksum, wrong-length, unsupported,\n"
           "                       lost-echo, delay, pull, unplug\n"
           "  --dump-on-exit FILE  write the radio's state at exit (FILE.json: JSON, else profile text)\n"
           "  --list-profiles      print the built-in profile names\n"
           "  --help               this text\n";
}

std::unique_ptr<simulatedRadio> makeRadio(const simConfig& config) {
    radioProfile profile = radioProfile::load(config.profile);
    profile.faults.insert(profile.faults.end(), config.faults.begin(), config.faults.end());
    simSettings settings;
    settings.lineTime = config.lineTime;
    settings.linkPath = config.linkPath;
    return std::make_unique<simulatedRadio>(std::move(profile), settings);
}

int runSimulator(const simConfig& config, const std::string& program, std::ostream& out, std::ostream& err) {
    if (config.help) {
        out << simUsage(program);
        return 0;
    }
    if (config.listProfiles) {
        for (const auto& n : radioProfile::builtInNames()) {
            out << n << "\n";
        }
        return 0;
    }
    // Signals are blocked before the radio's thread starts, so that only
    // sigwait below takes them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);
    int status = 0;
    try {
        auto radio = makeRadio(config);
        radio->start();
        out << radio->devicePath() << std::endl;
        err << program << ": profile " << radio->snapshot().radio.name << " on " << radio->devicePath();
        if (!config.linkPath.empty()) {
            err << " (link " << config.linkPath << ")";
        }
        err << (config.lineTime ? ", 9600-baud line time" : "") << "; Ctrl-C stops" << std::endl;
        int signal = 0;
        sigwait(&stopSignals, &signal);
        radio->stop();
        if (!config.dumpOnExit.empty()) {
            const bool json = config.dumpOnExit.size() >= 5 &&
                              config.dumpOnExit.compare(config.dumpOnExit.size() - 5, 5, ".json") == 0;
            std::ofstream file(config.dumpOnExit, std::ios::binary | std::ios::trunc);
            file << (json ? radio->dumpJson() : radio->dumpText());
            if (!file) {
                err << program << ": cannot write " << config.dumpOnExit << std::endl;
                status = 1;
            }
        }
    } catch (const std::exception& e) {
        err << program << ": " << e.what() << std::endl;
        status = 1;
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return status;
}

} // namespace sim
