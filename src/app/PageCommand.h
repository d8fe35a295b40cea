#pragma once
// The main window's dispatcher: pages send command strings (links, buttons, answers), and each
// item of a string is routed to the training subsystems, the tool windows and the settings.

#include "app/CommandContext.h"

#include <string>
#include <string_view>

namespace qor {

// The program's home page, opened by the command "www".
inline constexpr std::string_view kHomePageAddress = "https://qor-franzoesisch.invalid/";

inline constexpr std::string_view kLibraryFilter = "Vokabel-Bibliotheken (*.asc)|*.asc";
inline constexpr std::string_view kUnnamedLibrary = "OhneNamen.asc";

// Lower-cases `text`, splits it at "," and dispatches each item in turn. Items that are empty or
// begin with "#" are skipped, unknown items ignored. Nothing happens before the verb trainer
// exists. A Cancel to the save question of "go" and a number that cannot be read end the loop
// (the latter with an error message). Throws std::invalid_argument when the context has no page.
void PageCommand(CommandContext& context, std::string_view text);

// "stop": the running techno style, else the seventies style, else the game.
void StopRunningStyle(CommandContext& context);
// Input on the page while a presentation runs: space and a click advance the game, Escape stops
// any presentation, and a click ends the other presentations as it ends the fades. True when a
// presentation took the key or click.
bool PresentationKey(CommandContext& context, int key);
bool PresentationPageClick(CommandContext& context);
// A click on the window outside the page stops the techno style; its errors are ignored.
void PresentationWindowClick(CommandContext& context);

inline constexpr int kSpaceKey = 32;
inline constexpr int kEscapeKey = 27;

// The question before "go" replaces a library with unsaved changes.
std::string LibrarySaveQuestion();
// The page the techno style shows while it prepares its pictures; a click on it sends "stop".
std::string TechnoLoadingMarkup();
std::string NoTechnoPicturesMessage();

} // namespace qor
