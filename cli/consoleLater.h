// A presenter that holds the notes of a command back until the caller has
// printed its own result, so that the outcome message comes last. Questions
// and errors are not held.
#pragma once

#include "operations/UserMessage.h"

#include <vector>

class deferredPresenter : public MessagePresenter {
public:
    explicit deferredPresenter(MessagePresenter& target) : target(target) {}
    void show(const UserMessage& message) override { held.push_back(message); }
    MessageAnswer ask(const UserMessage& message, MessageButtons buttons) override {
        return target.ask(message, buttons);
    }
    void release() {
        for (const auto& m : held)
            target.show(m);
        held.clear();
    }

private:
    MessagePresenter& target;
    std::vector<UserMessage> held;
};
