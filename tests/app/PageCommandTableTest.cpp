// Which command reaches which subsystem: every row of the dispatcher's table, with the words that
// only look like one of them (prefixes without a rest, a longer word, capitals, a blank in front).

#include "CommandFakes.h"

namespace qor::test {
namespace {

using Calls = std::vector<std::string>;

struct RoutingCase {
    const char* text;
    Calls expected;
};

const std::string kLabRight = "page.macro LabErgebnis=" + std::string("Sehr schön!"_cp);
const std::string kLabWrong = "page.macro LabErgebnis=Leider daneben!";

// In the order of the dispatcher's table.
const std::vector<RoutingCase> kRouting = {
    {"+deutsch", {"lab.german on"}},
    {"-deutsch", {"lab.german off"}},
    {"+diktat", {"lab.dictation on"}},
    {"-diktat", {"lab.dictation off"}},
    {"+autoread", {"lab.autoread on"}},
    {"-autoread", {"lab.autoread off"}},
    {"lab", {"lab.macros"}},
    {"lab+", {kLabRight, "page.load laborergebnis.htx"}},
    {"lab#3+", {kLabRight, "page.load laborergebnis.htx"}},
    // The "+" rule comes before "labnext" in the table.
    {"labnext+", {kLabRight, "page.load laborergebnis.htx"}},
    {"lab-", {kLabWrong, "page.load laborergebnis.htx"}},
    {"lab#2-", {}},
    {"labnext", {"lab.next", "page.load labor.htx"}},
    {"lablist", {"lab.themes"}},
    {"labor", {}},
    {"thema3", {"lab.theme 3", "page.load labor.htx"}},
    {"thema 7", {"lab.theme 7", "page.load labor.htx"}},
    {"thema123", {"lab.theme 12", "page.load labor.htx"}},
    {"stop", {}}, // nothing runs
    {"editor", {"dict.close", "window.editor"}},
    {"vocein", {"window.vocein"}},
    {"wb", {"dict.show"}},
    {"recsetup", {"dialog.recsetup"}},
    {"wavebase", {"dialog.wavebase"}},
    {"suchen", {"dict.search"}},
    {"sr2", {"dict.results 2"}},
    {"sr 3", {"dict.results 3"}},
    {"sr", {}},
    {"verblist", {"verbs.list"}},
    {"showverb12", {"verbs.table 12"}},
    {"showverb 5", {"verbs.table 5"}},
    {"showverb", {}},
    {"simple", {}},
    {"vtafel", {"verbs.table 0"}},
    {"verbmanuell", {"window.verbs"}},
    {"verb", {"verbs.check", "verbs.start"}},
    {"vocaus", {"query.stop"}},
    {"verbweiter", {"verbs.next"}},
    {"verb+", {"verbs.judge +"}},
    {"verb[aime]-", {"verbs.judge [aime]-"}},
    {"verbliste", {"verbs.judge liste"}},
    {"vokabelweiter", {"query.continue"}},
    {"vcontinue", {"query.nextround"}},
    {"vokabel#1+", {"query.answer #1+"}},
    {"vokabel-", {"query.answer -"}},
    {"vokabel", {}},
    {"vt0", {"verbs.stored"}},
    {"vt1",
     {"verbs.select +++--+------------------------------------------------++-----------+--- "
      "+---------------"}},
    {"vt2",
     {"verbs.select +++--+-----+-+-+----------+-+---+-------+-+----------+++--+--------+--+ "
      "+--+----+-------"}},
    {"vt3",
     {"verbs.select +++-+++-+-++++-+---+--+--++-+-+-+--+-+-++++--+-+---+-++++++-----+--++-+ "
      "+++++-+++-----+-"}},
    {"vt4", {"verbs.all"}},
    {"vt5", {}},
    {"superopts", {"options.create", "dialog.superopts"}},
    {"www", {"browser https://qor-franzoesisch.invalid/"}},
    {"www.example.org", {"browser http://www.example.org"}},
    {"http://example.org/a", {"browser http://example.org/a"}},
    {"wwwx", {}},
    {"seekcd", {"drive.search", "page.condition- cdrom", "page.reload"}},
    {"paths", {"dialog.paths"}},
    {"chpw", {}}, // nobody logged in
    {"stats", {}},
    {"login", {"dialog.login", "page.condition- login", "page.reload"}},
    {"newusr", {"dialog.newusr", "page.condition- login", "page.reload"}},
    {"chusr", {"dialog.chusr", "page.condition- login", "page.reload"}},
    {"end", {"end"}},
    // Lower-cased first, never trimmed.
    {"WB", {"dict.show"}},
    {"+Deutsch", {"lab.german on"}},
    {"HTTP://Example.org", {"browser http://example.org"}},
    {" wb", {}},
    {"wb ", {}},
    {"unbekannt", {}},
};

TEST_F(CommandTest, EachCommandReachesItsSubsystem) {
    for (const RoutingCase& c : kRouting) {
        SCOPED_TRACE(c.text);
        m_state = MainWindowState{};
        EXPECT_EQ(Run(c.text), c.expected);
    }
    EXPECT_TRUE(Messages().empty());
}

struct StateCase {
    const char* text;
    std::function<void(MainWindowState&)> expect; // applied to a fresh state gives the expected one
};

bool SameState(const MainWindowState& a, const MainWindowState& b) {
    return a.returnPage == b.returnPage && a.pendingCommand == b.pendingCommand &&
           a.queryStyle == b.queryStyle && a.vocabularyArea == b.vocabularyArea &&
           a.queryDirection == b.queryDirection && a.returnWindow == b.returnWindow &&
           a.currentVerb == b.currentVerb && a.screenSaverBlocked == b.screenSaverBlocked &&
           a.technoRunning == b.technoRunning && a.seventiesRunning == b.seventiesRunning &&
           a.bingoRunning == b.bingoRunning;
}

TEST_F(CommandTest, ChoicesOnThePagesGoIntoTheState) {
    const std::vector<StateCase> cases = {
        {"s1", [](MainWindowState& s) { s.queryDirection = 0; }},
        {"s2", [](MainWindowState& s) { s.queryDirection = 1; }},
        {"s3", [](MainWindowState& s) { s.queryDirection = 2; }},
        {"s4", [](MainWindowState& s) { s.queryDirection = 3; }},
        {"s5", [](MainWindowState&) {}},
        {"gws", [](MainWindowState& s) { s.vocabularyArea = "Grundwortschatz\\"; }},
        {"aws", [](MainWindowState& s) { s.vocabularyArea = "Aufbauwortschatz\\"; }},
        {"reise", [](MainWindowState& s) { s.vocabularyArea = "Reisevokabular\\"; }},
        {"oberstufe", [](MainWindowState& s) { s.vocabularyArea = "Oberstufenwortschatz\\"; }},
        {"recht", [](MainWindowState& s) { s.vocabularyArea = "Recht\\"; }},
        {"wirtschaft", [](MainWindowState& s) { s.vocabularyArea = "Wirtschaft\\"; }},
        {"pool", [](MainWindowState& s) { s.vocabularyArea = "Pool\\"; }},
        {"gws,bereich_egal", [](MainWindowState&) {}},
        {"sm7",
         [](MainWindowState& s) {
             s.queryStyle = 7;
             s.returnWindow = "Main";
         }},
        {"sm 2",
         [](MainWindowState& s) {
             s.queryStyle = 2;
             s.returnWindow = "Main";
         }},
        {"abgedreht",
         [](MainWindowState& s) {
             s.queryStyle = 1;
             s.returnWindow = "Main";
         }},
        {"abfrage",
         [](MainWindowState& s) {
             s.queryStyle = 100;
             s.returnWindow = "Main";
         }},
        {"abfrage,klassisch",
         [](MainWindowState& s) {
             s.queryStyle = 0;
             s.returnWindow = "Main";
         }},
        {"showverb12", [](MainWindowState& s) { s.currentVerb = 12; }},
        {"verbmanuell", [](MainWindowState& s) { s.returnPage = "verben.htx"; }},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.text);
        m_state = MainWindowState{};
        MainWindowState expected;
        c.expect(expected);
        Run(c.text);
        EXPECT_TRUE(SameState(m_state, expected));
    }
}

TEST_F(CommandTest, ToolWindowsForgetOrSetTheReturnPage) {
    const std::vector<RoutingCase> cases = {
        {"editor", {"dict.close", "window.editor"}},
        {"vocein", {"window.vocein"}},
    };
    for (const RoutingCase& c : cases) {
        SCOPED_TRACE(c.text);
        m_state.returnPage = "vokabeln.htx";
        EXPECT_EQ(Run(c.text), c.expected);
        EXPECT_EQ(m_state.returnPage, "");
    }
}

TEST_F(CommandTest, TheConjugationTableShowsTheVerbLastShown) {
    EXPECT_EQ(Run("showverb 9,vtafel"), (Calls{"verbs.table 9", "verbs.table 9"}));
    EXPECT_EQ(m_state.currentVerb, 9);
}

TEST_F(CommandTest, CommandsForALoggedInUser) {
    m_services.loggedIn = true;
    const std::vector<RoutingCase> cases = {
        {"chpw", {"dialog.chpw"}},
        {"stats", {"dialog.stats"}},
        {"login", {"dialog.login", "page.condition+ login", "page.reload"}},
    };
    for (const RoutingCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Run(c.text), c.expected);
    }
}

} // namespace
} // namespace qor::test
