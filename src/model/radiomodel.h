// Model-group tests on the model number held in the radio image. The values
// behind the tests come from the model catalogue (models.catalogue); the
// object itself has no state and is meant to be built on the stack.
#pragma once

#include "model/modelCatalogue.h"
#include "model/radioStorage.h"

#include <string_view>

class radiomodel {
public:
    // Uses the process-wide catalogue.
    radiomodel() : catalogue(&modelCatalogue::current()) {}
    explicit radiomodel(const modelCatalogue& c) : catalogue(&c) {}

    bool isModelGroupA(const radioStorage& s) const { return groupA(s.getModelNumber()); }
    bool isModelGroupB(const radioStorage& s) const { return groupB(s.getModelNumber()); }
    bool isModelGroupC(const radioStorage& s) const { return groupC(s.getModelNumber()); }
    bool isModelGroupD(const radioStorage& s) const { return groupD(s.getModelNumber()); }
    bool isModelGroupE(const radioStorage& s) const { return groupE(s.getModelNumber()); }
    bool isModelGroupF(const radioStorage& s) const { return groupF(s.getModelNumber()); }
    bool isModelGroupG(const radioStorage& s) const { return groupG(s.getModelNumber()); }
    bool isModelGroupH(const radioStorage& s) const { return groupH(s.getModelNumber()); }
    bool isModelGroupI(const radioStorage& s) const { return groupI(s.getModelNumber()); }
    bool isModelGroupJ(const radioStorage& s) const { return groupJ(s.getModelNumber()); }
    bool isModelGroupK(const radioStorage& s) const { return groupK(s.getModelNumber()); }
    bool isModelGroupL(const radioStorage& s) const { return groupL(s.getModelNumber()); }
    bool isModelGroupM(const radioStorage& s) const { return groupM(s.getModelNumber()); }
    bool isModelGroupN(const radioStorage& s) const { return groupN(s.getModelNumber()); }
    bool isModelGroupO(const radioStorage& s) const { return groupO(s.getModelNumber()); }
    bool isModelGroupP(const radioStorage& s) const { return groupP(s.getModelNumber()); }
    bool isModelGroupQ(const radioStorage& s) const { return groupQ(s.getModelNumber()); }
    bool isModelGroupR(const radioStorage& s) const { return groupR(s.getModelNumber()); }
    bool isModelGroupS(const radioStorage& s) const { return groupS(s.getModelNumber()); }
    bool isModelGroupT(const radioStorage& s) const { return groupT(s.getModelNumber()); }
    bool isModelGroupU(const radioStorage& s) const { return groupU(s.getModelNumber()); }
    bool isModelGroupV(const radioStorage& s) const { return groupV(s.getModelNumber()); }
    // Byte 1 of the IC version is 0xFE.
    bool hasSpecialICVersion(const radioStorage& s) const;

    // The same tests on a model text (the image's model number, or an
    // archive's before it is loaded).
    bool groupA(std::string_view model) const;
    bool groupB(std::string_view model) const;
    bool groupC(std::string_view model) const;
    bool groupD(std::string_view model) const;
    bool groupE(std::string_view model) const;
    bool groupF(std::string_view model) const;
    bool groupG(std::string_view model) const;
    bool groupH(std::string_view model) const;
    bool groupI(std::string_view model) const;
    bool groupJ(std::string_view model) const;
    bool groupK(std::string_view model) const;
    bool groupL(std::string_view model) const;
    bool groupM(std::string_view model) const;
    bool groupN(std::string_view model) const;
    bool groupO(std::string_view model) const;
    bool groupP(std::string_view model) const;
    bool groupQ(std::string_view model) const;
    bool groupR(std::string_view model) const;
    bool groupS(std::string_view model) const;
    bool groupT(std::string_view model) const;
    bool groupU(std::string_view model) const;
    bool groupV(std::string_view model) const;

    // Catalogue letters that other screens test.
    // UUID in modelSpacingUUIDs: the channel spacing comes from the model number.
    bool hasModelSpacingUUID(const radioStorage& s) const;
    // The channel-spacing mask the menus and screens use (bit 0 12.5 kHz,
    // bit 1 20 kHz, bit 2 25 kHz).
    int channelSpacingMask(const radioStorage& s) const;
    // model[3] is one of the two PA bias band letters (500 MHz channel).
    bool isPABiasHighBand(const radioStorage& s) const;
    // The model code's first character is the portable letter.
    bool isPortableModelCode(std::string_view modelCode) const;
    // Index 0..6 into Conventional, Tessaly, MPT, Tone Signalling, Passport,
    // LTR, 5T Prime for a model code's character 8; -1 for any other letter.
    int primarySystemIndex(char letter) const;

    const modelCatalogue& catalogueInUse() const { return *catalogue; }

private:
    const modelCatalogue* catalogue;
};
