#pragma once
// What the main window knows beyond its own lifetime: tool windows destroy it and create a new one
// when they close, handing over a page to show or a command to run, and the choices the learner
// made on the pages (area, direction, presentation style) must outlive that hand-over.

#include <string>
#include <string_view>

namespace qor {

// The three full-window presentations that run on the main page's canvas.
enum class PresentationStyle { Techno, Seventies, Bingo };

// QueryStyle values named on the pages ("sm" + N sets any other number).
inline constexpr int kClassicStyle = 0;      // "klassisch"
inline constexpr int kTwistedStyle = 1;      // "abgedreht"
inline constexpr int kPlainQueryStyle = 100; // "abfrage"

// The window the superlearning presentation re-creates when it ends.
inline constexpr std::string_view kReturnToMain = "Main";
inline constexpr std::string_view kReturnToQuerySettings = "Opts";
inline constexpr std::string_view kReturnToEditor = "Editor";

// The system command that starts the screen saver (the low four bits are the system's own).
inline constexpr int kScreenSaveCommand = 0xF140;

struct MainWindowState {
    std::string returnPage;     // relative to hqor\; loaded first by a new main window, then cleared
    std::string pendingCommand; // run once a new main window is shown, then cleared
    int queryStyle = kClassicStyle;
    std::string vocabularyArea; // e.g. "Grundwortschatz\"; empty: all areas
    int queryDirection = 0;     // 0..3, from "s1".."s4"
    std::string returnWindow;   // "Main", "Opts" or "Editor"
    int currentVerb = 0;        // last shown with "showverb"
    bool screenSaverBlocked = false;
    // Each is true from the moment the presentation is created until it is freed; the page can
    // send "stop" while it runs, because the run keeps processing messages.
    bool technoRunning = false;
    bool seventiesRunning = false;
    bool bingoRunning = false;

    bool Running(PresentationStyle style) const;
    bool AnyRunning() const { return technoRunning || seventiesRunning || bingoRunning; }
    void SetRunning(PresentationStyle style, bool running);
};

// The process-wide instance.
MainWindowState& MainState();
// Back to a fresh state (the main block before the first main window, and tests).
void ResetMainState();

// A newly created main window: no verb shown, no style running, the screen saver allowed.
void BeginNewMainWindow(MainWindowState& state);

// Whether the main window answers a system command itself: the screen-saver request, while a
// full-screen presentation blocks it. Everything else goes to the default handling.
bool SwallowsSystemCommand(const MainWindowState& state, int systemCommand);

} // namespace qor
