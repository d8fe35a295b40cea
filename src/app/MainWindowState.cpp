#include "app/MainWindowState.h"

namespace qor {

bool MainWindowState::Running(PresentationStyle style) const {
    switch (style) {
    case PresentationStyle::Techno:
        return technoRunning;
    case PresentationStyle::Seventies:
        return seventiesRunning;
    case PresentationStyle::Bingo:
        return bingoRunning;
    }
    return false;
}

void MainWindowState::SetRunning(PresentationStyle style, bool running) {
    switch (style) {
    case PresentationStyle::Techno:
        technoRunning = running;
        break;
    case PresentationStyle::Seventies:
        seventiesRunning = running;
        break;
    case PresentationStyle::Bingo:
        bingoRunning = running;
        break;
    }
}

MainWindowState& MainState() {
    static MainWindowState state;
    return state;
}

void ResetMainState() {
    MainState() = MainWindowState{};
}

void BeginNewMainWindow(MainWindowState& state) {
    state.currentVerb = 0;
    state.technoRunning = false;
    state.seventiesRunning = false;
    state.bingoRunning = false;
    state.screenSaverBlocked = false;
}

bool SwallowsSystemCommand(const MainWindowState& state, int systemCommand) {
    return state.screenSaverBlocked && (systemCommand & 0xFFF0) == kScreenSaveCommand;
}

} // namespace qor
