// The flag-recording exchanges note in the radio image whether the radio
// supports a request. The link sees the image only through this interface so
// that it does not depend on the data model.
#pragma once

class SupportRecorder {
public:
    virtual ~SupportRecorder() = default;
    virtual void setSupported(int flag) = 0;
    virtual void clearSupported(int flag) = 0;
};
