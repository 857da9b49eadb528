// Helpers shared by the archive tests: a scripted message presenter, sample
// images, and a scratch directory that cleans up after itself.
#pragma once

#include "model/radioStorage.h"
#include "operations/UserMessage.h"

#include <filesystem>
#include <string>
#include <vector>

namespace archivetest {

class recordingPresenter : public MessagePresenter {
public:
    MessageAnswer answer = MessageAnswer::Ok;
    std::vector<UserMessage> shown;
    std::vector<UserMessage> asked;

    void show(const UserMessage& message) override { shown.push_back(message); }
    MessageAnswer ask(const UserMessage& message, MessageButtons) override {
        asked.push_back(message);
        return answer;
    }
    std::string lastText() const { return shown.empty() ? std::string() : shown.back().text; }
};

// A radio image as a complete read leaves it: identity, points, a value in
// every cell the archive carries (distinct per cell, none of them 4095),
// every procedure supported.
radioStorage sampleImage(int seed = 1);

// Every cell of the table, every flag, the texts and the read status.
bool sameImage(const radioStorage& a, const radioStorage& b);

class scratchDirectory {
public:
    scratchDirectory();
    ~scratchDirectory();
    scratchDirectory(const scratchDirectory&) = delete;
    scratchDirectory& operator=(const scratchDirectory&) = delete;
    const std::filesystem::path& path() const { return dir; }
    std::filesystem::path operator/(const std::string& name) const { return dir / name; }

private:
    std::filesystem::path dir;
};

std::string readWhole(const std::filesystem::path& path);
void writeWhole(const std::filesystem::path& path, const std::string& data);

} // namespace archivetest
