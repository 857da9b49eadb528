#include "model/softpotBase.h"

int bandwidthCodeFromMask(int spacingMask) {
    if (spacingMask & 0x4)
        return BANDWIDTH_25_KHZ;
    if (spacingMask & 0x2)
        return BANDWIDTH_20_KHZ;
    return BANDWIDTH_12_5_KHZ;
}

int softpotBase::bandwidthCode(const radioStorage& storage) {
    code = bandwidthCodeFromMask(storage.getSoftpot(ROW_RADIO_INFO, COL_SPACING_MASK));
    return code;
}
