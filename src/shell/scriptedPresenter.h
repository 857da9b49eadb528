// Scripted answers for the shell's message, file and dialog interfaces, for
// tests of the shell and of the screens: every message is recorded, questions
// take their answers from a queue (OK when it is empty), file dialogs take
// paths from a queue (cancel when empty) and modal dialogs are handed to a
// function that works their controls.
#pragma once

#include "shell/shellServices.h"

#include <deque>
#include <functional>
#include <vector>

class scriptedPresenter final : public MessagePresenter, public fileDialogPresenter, public dialogRunner {
public:
    struct record {
        UserMessage message;
        bool question = false;
    };

    void show(const UserMessage& message) override {
        shown.push_back({message, false});
        if (onMessage)
            onMessage(message);
    }
    MessageAnswer ask(const UserMessage& message, MessageButtons) override {
        shown.push_back({message, true});
        if (onMessage)
            onMessage(message);
        if (answers.empty())
            return MessageAnswer::Ok;
        const auto a = answers.front();
        answers.pop_front();
        return a;
    }

    std::optional<std::string> openFileName(const fileDialogRequest& r) override { return nextFile(r); }
    std::optional<std::string> saveFileName(const fileDialogRequest& r) override { return nextFile(r); }

    int run(QDialog& dialog) override {
        dialogsRun.push_back(&dialog);
        return onDialog ? onDialog(dialog) : 0;
    }

    shellServices services() { return {*this, *this, *this}; }

    // The texts shown so far, in order.
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& r : shown)
            t.push_back(r.message.text);
        return t;
    }

    std::vector<record> shown;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::string>> files;
    std::vector<fileDialogRequest> fileRequests;
    std::function<int(QDialog&)> onDialog;
    // Called with every message as it is shown (to look at the window then).
    std::function<void(const UserMessage&)> onMessage;
    std::vector<QDialog*> dialogsRun; // valid only while the dialog lives

private:
    std::optional<std::string> nextFile(const fileDialogRequest& r) {
        fileRequests.push_back(r);
        if (files.empty())
            return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};
