#pragma once
// The main window's decisions that need no toolkit: how a new main window sets up its page, and
// what it shows first (the page the last tool window asked for, a command it left behind, or the
// main page). The window only carries them out.

#include "app/CommandContext.h"
#include "platform/Cp1252.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// The characters the gap edits offer for French.
inline constexpr std::string_view kSpecialCharacters = "â;ê;î;ï;ô;û;ç;œ;-;Â;Ê;Î;Ô;Œ;Û;Ç"_cp;

// The private window message through which a pending command runs after the window has appeared.
inline constexpr int kPendingCommandMessage = 0x42A;

enum class WindowPlacement { SystemDefault, Centred };

// A screen exactly 800 pixels wide leaves the place to the system; any other centres the window.
WindowPlacement MainWindowPlacement(int screenWidth);

// A new main window: the special characters, the conditions "f", "cdrom" (wave folder known) and
// "login" (somebody logged in) on its page, no verb shown, no style running, the screen saver free.
void SetUpMainPage(CommandContext& context);

// The page folder: page root + "hqor\".
std::string MainPageFolder(const AppSettings& settings);
std::string MainPageMissingMessage();

enum class ShowAction {
    Close,             // the learner cancelled the search for the main page
    RunPendingCommand, // post kPendingCommandMessage; its handler calls RunPendingCommand
    LoadPage,          // set `XFile` to the plan's page
};

struct ShowPlan {
    ShowAction action = ShowAction::LoadPage;
    std::string page;                 // LoadPage: the full path of the page
    std::optional<Colour> background; // RunPendingCommand: the page's background colour (`ColorBGR`)
};

// While the main page is missing, asks to insert the medium (Retry/Cancel), processing pending
// messages after each answer. Then: a pending command runs (on the backdrop's colour when the
// backdrop is visible), else the return page is loaded and forgotten, else the main page.
ShowPlan PlanShowing(CommandContext& context, std::optional<Colour> visibleBackdropColour);

// The handler of kPendingCommandMessage: the page folder is set and the pending command, taken
// out of the state first so that it runs once only, goes to PageCommand.
void RunPendingCommand(CommandContext& context);

} // namespace qor
