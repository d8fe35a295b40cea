#pragma once
// Everything the main window's page commands, special codes and picture codes work with. The main
// window fills it once; tests fill it with fakes.

#include "app/AppSettings.h"
#include "app/CommandPage.h"
#include "app/CommandServices.h"
#include "app/MainWindowState.h"
#include "platform/RegistryStore.h"

#include <functional>

namespace qor {

struct CommandContext {
    CommandPage* page = nullptr;           // the main window's page control; page commands need it
    CommandServices services;              // all of them; a missing one is refused
    MainWindowState* state = nullptr;      // nullptr: MainState()
    AppSettings* settings = nullptr;       // nullptr: Settings()
    RegistryStore* registry = nullptr;     // where folder settings go; nullptr: the local-machine hive
    std::function<void()> processMessages; // the front end's processing of pending events
    std::function<double()> timeOfDay;     // now as a fraction of a day; empty: the local clock
};

// The local time of day as a fraction of a day (0.5 is noon).
double LocalTimeOfDay();

} // namespace qor
