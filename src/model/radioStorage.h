// The radio image: everything the program knows about the connected radio.
// Filled by the read sequence or an archive load, changed by the tuning
// screens, written back by Program All and printed by the report. One object
// lives for the whole process; the image is never reset as a whole.
#pragma once

#include "link/SupportRecorder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Rows of the softpot table. A point row keeps F1..F7 in columns 0..6; rows
// with variants use the column groups 0..6, 7..13 and 14..20.
enum SoftpotRow : int {
    ROW_RADIO_INFO =
        0, // 0..6 tx points, 7 base, 8 radio type, 9..12 temp comp, 13 spacing mask, 14..20 rx points
    ROW_DAC_VISITED = 1,
    ROW_REF_OSC_WARP = 2,
    ROW_TX_POWER = 3,    // 0..6 high power, 7..13 low power
    ROW_MOD_BALANCE = 4, // 14..20
    ROW_VCO_ATTN = 5,    // 14..20 25 kHz, 13 the 20 kHz value, 6 the 12.5 kHz value
    ROW_DTMF = 6,
    ROW_VYS1200 = 7,
    ROW_PA_BIAS = 8, // 0/1 bias 1 high/low voltage, 2/3 bias 2, 4/5 bias 3
    ROW_UNUSED_9 = 9,
    ROW_FRONT_END_FILTER = 10,
    ROW_AUTO_SQUELCH = 11, // 14..20 25 kHz, 7..13 20 kHz, 0..6 12.5 kHz
    ROW_RATED_VOLUME = 12,
    ROW_BBO = 13, // 0..14 baseband offsets, three groups of five
    ROW_SELECT5 = 14,
    ROW_MPT1327 = 15,
    ROW_RSSI = 16,      // 0..5 thresholds, 6 calibration
    ROW_MOBILE_KM = 17, // 0..13 K and M, 14 DAC 1, 15 DAC 2, 16 low-band flag
    ROW_BATTERY = 18,   // 0 default threshold, 1 threshold
    ROW_HST = 19,
    ROW_PA_VOLTAGE_LIMIT = 20,
    ROW_TX_POWER_MAX = 21,
};

// Radio-info columns that several parts address by number.
enum RadioInfoColumn : int {
    COL_TX_POINT_F1 = 0,
    COL_FREQUENCY_BASE = 7,
    COL_RADIO_TYPE = 8,
    COL_TEMP_COMP_1 = 9,
    COL_SPACING_MASK = 13,
    COL_RX_POINT_F1 = 14,
};

// ROW_MOBILE_KM columns beyond the K and M values.
enum MobileKMColumn : int {
    COL_KM_DAC_1 = 14,
    COL_KM_DAC_2 = 15,
    COL_KM_LOW_BAND = 16,
};

// Support flags, one per tuning procedure; numbers 2..28 as the radio image
// has always numbered them (archives store them by number).
enum SupportFlag : int {
    FLAG_REF_OSC_WARP = 2,
    FLAG_TX_POWER = 3,
    FLAG_MOD_BALANCE = 4,
    FLAG_VCO_ATTN = 5,
    FLAG_DTMF = 6,
    FLAG_VYS1200 = 7,
    FLAG_PA_BIAS_HIGH = 8, // bias 1 read at high voltage
    FLAG_PA_BIAS_LOW = 9,  // bias 1 read at low voltage
    FLAG_FRONT_END_FILTER = 10,
    FLAG_AUTO_SQUELCH = 11,
    FLAG_RATED_VOLUME = 12,
    FLAG_SELECT5 = 13,
    FLAG_MPT1327 = 14,
    FLAG_RSSI = 15,
    FLAG_MOBILE_KM = 16,
    FLAG_PA_BIAS_2 = 17,
    FLAG_PA_BIAS_3 = 18,
    FLAG_BATTERY = 19,
    FLAG_BULK_READ = 20,  // the radio answers the all-points read
    FLAG_BULK_WRITE = 21, // the radio accepts the all-points write
    FLAG_HST = 22,
    FLAG_RESERVED_23 = 23, // no procedure; set at construction, never changed
    FLAG_RESERVED_24 = 24, // no procedure; set at construction, never changed
    FLAG_PA_VOLTAGE_LIMIT = 25,
    FLAG_TX_POWER_MAX = 26,
    FLAG_LAST_WRITE_ACCEPTED = 27, // the last verified softpot write was accepted
    FLAG_PA_BIAS_TOGGLE = 28,      // tested by the PA bias screens
};

constexpr int FIRST_SUPPORT_FLAG = 2;
constexpr int LAST_SUPPORT_FLAG = 28;

// A text of at most N characters owned by the image. The stored length is the
// length given, so a short text such as "Invalid" stays short and never
// compares equal to a 10-character serial number.
template <std::size_t N> class fixedText {
public:
    constexpr fixedText() = default;
    explicit fixedText(std::string_view text) { assign(text); }
    void assign(std::string_view text) {
        length = text.size() < N ? text.size() : N;
        chars.fill('\0');
        for (std::size_t i = 0; i < length; ++i)
            chars[i] = text[i];
    }
    std::string_view view() const { return {chars.data(), length}; }
    const char* c_str() const { return chars.data(); }
    std::size_t size() const { return length; }
    static constexpr std::size_t capacity() { return N; }

private:
    std::array<char, N + 1> chars{}; // always terminated
    std::size_t length = 0;
};

