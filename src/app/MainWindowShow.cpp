#include "app/MainWindowShow.h"

#include "app/PageCommand.h"
#include "app/PageCommandRun.h"
#include "platform/AppMessage.h"
#include "platform/WinPath.h"

#include <stdexcept>

namespace qor {

namespace {

constexpr std::string_view kMainPage = "main.htx";

} // namespace

WindowPlacement MainWindowPlacement(int screenWidth) {
    return screenWidth == 800 ? WindowPlacement::SystemDefault : WindowPlacement::Centred;
}

void SetUpMainPage(CommandContext& context) {
    if (!context.page)
        throw std::invalid_argument("SetUpMainPage needs the main window's page");
    CommandRun run = ResolveCommandRun(context);
    CommandPage& page = *context.page;
    page.SetSpecialCharacters(kSpecialCharacters);
    page.SetCondition("f");
    if (!run.settings.waveFolder.empty())
        page.SetCondition("cdrom");
    if (run.services.users->IsLoggedIn())
        page.SetCondition("login");
    BeginNewMainWindow(run.state);
}

std::string MainPageFolder(const AppSettings& settings) {
    return WithTrailingSeparator(settings.pageRoot) + "hqor" + kPathSeparator;
}

std::string MainPageMissingMessage() {
    return std::string("Eine Datei konnte nicht gefunden werden!\n"
                       "Bitte überprüfen Sie, ob die CD-ROM eingelegt ist!"_cp);
}

ShowPlan PlanShowing(CommandContext& context, std::optional<Colour> visibleBackdropColour) {
    CommandRun run = ResolveCommandRun(context);
    ShowPlan plan;
    // The page root is re-read each time: the learner may have inserted the medium meanwhile.
    while (!FileExists(MainPageFolder(run.settings) + std::string(kMainPage))) {
        int answer = ShowAppMessage(MainPageMissingMessage(), kMbIconError | kMbRetryCancel);
        run.ProcessMessages();
        if (answer == kIdCancel) {
            plan.action = ShowAction::Close;
            return plan;
        }
    }
    if (!run.state.pendingCommand.empty()) {
        plan.action = ShowAction::RunPendingCommand;
        plan.background = visibleBackdropColour;
        return plan;
    }
    plan.action = ShowAction::LoadPage;
    if (!run.state.returnPage.empty()) {
        plan.page = MainPageFolder(run.settings) + run.state.returnPage;
        run.state.returnPage.clear();
    } else {
        plan.page = MainPageFolder(run.settings) + std::string(kMainPage);
    }
    return plan;
}

void RunPendingCommand(CommandContext& context) {
    if (!context.page)
        throw std::invalid_argument("RunPendingCommand needs the main window's page");
    CommandRun run = ResolveCommandRun(context);
    context.page->SetPageFolder(MainPageFolder(run.settings));
    std::string command = std::move(run.state.pendingCommand);
    run.state.pendingCommand.clear();
    PageCommand(context, command);
}

} // namespace qor
