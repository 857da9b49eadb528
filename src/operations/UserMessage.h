// Every message, question and progress report a command produces goes through
// these small interfaces, so that the window application, the command-line
// tool and the tests show (or script) the same words.
#pragma once

#include <string>

enum class MessageIcon { Information, Exclamation, Question, None };

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

enum class MessageAnswer { Ok, Cancel, Yes, No };

struct UserMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // A modal note: returns once the user has seen it.
    virtual void show(const UserMessage& message) = 0;
    // A modal question.
    virtual MessageAnswer ask(const UserMessage& message, MessageButtons buttons) = 0;
};

// The progress window of the long radio sequences: a text line such as
// "5% Complete" and a gauge from 0 to 100.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setProgress(int percent, const std::string& text) = 0;
    // Moves the gauge without changing the text line.
    virtual void setGauge(int percent) = 0;
};

// For callers that do not show progress.
class NoProgress final : public ProgressSink {
public:
    void setProgress(int, const std::string&) override {}
    void setGauge(int) override {}
};
