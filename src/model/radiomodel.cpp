#include "model/radiomodel.h"

#include <algorithm>

namespace {

// Fixed-position comparison; a text too short for the pattern fails, and so
// does an empty pattern (a catalogue that lacks it recognises nothing).
bool at(std::string_view model, std::size_t pos, std::string_view pattern) {
    return !pattern.empty() && model.size() >= pos + pattern.size() &&
           model.substr(pos, pattern.size()) == pattern;
}

bool charAt(std::string_view model, std::size_t pos, char c) {
    return c != '\0' && model.size() > pos && model[pos] == c;
}

template <std::size_t N>
bool charIn(std::string_view model, std::size_t pos, const std::array<char, N>& letters) {
    return std::any_of(letters.begin(), letters.end(), [&](char c) { return charAt(model, pos, c); });
}

bool plainOrAA(std::string_view model, std::string_view pattern) {
    return at(model, 0, pattern) || (at(model, 0, "AA") && at(model, 2, pattern));
}

bool inList(std::string_view model, const modelCatalogue::ModelList& list) {
    return std::any_of(list.begin(), list.end(), [&](const std::string& e) { return at(model, 0, e); });
}

} // namespace

bool radiomodel::groupA(std::string_view m) const {
    return at(m, 0, catalogue->patternA);
}
bool radiomodel::groupB(std::string_view m) const {
    return plainOrAA(m, catalogue->patternB);
}
bool radiomodel::groupC(std::string_view m) const {
    return at(m, 0, catalogue->patternC);
}
bool radiomodel::groupD(std::string_view m) const {
    return plainOrAA(m, catalogue->patternD);
}
bool radiomodel::groupE(std::string_view m) const {
    return at(m, 0, catalogue->patternE);
}
bool radiomodel::groupF(std::string_view m) const {
    return at(m, 0, catalogue->patternF);
}
bool radiomodel::groupG(std::string_view m) const {
    return groupE(m) && charAt(m, 4, catalogue->letterG);
}
bool radiomodel::groupH(std::string_view m) const {
    return at(m, 0, catalogue->patternH);
}
bool radiomodel::groupI(std::string_view m) const {
    return at(m, 0, catalogue->patternI);
}
bool radiomodel::groupJ(std::string_view m) const {
    return at(m, 0, catalogue->patternJ);
}
bool radiomodel::groupK(std::string_view m) const {
    return at(m, 0, catalogue->patternK);
}
bool radiomodel::groupL(std::string_view m) const {
    return inList(m, catalogue->listL);
}
bool radiomodel::groupM(std::string_view m) const {
    return inList(m, catalogue->listM);
}
bool radiomodel::groupN(std::string_view m) const {
    return inList(m, catalogue->listN);
}

bool radiomodel::groupO(std::string_view m) const {
    const auto& a = catalogue->patternA;
    return a.size() >= 3 && at(m, 1, std::string_view(a).substr(1, 2)) &&
           charIn(m, 7, catalogue->lettersO7) && charIn(m, 8, catalogue->lettersO8);
}

bool radiomodel::groupP(std::string_view m) const {
    return !catalogue->patternA.empty() && at(m, 0, catalogue->patternP());
}
bool radiomodel::groupQ(std::string_view m) const {
    return !catalogue->patternA.empty() && at(m, 0, catalogue->patternQ());
}
bool radiomodel::groupR(std::string_view m) const {
    return !catalogue->patternB.empty() && plainOrAA(m, catalogue->patternR());
}
bool radiomodel::groupS(std::string_view m) const {
    return !catalogue->patternB.empty() && plainOrAA(m, catalogue->patternS());
}
bool radiomodel::groupT(std::string_view m) const {
    return groupF(m) && charAt(m, 8, catalogue->letterTU);
}
bool radiomodel::groupU(std::string_view m) const {
    return groupJ(m) && charAt(m, 8, catalogue->letterTU);
}

bool radiomodel::groupV(std::string_view m) const {
    const auto& list = catalogue->listV;
    return std::any_of(list.begin(), list.end(), [&](const std::string& e) {
        return !e.empty() && m.find(e) != std::string_view::npos;
    });
}

bool radiomodel::hasSpecialICVersion(const radioStorage& s) const {
    return s.getICVersion()[1] == 0xFE;
}

bool radiomodel::hasModelSpacingUUID(const radioStorage& s) const {
    const auto& uuids = catalogue->modelSpacingUUIDs;
    // An all-zero entry is an unfilled slot, never a radio's UUID.
    return std::any_of(uuids.begin(), uuids.end(), [&](const modelCatalogue::Uuid& u) {
        return u != modelCatalogue::Uuid{} && u == s.getUUID();
    });
}

int radiomodel::channelSpacingMask(const radioStorage& s) const {
    return hasModelSpacingUUID(s) ? s.spacingFromModelNumber()
                                  : s.getSoftpot(ROW_RADIO_INFO, COL_SPACING_MASK);
}

bool radiomodel::isPABiasHighBand(const radioStorage& s) const {
    return charIn(s.getModelNumber(), 3, catalogue->paBiasBandLetters);
}

bool radiomodel::isPortableModelCode(std::string_view modelCode) const {
    return charAt(modelCode, 0, catalogue->portableLetter());
}

int radiomodel::primarySystemIndex(char letter) const {
    const auto& letters = catalogue->primarySystemLetters;
    const auto it = std::find(letters.begin(), letters.end(), letter);
    return letter == '\0' || it == letters.end() ? -1 : static_cast<int>(it - letters.begin());
}
