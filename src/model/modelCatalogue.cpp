#include "model/modelCatalogue.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Shape of a pattern or prefix: 'L' letter, 'D' digit, '?' any character.
bool hasShape(std::string_view value, std::string_view shape) {
    if (value.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if ((shape[i] == 'L' && !isLetter(value[i])) || (shape[i] == 'D' && !isDigit(value[i])))
            return false;
    }
    return true;
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

struct entry {
    std::vector<std::string> values;
    int line = 0;
};

class catalogueReader {
public:
    explicit catalogueReader(std::string& error) : error(error) {}

    bool read(std::string_view text) {
        std::istringstream in{std::string(text)};
        std::string raw;
        int lineNo = 0;
        while (std::getline(in, raw)) {
            ++lineNo;
            if (!raw.empty() && raw.back() == '\r')
                raw.pop_back();
            const auto first = raw.find_first_not_of(" \t");
            if (first == std::string::npos || raw[first] == '#')
                continue;
            const auto eq = raw.find('=');
            if (eq == std::string::npos)
                return fail(lineNo, "expected \"key = value ...\"");
            std::string key = trim(raw.substr(0, eq));
            if (!known(key))
                return fail(lineNo, "unknown key \"" + key + "\"");
            auto& e = entries[key];
            if (e.line == 0)
                e.line = lineNo;
            std::istringstream values(raw.substr(eq + 1));
            for (std::string v; values >> v;)
                e.values.push_back(v);
        }
        return true;
    }

    // Takes exactly `count` values of `key`, each checked by `valid`.
    bool take(const std::string& key, std::size_t count, const std::string& what,
              const std::function<bool(const std::string&)>& valid, std::vector<std::string>& out) {
        const auto it = entries.find(key);
        if (it == entries.end())
            return fail(0, "missing " + key);
        const auto& e = it->second;
        if (e.values.size() != count)
            return fail(e.line, key + " needs " + std::to_string(count) + " value(s), found " +
                                    std::to_string(e.values.size()));
        for (const auto& v : e.values) {
            if (!valid(v))
                return fail(e.line, key + " value \"" + v + "\" is not " + what);
        }
        out = e.values;
        return true;
    }

    bool fail(int line, const std::string& message) {
        error = std::string(modelCatalogue::FILE_NAME);
        if (line > 0)
            error += " line " + std::to_string(line);
        error += ": " + message;
        return false;
    }

private:
    static std::string trim(const std::string& s) {
        const auto b = s.find_first_not_of(" \t");
        if (b == std::string::npos)
            return {};
        return s.substr(b, s.find_last_not_of(" \t") - b + 1);
    }

    static bool known(const std::string& key) {
        static const char* const keys[] = {
            "prefixes",  "pattern.A",  "pattern.B",    "pattern.C",    "pattern.D",      "pattern.E",
            "pattern.F", "pattern.H",  "pattern.I",    "pattern.J",    "pattern.K",      "replacement",
            "letter.G",  "letters.O7", "letters.O8",   "letter.TU",    "list.L",         "list.M",
            "list.N",    "list.V",     "spacing.uuid", "pa.bias.band", "primary.system",
        };
        return std::any_of(std::begin(keys), std::end(keys), [&](const char* k) { return key == k; });
    }

    std::map<std::string, entry> entries;
    std::string& error;
};

template <std::size_t N> void toLetters(const std::vector<std::string>& values, std::array<char, N>& out) {
    for (std::size_t i = 0; i < N; ++i)
        out[i] = values[i][0];
}

bool checkPrefixes(const std::vector<std::string>& prefixes, std::string& why) {
    std::map<char, int> twoDigit;
    int threeLetter = 0;
    for (const auto& p : prefixes) {
        if (hasShape(p, "LDD"))
            ++twoDigit[p[0]];
        else if (hasShape(p, "LLL"))
            ++threeLetter;
    }
    int six = 0, two = 0;
    for (const auto& [letter, n] : twoDigit) {
        six += n == 6;
        two += n == 2;
    }
    if (six != 1 || two != 1 || twoDigit.size() != 2 || threeLetter != 1) {
        why = "prefixes must be six of one letter and two digits, two of a second letter and two digits, "
              "and one of three letters";
        return false;
    }
    return true;
}

modelCatalogue& currentInstance() {
    static modelCatalogue instance = modelCatalogue::builtIn();
    return instance;
}

} // namespace

