#include "sim/faultPlan.h"

#include "sim/textParsing.h"

#include <algorithm>
#include <stdexcept>

namespace sim {

namespace {

struct kindName {
    faultKind kind;
    const char* name;
};

constexpr kindName KIND_NAMES[] = {
    {faultKind::NAK, "nak"},
    {faultKind::SILENCE, "silence"},
    {faultKind::BAD_CHECKSUM, "bad-checksum"},
    {faultKind::WRONG_LENGTH, "wrong-length"},
    {faultKind::UNSUPPORTED, "unsupported"},
    {faultKind::LOST_ECHO, "lost-echo"},
    {faultKind::DELAY, "delay"},
    {faultKind::PULL, "pull"},
    {faultKind::UNPLUG, "unplug"},
};

constexpr int OPCODE_SOFTPOT = 0x20;
constexpr int OPCODE_AUTO_TUNE = 0x1F;

int parseCount(std::string_view key, std::string_view value) {
    const auto number = parseNumber(value);
    if (!number || *number < 0 || *number > 1000000) {
        throw std::invalid_argument(std::string(key) + " needs a number, not \"" + std::string(value) + "\"");
    }
    return static_cast<int>(*number);
}

} // namespace

const char* faultKindName(faultKind kind) {
    for (const auto& k : KIND_NAMES) {
        if (k.kind == kind) {
            return k.name;
        }
    }
    return "?";
}

faultSpec faultSpec::parse(std::string_view text) {
    text = trim(text);
    const auto colon = text.find(':');
    const std::string_view kindText = trim(text.substr(0, colon));
    faultSpec spec;
    const auto* found = std::find_if(std::begin(KIND_NAMES), std::end(KIND_NAMES),
                                     [&](const kindName& k) { return kindText == k.name; });
    if (found == std::end(KIND_NAMES)) {
        std::string known;
        for (const auto& k : KIND_NAMES) {
            known += known.empty() ? "" : ", ";
            known += k.name;
        }
        throw std::invalid_argument("unknown fault \"" + std::string(kindText) + "\" (known: " + known + ")");
    }
    spec.kind = found->kind;
    if (spec.kind == faultKind::DELAY) {
        spec.delayMs = 500;
    }
    if (colon == std::string_view::npos) {
        return spec;
    }
    for (std::string_view option : split(text.substr(colon + 1), ',')) {
        option = trim(option);
        if (option.empty()) {
            continue;
        }
        const auto eq = option.find('=');
        if (eq == std::string_view::npos) {
            throw std::invalid_argument("fault option \"" + std::string(option) + "\" needs key=value");
        }
        const std::string_view key = trim(option.substr(0, eq));
        const std::string_view value = trim(option.substr(eq + 1));
        if (key == "after") {
            spec.after = parseCount(key, value);
        } else if (key == "times") {
            if (value == "always") {
                spec.times = 0;
            } else if (value == "once") {
                spec.times = 1;
            } else {
                spec.times = parseCount(key, value);
                if (spec.times == 0) {
                    throw std::invalid_argument("times must be at least 1 (or always)");
                }
            }
        } else if (key == "opcode") {
            spec.opcode = parseCount(key, value);
            if (spec.opcode > 255) {
                throw std::invalid_argument("opcode must be 0..255");
            }
        } else if (key == "types") {
            spec.types.clear();
            for (std::string_view t : splitAny(value, "+/")) {
                const int type = parseCount(key, trim(t));
                if (type > 255) {
                    throw std::invalid_argument("softpot types are 0..255");
                }
                spec.types.push_back(type);
            }
        } else if (key == "ms") {
            spec.delayMs = parseCount(key, value);
        } else {
            throw std::invalid_argument("unknown fault option \"" + std::string(key) +
                                        "\" (known: after, times, opcode, types, ms)");
        }
    }
    return spec;
}

std::string faultSpec::toText() const {
    std::string text = faultKindName(kind);
    std::vector<std::string> options;
    if (after != 0) {
        options.push_back("after=" + std::to_string(after));
    }
    if (times != 1 && kind != faultKind::PULL && kind != faultKind::UNPLUG) {
        options.push_back(times == 0 ? "times=always" : "times=" + std::to_string(times));
    }
    if (opcode >= 0) {
        options.push_back("opcode=" + hexByte(opcode));
    }
    if (!types.empty()) {
        std::string list;
        for (int t : types) {
            list += (list.empty() ? "" : "+") + std::to_string(t);
        }
        options.push_back("types=" + list);
    }
    if (kind == faultKind::DELAY) {
        options.push_back("ms=" + std::to_string(delayMs));
    }
    for (std::size_t i = 0; i < options.size(); ++i) {
        text += (i == 0 ? ":" : ",") + options[i];
    }
    return text;
}

bool faultSpec::matches(std::span<const sbep::Byte> frame) const {
    const int op = sbep::frameOpcode(frame);
    if (opcode >= 0 && op != opcode) {
        return false;
    }
    if (types.empty()) {
        return true;
    }
    if (op != OPCODE_SOFTPOT && op != OPCODE_AUTO_TUNE) {
        return false;
    }
    const std::size_t header = sbep::frameHeaderSize(frame);
    if (sbep::framePayloadLength(frame) < 1 || frame.size() <= header) {
        return false;
    }
    return std::find(types.begin(), types.end(), frame[header]) != types.end();
}

faultDecision faultPlan::apply(std::span<const sbep::Byte> frame) {
    faultDecision d;
    for (entry& e : entries_) {
        const bool terminal = e.spec.kind == faultKind::PULL || e.spec.kind == faultKind::UNPLUG;
        const int times = terminal ? 1 : e.spec.times;
        if (times != 0 && e.fired >= times) {
            continue;
        }
        if (!e.spec.matches(frame)) {
            continue;
        }
        if (e.passed < e.spec.after) {
            ++e.passed;
            continue;
        }
        ++e.fired;
        d.applied.push_back(e.spec.toText());
        switch (e.spec.kind) {
        case faultKind::NAK:
            d.nak = true;
            break;
        case faultKind::SILENCE:
            d.silence = true;
            break;
        case faultKind::BAD_CHECKSUM:
            d.badChecksum = true;
            break;
        case faultKind::WRONG_LENGTH:
            d.wrongLength = true;
            break;
        case faultKind::UNSUPPORTED:
            d.unsupported = true;
            break;
        case faultKind::LOST_ECHO:
            d.lostEcho = true;
            break;
        case faultKind::DELAY:
            d.delayMs += e.spec.delayMs;
            break;
        case faultKind::PULL:
            d.pull = true;
            break;
        case faultKind::UNPLUG:
            d.unplug = true;
            d.lostEcho = true;
            break;
        }
    }
    return d;
}

bool faultPlan::lostEchoPossible() const {
    return std::any_of(entries_.begin(), entries_.end(), [](const entry& e) {
        const bool kindLosesEcho = e.spec.kind == faultKind::LOST_ECHO || e.spec.kind == faultKind::UNPLUG;
        const int times = e.spec.kind == faultKind::UNPLUG ? 1 : e.spec.times;
        return kindLosesEcho && (times == 0 || e.fired < times);
    });
}

} // namespace sim
