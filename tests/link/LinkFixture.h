// A port on a scripted radio with shortened settle pauses, and an
// EnhancedSBEP bound to it.
#pragma once

#include "ScriptedRadio.h"

#include "link/EnhancedSBEP.h"
#include "link/LinkErrors.h"
#include "link/LinkTiming.h"
#include "link/Win32CommunicationPort.h"

#include <gtest/gtest.h>

namespace linktest {

class LinkFixture : public testing::Test {
protected:
    static constexpr int COM = 9;

    LinkFixture() { sbep.setPort(&port); }

    ScopedLinkTiming timing{LinkTiming{30ms, 40ms}};
    ScriptedRadio radio{COM};
    Win32CommunicationPort port{COM, 9600, 0, 8, 0, 0};
    EnhancedSBEP sbep;
    FakeRecorder recorder;
};

// The code of what `operation` raised: 0 for nothing, the class code for a
// link error, -1 for "comm error".
template <class Operation> long long outcome(Operation&& operation) {
    try {
        operation();
        return 0;
    } catch (const CommError&) {
        return -1;
    } catch (const Exception& error) {
        return error.code();
    }
}

} // namespace linktest