bool modelCatalogue::parse(std::string_view text, modelCatalogue& out, std::string& error) {
    catalogueReader reader(error);
    if (!reader.read(text))
        return false;

    const auto letter = [](const std::string& v) { return v.size() == 1 && isLetter(v[0]); };
    const auto shaped = [](const char* shape) {
        return [shape](const std::string& v) { return hasShape(v, shape); };
    };
    const auto model = [](const std::string& v) { return v.size() == 10; };
    const auto uuid = [](const std::string& v) {
        return v.size() == 32 && std::all_of(v.begin(), v.end(), [](char c) { return hexValue(c) >= 0; });
    };

    modelCatalogue c;
    std::vector<std::string> v;
    if (!reader.take(
            "prefixes", 9, "three characters", [](const std::string& s) { return s.size() == 3; }, v))
        return false;
    std::string why;
    if (!checkPrefixes(v, why))
        return reader.fail(0, why);
    std::copy(v.begin(), v.end(), c.prefixes.begin());

    struct patternKey {
        const char* key;
        const char* shape;
        const char* what;
        std::string modelCatalogue::*field;
    };
    const patternKey patterns[] = {
        {"pattern.A", "LDDL", "letter, two digits, letter", &modelCatalogue::patternA},
        {"pattern.B", "LDDL", "letter, two digits, letter", &modelCatalogue::patternB},
        {"pattern.C", "LDDL", "letter, two digits, letter", &modelCatalogue::patternC},
        {"pattern.D", "LDDL", "letter, two digits, letter", &modelCatalogue::patternD},
        {"pattern.E", "LDD", "letter, two digits", &modelCatalogue::patternE},
        {"pattern.F", "LDD", "letter, two digits", &modelCatalogue::patternF},
        {"pattern.H", "L??????", "seven characters beginning with a letter", &modelCatalogue::patternH},
        {"pattern.I", "LDDL", "letter, two digits, letter", &modelCatalogue::patternI},
        {"pattern.J", "LDD", "letter, two digits", &modelCatalogue::patternJ},
        {"pattern.K", "LDDL", "letter, two digits, letter", &modelCatalogue::patternK},
    };
    for (const auto& p : patterns) {
        if (!reader.take(p.key, 1, p.what, shaped(p.shape), v))
            return false;
        c.*p.field = v[0];
    }

    // The group tests rely on the portable and mobile letters leading their
    // patterns (the portable test of the baseband offset window reads it).
    char portable = '\0', mobile = '\0';
    for (const auto& p : c.prefixes) {
        if (hasShape(p, "LDD")) {
            const auto n = std::count_if(c.prefixes.begin(), c.prefixes.end(), [&](const std::string& q) {
                return hasShape(q, "LDD") && q[0] == p[0];
            });
            (n == 6 ? portable : mobile) = p[0];
        }
    }
    for (const auto* s : {&c.patternA, &c.patternC, &c.patternE, &c.patternH, &c.patternJ}) {
        if ((*s)[0] != portable)
            return reader.fail(0, "pattern \"" + *s + "\" must begin with the portable letter " + portable);
    }
    for (const auto* s : {&c.patternB, &c.patternD, &c.patternF, &c.patternI, &c.patternK}) {
        if ((*s)[0] != mobile)
            return reader.fail(0,
                               "pattern \"" + *s + "\" must begin with the second prefix letter " + mobile);
    }
    if (c.patternA.substr(1, 2) != c.patternC.substr(1, 2))
        return reader.fail(0, "pattern.A and pattern.C must share their two digits");

    if (!reader.take("replacement", 2, "a letter", letter, v))
        return false;
    toLetters(v, c.replacementLetters);
    if (!reader.take("letter.G", 1, "a letter", letter, v))
        return false;
    c.letterG = v[0][0];
    if (!reader.take("letters.O7", 2, "a letter", letter, v))
        return false;
    toLetters(v, c.lettersO7);
    if (!reader.take("letters.O8", 3, "a letter", letter, v))
        return false;
    toLetters(v, c.lettersO8);
    if (!reader.take("letter.TU", 1, "a letter", letter, v))
        return false;
    c.letterTU = v[0][0];

    const std::pair<const char*, ModelList modelCatalogue::*> lists[] = {
        {"list.L", &modelCatalogue::listL},
        {"list.M", &modelCatalogue::listM},
        {"list.N", &modelCatalogue::listN},
        {"list.V", &modelCatalogue::listV},
    };
    for (const auto& [key, field] : lists) {
        if (!reader.take(key, 8, "a 10-character model number", model, v))
            return false;
        std::copy(v.begin(), v.end(), (c.*field).begin());
    }

    if (!reader.take("spacing.uuid", 6, "32 hexadecimal digits", uuid, v))
        return false;
    for (std::size_t i = 0; i < 6; ++i) {
        for (std::size_t b = 0; b < 16; ++b)
            c.modelSpacingUUIDs[i][b] =
                static_cast<std::uint8_t>(hexValue(v[i][2 * b]) * 16 + hexValue(v[i][2 * b + 1]));
    }

    if (!reader.take("pa.bias.band", 2, "a letter", letter, v))
        return false;
    toLetters(v, c.paBiasBandLetters);
    if (!reader.take("primary.system", 7, "a letter", letter, v))
        return false;
    toLetters(v, c.primarySystemLetters);

    out = std::move(c);
    return true;
}

const modelCatalogue& modelCatalogue::builtIn() {
    static const modelCatalogue catalogue = [] {
        modelCatalogue c;
        std::string error;
        // The built-in text is checked by the tests; should it ever be broken
        // the empty catalogue recognises no model, which is safe.
        parse(builtInText(), c, error);
        return c;
    }();
    return catalogue;
}

const modelCatalogue& modelCatalogue::current() {
    return currentInstance();
}

void modelCatalogue::install(const modelCatalogue& catalogue) {
    currentInstance() = catalogue;
}

modelCatalogue::loadResult modelCatalogue::load(const std::filesystem::path& programDirectory) {
    loadResult result;
    const auto path = programDirectory / FILE_NAME;
    result.path = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        install(builtIn());
        return result;
    }
    std::ostringstream content;
    content << in.rdbuf();
    modelCatalogue c;
    if (in.bad() || !parse(content.str(), c, result.error)) {
        if (result.error.empty())
            result.error = std::string(FILE_NAME) + ": the file could not be read";
        result.error += " (" + result.path + "); the built-in model catalogue is used";
        install(builtIn());
        return result;
    }
    install(c);
    result.fromFile = true;
    return result;
}