// The configuration entry of bbo.cfg that matched this radio.
struct bboConfigEntry {
    int entryNumber = 0;
    std::array<char, 4> modelCode{}; // 3 characters and a terminator
    char modelLetter = '\0';
    int checkAddress = 0; // radio memory address of the byte to check
    int checkMinimum = 0;
    int checkMaximum = 0;
    int blockAddress = 0; // codeplug block base; low 16 bits used
    int labelCount = 0;
};

// One baseband-offset label slot (32 bytes): 30 characters of text (25 used,
// blank padded, terminated), the byte offset inside a codeplug entry and the
// mask (15 = low four bits, anything else = high four bits).
struct bboLabel {
    std::array<char, 30> text{};
    std::uint8_t byteOffset = 0;
    std::uint8_t mask = 0;

    std::string_view label() const;    // the text up to its terminator
    void setLabel(std::string_view s); // keeps at most 29 characters
};
static_assert(sizeof(bboLabel) == 32);

class radioStorage : public SupportRecorder {
public:
    static constexpr int ROWS = 22;
    static constexpr int COLUMNS = 22;
    static constexpr std::size_t SERIAL_LENGTH = 10;
    static constexpr std::size_t MODEL_REPLY_LENGTH = 16;
    static constexpr std::size_t MODEL_LENGTH = 10;
    static constexpr std::size_t UUID_LENGTH = 16;
    static constexpr std::size_t IC_VERSION_LENGTH = 4;
    static constexpr int FIXED_BBO_LABELS = 9;

    using Uuid = std::array<std::uint8_t, UUID_LENGTH>;
    using ICVersion = std::array<std::uint8_t, IC_VERSION_LENGTH>;

    radioStorage();

    // Softpot table. A row or column outside 0..21 reads 0 and is never
    // written, so a stray index cannot damage the image.
    int getSoftpot(int row, int column) const;
    void setSoftpot(int row, int value, int column);

    // Flags outside 2..28: isSupported gives false, the setters change nothing.
    bool isSupported(int flag) const;
    void setSupported(int flag) override;
    void clearSupported(int flag) override;

    int getRadioType() const { return getSoftpot(ROW_RADIO_INFO, COL_RADIO_TYPE); }
    void setRadioType(int value) { setSoftpot(ROW_RADIO_INFO, value, COL_RADIO_TYPE); }

    // Model number: 16 characters. After a recognised reply the first 10 are
    // the parsed model number and 10..15 blanks.
    std::string_view getModelNumber() const { return modelNumber.view(); }
    // Locates the model number in a 16-character reply by the model-prefix
    // table (positions 0..6, the last match wins). A reply without a known
    // prefix is kept unchanged, blank padded to 16 (so nothing is lost), and
    // modelRecognised() turns false so that callers can warn.
    void setModelNumber(std::string_view reply);
    bool modelRecognised() const { return recognised; }
    int spacingFromModelNumber() const;

    std::string_view getSerialNumber() const { return serialNumber.view(); }
    void setSerialNumber(std::string_view text) { serialNumber.assign(text); }

    // Missing bytes of a shorter argument are filled with blanks.
    const Uuid& getUUID() const { return uuid; }
    void setUUID(std::span<const std::uint8_t> bytes);
    void setUUID(std::string_view text);

    // Always 4 bytes (binary: byte 1 0xFE marks a special IC). view() helper
    // for display; missing bytes of a shorter argument become blanks.
    const ICVersion& getICVersion() const { return icVersion; }
    std::string_view getICVersionText() const;
    void setICVersion(std::span<const std::uint8_t> bytes);
    void setICVersion(std::string_view text);

    std::uint8_t getRegionalID() const { return regionalID; }
    void setRegionalID(std::uint8_t id) { regionalID = id; }
    std::uint8_t getReadStatus() const { return readStatus; }
    void setReadStatus(std::uint8_t status) { readStatus = status; }

    // Baseband offsets.
    bool isBBOSupported() const { return bboSupported; }
    void setBBOSupported(bool supported) { bboSupported = supported; }
    int getBBOCount();
    bool allocBBOLabels();
    std::span<bboLabel> getBBOLabels() { return bboLabels; }
    std::span<const bboLabel> getBBOLabels() const { return bboLabels; }
    int getBBOConfigState() const { return bboConfigState; }
    void setBBOConfigState(int state) { bboConfigState = state; }
    int getBBOEntryCount() const { return bboEntryCount; }
    void setBBOEntryCount(int count) { bboEntryCount = count; }
    bboConfigEntry* getBBOEntry() { return &bboEntry; }
    const bboConfigEntry* getBBOEntry() const { return &bboEntry; }
    std::uint16_t getBBOEntryWord() const {
        return static_cast<std::uint16_t>(bboEntry.blockAddress & 0xFFFF);
    }

private:
    fixedText<MODEL_REPLY_LENGTH> modelNumber;
    bool recognised = false;
    Uuid uuid{};
    fixedText<SERIAL_LENGTH> serialNumber;
    std::uint8_t readStatus = 0;
    ICVersion icVersion{};
    std::uint8_t regionalID = 0;
    int bboConfigState = 0;
    int bboEntryCount = 0;
    bool bboSupported = false;
    bboConfigEntry bboEntry;
    std::vector<bboLabel> bboLabels;
    std::array<std::array<std::int32_t, COLUMNS>, ROWS> softpots{};
    std::array<bool, LAST_SUPPORT_FLAG + 1> supported{};
};
