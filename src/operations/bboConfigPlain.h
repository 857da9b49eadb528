// bbo.cfg in a form a service shop can read and edit (docs/bbo-cfg.md):
//
//   key 1000
//   version 0
//   entry 1 code="T21" letter="C" check=0x0002 min=10 max=29 block=0x0400
//     label offset=0 mask=15 text="CSQ Offset"
//
// The entry and label counts follow from the lines. '#' starts a comment
// outside quotes. Texts are quoted, with \" \\ and \xNN escapes.
#pragma once

#include "operations/bboConfigReader.h"

#include <string>
#include <string_view>

namespace bboConfig {

constexpr int DEFAULT_KEY = 1000;

// Label texts lose their trailing blanks (encoding pads them again).
std::string toPlain(const file& f);

// Fails with "line N: ..." on anything it does not understand; a text longer
// than its field is refused rather than cut.
bool fromPlain(std::string_view text, file& out, std::string& error);

} // namespace bboConfig
