#include "app/PageCommand.h"

#include "app/CommandNumber.h"
#include "app/PageCommandRun.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"

#include <stdexcept>

namespace qor {

namespace {

constexpr CommandFlow kNext = CommandFlow::Continue;

// How an item is compared with a command word.
enum class Match {
    Exact,     // the item is the word
    Prefix,    // the item begins with the word and is longer
    Leading,   // the item's first characters are the word (the word alone counts too)
    LabResult, // the item begins with "lab" and ends with "+"
};

using CommandHandler = CommandFlow (*)(CommandRun& run, std::string_view item);

struct CommandRow {
    std::string_view word;
    Match match;
    CommandHandler handler;
};

bool Matches(const CommandRow& row, std::string_view item) {
    switch (row.match) {
    case Match::Exact:
        return item == row.word;
    case Match::Prefix:
        return item.size() > row.word.size() && item.starts_with(row.word);
    case Match::Leading:
        return item.starts_with(row.word);
    case Match::LabResult:
        return item.starts_with(row.word) && item.back() == '+';
    }
    return false;
}

// The text of an item from its (1-based) character `first` on, at most `count` characters.
std::string_view CharactersFrom(std::string_view item, std::size_t first,
                                std::size_t count = std::string_view::npos) {
    return first - 1 < item.size() ? item.substr(first - 1, count) : std::string_view();
}

CommandPage& Page(CommandRun& run) {
    return *run.page;
}

CommandFlow ShowLabResult(CommandRun& run, std::string_view result) {
    Page(run).SetMacro("LabErgebnis", result);
    Page(run).LoadPage("laborergebnis.htx");
    return kNext;
}

CommandFlow SetArea(CommandRun& run, std::string_view area) {
    run.state.vocabularyArea = std::string(area);
    return kNext;
}

CommandFlow SetStyle(CommandRun& run, int style) {
    run.state.queryStyle = style;
    run.state.returnWindow = std::string(kReturnToMain);
    return kNext;
}

CommandFlow SetDirection(CommandRun& run, int direction) {
    run.state.queryDirection = direction;
    return kNext;
}

// After the log-in changed: the pages show what a logged-in user may do.
CommandFlow Refresh(CommandRun& run) {
    SetConditionTo(Page(run), "login", run.services.users->IsLoggedIn());
    Page(run).Reload();
    return kNext;
}

CommandFlow OpenVerbSettings(CommandRun& run) {
    run.services.toolWindows->OpenVerbSettings();
    return kNext;
}

CommandFlow OpenInBrowser(CommandRun& run, std::string_view url) {
    run.services.browser->Open(url);
    return kNext;
}

// The page commands, tested in this order; the first row that matches takes the item.
const CommandRow kCommandTable[] = {
    {"+deutsch", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->ShowGerman(Switch::On);
         return kNext;
     }},
    {"-deutsch", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->ShowGerman(Switch::Off);
         return kNext;
     }},
    {"+diktat", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->Dictation(Switch::On);
         return kNext;
     }},
    {"-diktat", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->Dictation(Switch::Off);
         return kNext;
     }},
    {"+autoread", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->AutoRead(Switch::On);
         return kNext;
     }},
    {"-autoread", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->AutoRead(Switch::Off);
         return kNext;
     }},
    {"lab", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->SetSentenceMacros();
         return kNext;
     }},
    {"lab", Match::LabResult,
     [](CommandRun& run, std::string_view) { return ShowLabResult(run, "Sehr schön!"_cp); }},
    {"lab-", Match::Exact,
     [](CommandRun& run, std::string_view) { return ShowLabResult(run, "Leider daneben!"); }},
    {"labnext", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->DrawNextSentence();
         Page(run).LoadPage("labor.htx");
         return kNext;
     }},
    {"lablist", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.lab->ShowThemeList();
         return kNext;
     }},
    // The theme number is the two characters after "thema".
    {"thema", Match::Leading,
     [](CommandRun& run, std::string_view item) {
         run.services.lab->SelectTheme(ReadCommandNumber(CharactersFrom(item, 6, 2)));
         Page(run).LoadPage("labor.htx");
         return kNext;
     }},
    {"stop", Match::Exact,
     [](CommandRun& run, std::string_view) {
         StopRunningStyle(run);
         return kNext;
     }},
    {"editor", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dictionary->CloseWindowIfVisible();
         run.state.returnPage.clear();
         run.services.toolWindows->OpenEditor();
         return kNext;
     }},
    {"vocein", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.state.returnPage.clear();
         run.services.toolWindows->OpenQuerySettings();
         return kNext;
     }},
    {"wb", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dictionary->ShowWindow();
         return kNext;
     }},
    {"recsetup", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dialogs->RecordingSettings();
         return kNext;
     }},
    {"wavebase", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dialogs->RecordingsManagement();
         return kNext;
     }},
    {"suchen", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dictionary->SearchFromPage();
         return kNext;
     }},
    {"sr", Match::Prefix,
     [](CommandRun& run, std::string_view item) {
         run.services.dictionary->ShowResultPage(ReadCommandNumber(CharactersFrom(item, 3)));
         return kNext;
     }},
    {"verblist", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->ShowVerbList();
         return kNext;
     }},
    {"showverb", Match::Prefix,
     [](CommandRun& run, std::string_view item) {
         run.state.currentVerb = ReadCommandNumber(CharactersFrom(item, 9));
         run.services.verbs->ShowConjugationTable(run.state.currentVerb);
         return kNext;
     }},
    {"simple", Match::Exact, [](CommandRun&, std::string_view) { return kNext; }},
    {"vtafel", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->ShowConjugationTable(run.state.currentVerb);
         return kNext;
     }},
    {"verbmanuell", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.state.returnPage = "verben.htx";
         return OpenVerbSettings(run);
     }},
    // Without verbs or tenses the trainer has already said which is missing.
    {"verb", Match::Exact,
     [](CommandRun& run, std::string_view) {
         if (!run.services.verbs->HasVerbsAndTensesSelected())
             return OpenVerbSettings(run);
         run.services.verbs->StartSeries();
         return kNext;
     }},
    {"vocaus", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.query->StopWithEvaluation();
         return kNext;
     }},
    {"verbweiter", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->NextQuestion();
         return kNext;
     }},
    {"verb", Match::Prefix,
     [](CommandRun& run, std::string_view item) {
         run.services.verbs->JudgeAnswer(CharactersFrom(item, 5));
         return kNext;
     }},
    {"vokabelweiter", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.query->ContinueAfterAnswer();
         return kNext;
     }},
    {"vcontinue", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.query->ContinueAfterEvaluation();
         return kNext;
     }},
    {"vokabel", Match::Prefix,
     [](CommandRun& run, std::string_view item) {
         run.services.query->Answer(CharactersFrom(item, 8));
         return kNext;
     }},
    {"vt0", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->LoadStoredSelection();
         return kNext;
     }},
    {"vt1", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->SetSelection(
             "+++--+------------------------------------------------++-----------+---", "+---------------");
         return kNext;
     }},
    {"vt2", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->SetSelection(
             "+++--+-----+-+-+----------+-+---+-------+-+----------+++--+--------+--+", "+--+----+-------");
         return kNext;
     }},
    {"vt3", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->SetSelection(
             "+++-+++-+-++++-+---+--+--++-+-+-+--+-+-++++--+-+---+-++++++-----+--++-+", "+++++-+++-----+-");
         return kNext;
     }},
    {"vt4", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.verbs->SelectAll();
         return kNext;
     }},
    {"s1", Match::Exact, [](CommandRun& run, std::string_view) { return SetDirection(run, 0); }},
    {"s2", Match::Exact, [](CommandRun& run, std::string_view) { return SetDirection(run, 1); }},
    {"s3", Match::Exact, [](CommandRun& run, std::string_view) { return SetDirection(run, 2); }},
    {"s4", Match::Exact, [](CommandRun& run, std::string_view) { return SetDirection(run, 3); }},
    {"gws", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetArea(run, "Grundwortschatz\\"); }},
    {"aws", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetArea(run, "Aufbauwortschatz\\"); }},
    {"reise", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetArea(run, "Reisevokabular\\"); }},
    {"oberstufe", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetArea(run, "Oberstufenwortschatz\\"); }},
    {"recht", Match::Exact, [](CommandRun& run, std::string_view) { return SetArea(run, "Recht\\"); }},
    {"wirtschaft", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetArea(run, "Wirtschaft\\"); }},
    {"pool", Match::Exact, [](CommandRun& run, std::string_view) { return SetArea(run, "Pool\\"); }},
    {"bereich_egal", Match::Exact, [](CommandRun& run, std::string_view) { return SetArea(run, ""); }},
    {"sm", Match::Leading,
     [](CommandRun& run, std::string_view item) {
         return SetStyle(run, ReadCommandNumber(CharactersFrom(item, 3)));
     }},
    {"klassisch", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetStyle(run, kClassicStyle); }},
    {"abgedreht", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetStyle(run, kTwistedStyle); }},
    {"abfrage", Match::Exact,
     [](CommandRun& run, std::string_view) { return SetStyle(run, kPlainQueryStyle); }},
    {"go", Match::Exact, [](CommandRun& run, std::string_view) { return StartVocabularyTraining(run); }},
    {"vegas", Match::Exact,
     [](CommandRun& run, std::string_view) {
         RunBingo(run);
         return kNext;
     }},
    {"vabfrage", Match::Exact,
     [](CommandRun& run, std::string_view) {
         StartPlainQuery(run);
         return kNext;
     }},
    {"super", Match::Exact,
     [](CommandRun& run, std::string_view) {
         StartPresentationStyle(run);
         return kNext;
     }},
    {"superopts", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.options->EnsureCreated();
         run.services.dialogs->SuperlearningSettings();
         return kNext;
     }},
    {"www", Match::Exact,
     [](CommandRun& run, std::string_view) { return OpenInBrowser(run, kHomePageAddress); }},
    {"www.", Match::Leading,
     [](CommandRun& run, std::string_view item) {
         return OpenInBrowser(run, "http://" + std::string(item));
     }},
    {"http://", Match::Leading,
     [](CommandRun& run, std::string_view item) { return OpenInBrowser(run, item); }},
    {"seekcd", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.driveSearch->Search();
         SetConditionTo(Page(run), "cdrom", !run.settings.waveFolder.empty());
         Page(run).Reload();
         return kNext;
     }},
    {"paths", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dialogs->DataPaths();
         return kNext;
     }},
    {"chpw", Match::Exact,
     [](CommandRun& run, std::string_view) {
         if (run.services.users->IsLoggedIn())
             run.services.dialogs->ChangePassword();
         return kNext;
     }},
    {"stats", Match::Exact,
     [](CommandRun& run, std::string_view) {
         if (run.services.users->IsLoggedIn())
             run.services.dialogs->Statistics();
         return kNext;
     }},
    {"login", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dialogs->LogIn();
         return Refresh(run);
     }},
    {"newusr", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dialogs->NewUser();
         return Refresh(run);
     }},
    {"chusr", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.dialogs->ChangeUser();
         return Refresh(run);
     }},
    {"end", Match::Exact,
     [](CommandRun& run, std::string_view) {
         run.services.programEnd->Beenden();
         return kNext;
     }},
};

