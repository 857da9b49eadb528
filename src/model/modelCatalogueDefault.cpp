// Built-in copy of src/resources/models.catalogue, used when the file beside
// the program is missing or unusable. Keep the two identical (a test checks).
#include "model/modelCatalogue.h"

std::string_view modelCatalogue::builtInText() {
    static constexpr std::string_view text = R"catalogue(
# Veltra model catalogue
#
# The model numbers, prefixes and letters by which Veltra recognises a radio
# model and decides which tuning procedures, points and limits apply. Veltra
# reads this file from its program directory at start; when the file is
# missing or cannot be read it uses a built-in copy of the catalogue it was
# shipped with. A service shop may replace the file with its own.
#
# Format: one entry per line, "key = value value ...". Blank lines and lines
# starting with '#' are ignored. Values are separated by blanks. Keys that take
# several values may be split over several lines with the same key; the
# values are collected in order. Every key below is required.
#
#   prefixes       9 three-character model prefixes that locate the model
#                  number inside the radio's 16-character model reply: six of
#                  one letter and two digits sharing their letter (the
#                  portable letter), two of a second letter and two digits,
#                  one of three letters.
#   pattern.A .. pattern.K
#                  A, B, C, D, I, K: letter, two digits, letter.
#                  E, F, J: letter, two digits.  H: seven characters.
#                  A, C, E, H, J begin with the portable letter; B, D, F, I, K
#                  with the second letter. A and C share their two digits.
#   replacement    2 letters: patterns P and Q are pattern A, R and S are
#                  pattern B, with the fourth character replaced by the first
#                  or the second of these letters.
#   letter.G       model character 4 of group G (group E radios).
#   letters.O7     2 letters: model character 7 of group O.
#   letters.O8     3 letters: model character 8 of group O.
#   letter.TU      model character 8 of groups T and U.
#   list.L, list.M, list.N, list.V
#                  8 complete 10-character model numbers each.
#   spacing.uuid   6 radio UUIDs (32 hexadecimal digits) whose channel spacing
#                  is taken from the model number instead of the radio.
#   pa.bias.band   2 letters: model character 3 of the radios whose PA bias
#                  high-power screen works at 500 MHz (200 MHz otherwise).
#   primary.system 7 letters: model character 8 for Conventional, Tessaly,
#                  MPT, Tone Signalling, Passport, LTR and 5T Prime.
#
# Character positions count from 0 in the 10-character model number.

prefixes = T21 T23 T25 T27 T31 T35 V42 V48 AAV

pattern.A = T21P
pattern.B = V46E
pattern.C = T21S
pattern.D = V46F
pattern.E = T23
pattern.F = V42
pattern.H = T27QZ05
pattern.I = V42R
pattern.J = T35
pattern.K = V42K

replacement = X Y

letter.G = K
letters.O7 = D K
letters.O8 = C M T
letter.TU = M

list.L = T25U1AK3C1 T25U1AK3C2 T25U1AK3M1 T25U1AK3M2
list.L = T25R1AK3C1 T25R1AK3C2 T25R1AK3M1 T25R1AK3M2
list.M = V42K7R3AM6 V42K7R3AC6 V42K5R3AM6 V42K5R3AC6
list.M = V48S7R3AM6 V48S7R3AC6 V48S5R3AM6 V48S5R3AC6
list.N = T35N2B4BC1 T35N2B4BC2 T35N2B4BT1 T35N2B4BT2
list.N = T31N2B4BC1 T31N2B4BC2 T31N2B4BT1 T31N2B4BT2
list.V = T31S6E2GM1 T31S6E2GM2 T31U6E2GM1 T31U6E2GM2
list.V = V48R6E2GM1 V48R6E2GM2 V48S6E2GM1 V48S6E2GM2

spacing.uuid = 5A3F0C11D2E84B7A9C1E00000000A101
spacing.uuid = 5A3F0C11D2E84B7A9C1E00000000A102
spacing.uuid = 5A3F0C11D2E84B7A9C1E00000000A103
spacing.uuid = 5A3F0C11D2E84B7A9C1E00000000A104
spacing.uuid = 5A3F0C11D2E84B7A9C1E00000000A105
spacing.uuid = 5A3F0C11D2E84B7A9C1E00000000A106

pa.bias.band = R S
primary.system = C T M S P L F
)catalogue";
    // The raw string begins with the line break after its opening delimiter.
    return text.substr(1);
}
