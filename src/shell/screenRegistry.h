// How the main window opens the tuning and utility screens: one entry per
// command number. The entries live in screenEntries.cpp, one line each; the
// shell runs the screen-opening steps around them (the one-screen rule, the
// MDI child with the row's caption, the tuningAllowed check, the destroy of
// a screen that refused to open).
//
// A screen is given its parent, a ScreenContext (the radio image, the
// application state whose openScreenId it sets when it opens and clears when
// it closes, the radioOperations object and the message presenter) and its
// command row (screen number, title and caption). A screen that needs the
// Read Radio command (the serial number mismatch prompt) calls
// TVeltraMDIClient::readRadioFrom(this).
#pragma once

#include "screens/ScreenContext.h"
#include "shell/commandTable.h"

#include <functional>
#include <map>

class QWidget;
class TVeltraMDIClient;

struct screenRequest {
    QWidget* parent;
    ScreenContext context;
    const commandRow& row;
};

// Builds the screen window; the constructor runs the screen's opening
// sequence and stores its number in context.state.openScreenId (or leaves 0
// when it refuses to open).
using screenFactory = std::function<QWidget*(const screenRequest&)>;

// A command with steps of its own (the PA bias screening questions): it runs
// them and opens its windows through TVeltraMDIClient::openScreenWindow.
using commandOpener = std::function<void(TVeltraMDIClient& client, const commandRow& row)>;

class screenRegistry {
public:
    void add(int commandId, screenFactory factory) { factories[commandId] = std::move(factory); }
    void addOpener(int commandId, commandOpener opener) { openers[commandId] = std::move(opener); }

    const screenFactory* factory(int commandId) const {
        const auto it = factories.find(commandId);
        return it == factories.end() ? nullptr : &it->second;
    }
    const commandOpener* opener(int commandId) const {
        const auto it = openers.find(commandId);
        return it == openers.end() ? nullptr : &it->second;
    }
    bool has(int commandId) const { return factory(commandId) || opener(commandId); }

private:
    std::map<int, screenFactory> factories;
    std::map<int, commandOpener> openers;
};

// The entries of the application (screenEntries.cpp).
void registerScreens(screenRegistry& registry);

// Helper for the entries: a screen class with the constructor
// (QWidget* parent, const ScreenContext&, const commandRow&).
template <typename Screen> screenFactory makeScreen() {
    return [](const screenRequest& r) -> QWidget* { return new Screen(r.parent, r.context, r.row); };
}
