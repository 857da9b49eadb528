// Context help: which help context belongs to the open screen, and the topic
// each context names. The help file of the tool lies outside the program; the
// help viewer shows the topic named here.
#pragma once

#include <optional>
#include <string>

constexpr int HELP_CONTENTS = 0;
constexpr int HELP_ON_HELP = -1;
constexpr const char* HELP_FILE_NAME = "Veltra.hlp";

// The help context of screen number n (openScreenId), if it has one.
std::optional<int> helpContextForScreen(int screen);

struct helpTopic {
    std::string title;
    std::string text;
};

// The topic of a help context: the contents, help on help, a screen context
// (40001 and up) or a command number (F1 on a highlighted menu item).
helpTopic helpTopicFor(int context);