CommandFlow Dispatch(CommandRun& run, std::string_view item) {
    for (const CommandRow& row : kCommandTable)
        if (Matches(row, item))
            return row.handler(run, item);
    return kNext;
}

} // namespace

void PageCommand(CommandContext& context, std::string_view text) {
    if (!context.page)
        throw std::invalid_argument("PageCommand needs the main window's page");
    CommandRun run = ResolveCommandRun(context);
    run.ProcessMessages();
    const std::string lowered = LowerCp1252(text);
    if (!run.services.verbs->Exists())
        return;
    std::string_view rest = lowered;
    for (bool more = true; more;) {
        std::size_t comma = rest.find(',');
        std::string_view item = rest.substr(0, comma);
        more = comma != std::string_view::npos;
        if (more)
            rest.remove_prefix(comma + 1);
        if (item.empty() || item.front() == '#')
            continue;
        try {
            if (Dispatch(run, item) == CommandFlow::EndLoop)
                return;
        } catch (const CommandNumberError& error) {
            ShowAppMessage(error.what(), kMbIconError);
            return;
        }
    }
}

void StopRunningStyle(CommandContext& context) {
    CommandRun run = ResolveCommandRun(context);
    StopRunningStyle(run);
}

bool PresentationKey(CommandContext& context, int key) {
    CommandRun run = ResolveCommandRun(context);
    if (run.state.Running(PresentationStyle::Bingo) && key == kSpaceKey) {
        run.services.styles->Advance(PresentationStyle::Bingo);
        return true;
    }
    if (key == kEscapeKey && run.state.AnyRunning()) {
        StopRunningStyle(run);
        return true;
    }
    return false;
}

bool PresentationPageClick(CommandContext& context) {
    CommandRun run = ResolveCommandRun(context);
    if (run.state.Running(PresentationStyle::Bingo)) {
        run.services.styles->Advance(PresentationStyle::Bingo);
        return true;
    }
    if (!run.state.AnyRunning())
        return false;
    StopRunningStyle(run);
    return true;
}

void PresentationWindowClick(CommandContext& context) {
    CommandRun run = ResolveCommandRun(context);
    if (!run.state.Running(PresentationStyle::Techno))
        return;
    try {
        run.services.styles->Stop(PresentationStyle::Techno);
    } catch (...) {
        // The style may already be tearing itself down; the click has nothing left to stop.
    }
}

} // namespace qor
