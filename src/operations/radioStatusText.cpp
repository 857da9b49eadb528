#include "operations/radioStatusText.h"

#include "operations/radioOperationsMessages.h"

std::string radioStatusText(std::string_view serialNumber, std::string_view modelNumber) {
    std::string text(radioMessages::STATUS_SERIAL_LABEL);
    text += serialNumber;
    text.append(radioMessages::STATUS_GAP, ' ');
    text += radioMessages::STATUS_MODEL_LABEL;
    text += modelNumber;
    return text;
}

std::string radioStatusText(const radioStorage& storage) {
    return radioStatusText(storage.getSerialNumber(), storage.getModelNumber());
}
