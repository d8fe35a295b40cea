#include "content/NamedPages.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <map>

namespace qor::test {

namespace {

using namespace std::string_view_literals;

// The markup the program puts into each page variable, with "{}" for the variable's own text.
// Links, styles and boxes are written the way the trainer builds them.
const std::map<std::string_view, std::string_view>& StandardMarkup() {
    static const std::map<std::string_view, std::string_view> markup = {
        // vocabulary query
        {"Aufgabe", "<a href=\"probe.wav\" >{}</a>"},
        {"MCH0", "<a href=\"§[vokabel+]\" >{}</a>"_cp},
        {"MCH1", "<a href=\"§vokabel[Katze]-\" >{}</a>"_cp},
        {"MCH2", "<a href=\"§vokabel[Baum]-\" >{}</a>"_cp},
        {"MCH3", "<a href=\"§vokabel[Stuhl]-\" >{}</a>"_cp},
        {"MCH4", "<a href=\"§vokabel[Fenster]-\" >{}</a>"_cp},
        {"MCH5", "<a href=\"§vokabel[Tisch]-\" >{}</a>"_cp},
        {"lsg", "{}; zweite Antwort"},
        {"Richtig", "<+normal><a href=\"probe.wav\" >{} </a> <+kommentar> [Nomen]<p><+normal>Haus; Heim"},
        {"Falsch", "<+normal>{} <+kommentar> [Verb]<p><+normal>(le) chat (m); matou (m)"},
        {"Kontext", "Nous habitons une petite <u>{}</u> à la campagne."_cp},
        {"text3", "<a href=\"§vcontinue\" >{}</a>"_cp},
        {"balken-runde", "<box coords=50,170,225,20 color=balken>"},
        {"balken-insgesamt", "<box coords=418,170,180,20 color=balken>"},
        // verb trainer
        {"Lösung"_cp, "<font size=4 color=#0>je viens<br><font size=4 color=#009900>vous {}<br>"},
        {"weiter", "<a href=\"§verbweiter\" flash=flashcol return>{}</a>"_cp},
        {"pron", "<+zeit>&nil;<p><+reg>je<br><+reg>{}<br>"},
        // language lab
        {"Normal", "probe_normal.wav"},
        {"Langsam", "probe_langsam.wav"},
        {"LabListe", "<a href=\"§thema 0;lab\" >{}</a><br>"_cp},
        // dictionary search
        {"sr", "<+vok>{} <x4><+bed>Haus; Heim<br>"},
        {"srnav", "[1] <a href=\"§sr2\" >{}</a>"_cp},
    };
    return markup;
}

std::string_view MarkupFor(std::string_view name) {
    if (name.starts_with("zeit")) {
        return "<+zeit>IND Présent<p><+irr>{}<br><+reg>viens<br>&nbsp; <br>"_cp;
    }
    if (name.starts_with("VerbListe")) {
        return "<a href=\"§showverb 0\" flash=flashcol>{}</a><br>"_cp;
    }
    const auto found = StandardMarkup().find(name);
    return found == StandardMarkup().end() ? "{}"sv : found->second;
}

std::string Filled(std::string_view markup, std::string_view name) {
    std::string text(markup);
    for (std::size_t at = text.find("{}"); at != std::string::npos; at = text.find("{}", at)) {
        const std::string marker = Marker(name);
        text.replace(at, 2, marker);
        at += marker.size();
    }
    return text;
}

// Multiple choice in the verb trainer: the links flash in the page's colour "flashcol".
constexpr std::string_view kVerbQuestion = "Aufgabe=2. Person Plural IND Présent<br>von<br>{}"_cp;

const std::vector<std::string_view> kVerbChoices = {
    "MCH0=<a href=\"§[verb+]\" flash=flashcol>{}</a>"_cp,
    "MCH1=<a href=\"§verb[viendrez]-\" flash=flashcol>{}</a>"_cp,
    "MCH2=<a href=\"§verb[veniez]-\" flash=flashcol>{}</a>"_cp,
    "MCH3=<a href=\"§verb[vîntes]-\" flash=flashcol>{}</a>"_cp,
    "MCH4=<a href=\"§verb[viendriez]-\" flash=flashcol>{}</a>"_cp,
    "MCH5=<a href=\"§verb[êtes venus]-\" flash=flashcol>{}</a>"_cp,
};

std::vector<std::string_view> Joined(std::vector<std::string_view> a,
                                     const std::vector<std::string_view>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<std::string_view> kMultipleChoice = {"MCH0", "MCH1", "MCH2", "MCH3", "MCH4", "MCH5"};
const std::vector<std::string_view> kQueryHeader = {"Zähler"_cp, "Prozent"};
const std::vector<std::string_view> kVerbHeader = {"nr", "last", "Prozent"};

std::vector<std::string_view> Tenses() {
    static const std::vector<std::string_view> names = {
        "zeit0", "zeit1", "zeit2",  "zeit3",  "zeit4",  "zeit5",  "zeit6",  "zeit7",
        "zeit8", "zeit9", "zeit10", "zeit11", "zeit12", "zeit13", "zeit14", "zeit15",
    };
    return names;
}

} // namespace

std::string Marker(std::string_view name) {
    return std::string("¤"_cp) + std::string(name) + std::string("¤"_cp);
}

const std::vector<NamedPage>& NamedPages() {
    static const std::vector<NamedPage> pages = {
        // --- the start page reaches every part of the trainer ---
        {.page = "main.htx",
         .conditions = {"f", "login"},
         .shows = {"user", "version"},
         .links = {"vokabeln.htx",
                   "verben.htx",
                   "§[lab]labor.htx"_cp,
                   "§lablist"_cp,
                   "wörterbuch.htx"_cp,
                   "§wb"_cp,
                   "§editor"_cp,
                   "kurs/index.htx",
                   "§login"_cp,
                   "§newusr"_cp,
                   "§chusr"_cp,
                   "§chpw"_cp,
                   "§[stats]statistik.htx"_cp,
                   "§superopts"_cp,
                   "einstellungen.htx",
                   "§paths"_cp,
                   "§recsetup"_cp,
                   "§wavebase"_cp,
                   "§seekcd"_cp,
                   "§end"_cp},
         .switches = {"login"}},

        // --- vocabulary trainer: how, which area, how hard ---
        {.page = "vokabeln.htx",
         .links = {"§[abfrage]v_bereich.htx"_cp, "§[klassisch]v_bereich.htx"_cp,
                   "§[abgedreht]v_bereich.htx"_cp, "§[sm2]v_bereich.htx"_cp, "§[sm3]v_bereich.htx"_cp,
                   "§[sm4]v_bereich.htx"_cp, "§vocein"_cp, "§vabfrage"_cp, "§super"_cp, "§editor"_cp,
                   "§superopts"_cp, "main.htx"}},
        {.page = "v_bereich.htx",
         .specialYes = {"reise", "oberstufe", "recht", "wirtschaft", "pool"},
         .links = {"§gws,go"_cp, "§aws,go"_cp, "§reise,go"_cp, "§oberstufe,go"_cp, "§recht,go"_cp,
                   "§wirtschaft,go"_cp, "§pool,go"_cp, "§bereich_egal,go"_cp, "vokabeln.htx", "main.htx"},
         .switches = {"?reise", "?oberstufe", "?recht", "?wirtschaft", "?pool"}},
        {.page = "v_schwer.htx",
         .links = {"§s1,go"_cp, "§s2,go"_cp, "§s3,go"_cp, "§s4,go"_cp, "v_bereich.htx", "main.htx"}},

        // --- vocabulary query: questions, answers, evaluation ---
        {.page = "va_mch.htx",
         .variables = Joined(Joined(kQueryHeader, {"Aufgabe", "Wortart"}), kMultipleChoice),
         .shows = Joined(Joined(kQueryHeader, {"Aufgabe", "Wortart"}), kMultipleChoice),
         .links = {"§[vokabel+]"_cp, "§vokabel[Katze]-"_cp, "probe.wav", "§vocaus"_cp, "main.htx"}},
        {.page = "va_ein.htx",
         .variables = Joined(kQueryHeader, {"Aufgabe", "Wortart", "lsg", "help"}),
         .shows = Joined(kQueryHeader, {"Aufgabe", "Wortart"}),
         .links = {"§vocaus"_cp, "main.htx"},
         .gaps = {{"¤lsg¤"_cp, "vokabel", "¤help¤"_cp}}},
        {.page = "va_kontext.htx",
         .variables = Joined(kQueryHeader,
                             {"Wortart", "Aufgabe={} une <a gap lsg=\"pomme; une pomme\" "
                                         "help=\"p...e\" tip=\"Apfel\" reaction=\"vokabel\">pomme</a>."}),
         .shows = Joined(kQueryHeader, {"Aufgabe", "Wortart"}),
         .links = {"§vocaus"_cp, "main.htx"},
         .gaps = {{"pomme", "vokabel", "p...e"}}},
        {.page = "va_richtig.htx",
         .variables = Joined(kQueryHeader, {"Richtig", "Kontext"}),
         .shows = Joined(kQueryHeader, {"Richtig", "Kontext"}),
         .links = {"§vokabelweiter"_cp, "§vocaus"_cp, "main.htx"},
         .styles = {"normal", "kommentar"}},
        {.page = "va_falsch1.htx",
         .variables = Joined(kQueryHeader, {"Richtig", "Kontext"}),
         .shows = Joined(kQueryHeader, {"Richtig", "Kontext"}),
         .links = {"§vokabelweiter"_cp, "§vocaus"_cp, "main.htx"},
         .styles = {"normal", "kommentar"}},
        {.page = "va_falsch2.htx",
         .variables = Joined(kQueryHeader, {"Richtig", "Falsch"}),
         .shows = Joined(kQueryHeader, {"Richtig", "Falsch"}),
         .links = {"§vokabelweiter"_cp, "§vocaus"_cp, "main.htx"},
         .styles = {"normal", "kommentar"}},
        {.page = "v_auswertung.htx",
         .conditions = {"insgesamt"},
         .variables = {"runde", "insgesamt", "text1", "text2", "text3", "balken-runde", "balken-insgesamt"},
         .shows = {"runde", "insgesamt", "text1", "text2", "text3"},
         .links = {"§vcontinue"_cp, "vokabeln.htx", "main.htx"},
         .switches = {"insgesamt"},
         .colourNames = {"balken"},
         .bars = {{50, 170, "balken"}, {418, 170, "balken"}}},

        // --- verb trainer ---
        {.page = "verben.htx",
         .links = {"§verb"_cp, "§vt0,verb"_cp, "§vt1,verb"_cp, "§vt2,verb"_cp, "§vt3,verb"_cp, "§vt4,verb"_cp,
                   "§verbmanuell"_cp, "§verblist"_cp, "§vtafel"_cp, "main.htx"}},
        {.page = "verb_mch.htx",
         .variables = Joined(Joined(kVerbHeader, {kVerbQuestion}), kVerbChoices),
         .shows = Joined(Joined(kVerbHeader, {"Aufgabe"}), kMultipleChoice),
         .links = {"§[verb+]"_cp, "§verb[viendrez]-"_cp, "§verbmanuell"_cp, "verben.htx", "main.htx"},
         .colourNames = {"flashcol"}},
        {.page = "verb_ein.htx",
         .variables = Joined(kVerbHeader, {kVerbQuestion, "lsg", "help"}),
         .shows = Joined(kVerbHeader, {"Aufgabe"}),
         .links = {"verben.htx", "main.htx"},
         .gaps = {{"¤lsg¤"_cp, "verb", "¤help¤"_cp}}},
        {.page = "verb_richtig.htx",
         .variables = Joined(kVerbHeader, {"Kommentar", kVerbQuestion, "Lösung"_cp, "weiter"}),
         .shows = Joined(kVerbHeader, {"Kommentar", "Aufgabe", "Lösung"_cp, "weiter"}),
         .links = {"§verbweiter"_cp, "verben.htx", "main.htx"},
         .colourNames = {"flashcol"}},
        {.page = "verbtafel.htx",
         .variables = Joined({"Infinitiv", "Bedeutung", "pron"}, Tenses()),
         .shows = Joined({"Infinitiv", "Bedeutung", "pron"}, Tenses()),
         .links = {"§verblist"_cp, "§verb"_cp, "verben.htx", "main.htx"},
         .styles = {"zeit", "irr", "reg"}},
        {.page = "verbliste.htx",
         .variables = {"VerbListe1", "VerbListe2", "VerbListe3", "VerbListe4", "VerbListe5", "VerbListe6"},
         .shows = {"VerbListe1", "VerbListe2", "VerbListe3", "VerbListe4", "VerbListe5", "VerbListe6"},
         .links = {"§showverb 0"_cp, "verben.htx", "main.htx"},
         .colourNames = {"flashcol"}},

        // --- language lab: listening with translation, then dictation ---
        {.page = "labor.htx",
         .conditions = {"normal", "langsam", "deutsch", "cdrom"},
         .variables = {"Thema", "LabSatz", "LabDeutsch", "Normal", "Langsam"},
         .shows = {"Thema", "LabSatz", "LabDeutsch"},
         .links = {"probe_normal.wav", "probe_langsam.wav", "§labnext"_cp, "§lablist"_cp,
                   "§[+diktat,lab]labor.htx"_cp, "§[-deutsch,lab]labor.htx"_cp, "main.htx"},
         .switches = {"diktat", "deutsch", "normal", "langsam", "cdrom", "autoread"},
         .checkBoxes = {"autoread"}},
        {.page = "labor.htx",
         .conditions = {"diktat", "autoread", "normal", "cdrom"},
         .variables = {"Thema", "LabSatz", "LabDeutsch", "Normal", "lsg", "help"},
         .shows = {"Thema"},
         .hides = {"LabSatz", "LabDeutsch"},
         .links = {"§[-diktat,lab]labor.htx"_cp, "§[+deutsch,lab]labor.htx"_cp, "probe_normal.wav"},
         .checkBoxes = {"autoread"},
         .gaps = {{"¤lsg¤"_cp, "lab", "¤help¤"_cp}},
         .autoJump = "probe_normal.wav"},
        {.page = "laborergebnis.htx",
         .conditions = {"normal", "langsam", "deutsch"},
         .variables = {"LabErgebnis", "LabSatz", "LabDeutsch", "Thema", "Normal", "Langsam"},
         .shows = {"LabErgebnis", "LabSatz", "LabDeutsch", "Thema"},
         .links = {"§labnext"_cp, "labor.htx", "§lablist"_cp, "probe_normal.wav", "main.htx"},
         .switches = {"deutsch", "normal"}},
        {.page = "laborliste.htx",
         .variables = {"LabListe"},
         .shows = {"LabListe"},
         .links = {"§thema 0;lab"_cp, "§[lab]labor.htx"_cp, "main.htx"}},

        // --- dictionary search ---
        {.page = "wörterbuch.htx"_cp,
         .conditions = {"ergebnis"},
         .variables = {"ergebnis", "sr", "srnav", "Suchen"},
         .shows = {"ergebnis", "sr", "srnav"},
         .links = {"§suchen"_cp, "§sr2"_cp, "§wb"_cp, "main.htx"},
         .switches = {"ergebnis"},
         .checkBoxes = {"ganze"},
         .input = "Suchen",
         .styles = {"vok", "bed"}},

        // --- learners and settings ---
        {.page = "statistik.htx",
         .conditions = {"login"},
         .shows = {"user", "zeit", "nr", "nrd", "nrf", "perfa", "perfr", "perfd", "perff", "pe", "pm", "pv"},
         .links = {"§[stats]statistik.htx"_cp, "§chpw"_cp, "§chusr"_cp, "main.htx"},
         .switches = {"login"},
         .pictures = {"absolut", "relativ", "deutsch", "fremd"}},
        // The settings overview, reached from the start page.
        {.page = "einstellungen.htx",
         .links = {"§vocein"_cp, "§superopts"_cp, "§paths"_cp, "§recsetup"_cp, "§wavebase"_cp, "§seekcd"_cp,
                   "§verbmanuell"_cp, "main.htx"},
         .switches = {"cdrom"}},
        // The vocabulary settings window shows it behind its controls.
        {.page = "voc_opt1.htx", .windowBackground = true},
        {.page = "_wizard1.htx", .conditions = {"f"}, .fitWidth = 480, .fitHeight = 261},
        {.page = "_wizard2.htx", .conditions = {"f"}, .fitWidth = 480, .fitHeight = 261},
        {.page = "_import.htx"},

        // --- the game las vegas ---
        {.page = "vegas/intro.htx", .links = {"§vegas"_cp, "../vokabeln.htx", "../main.htx"}},
        {.page = "vegas/start.htx", .links = {"§stop"_cp}},
        {.page = "vegas/again.htx", .links = {"§vegas"_cp, "../vokabeln.htx", "../main.htx"}},
    };
    return pages;
}

const NamedPage* FindNamedPage(std::string_view page) {
    const std::vector<NamedPage>& pages = NamedPages();
    const auto found =
        std::find_if(pages.begin(), pages.end(), [page](const NamedPage& p) { return p.page == page; });
    return found == pages.end() ? nullptr : &*found;
}

void ApplyProgramState(const NamedPage& page, PageDocument& document, DiskPageHost& host,
                       std::vector<std::string>& pictureCodes) {
    for (std::string_view condition : page.conditions) {
        document.conditions.Set(condition);
    }
    for (std::string_view variable : page.variables) {
        const std::size_t equals = variable.find('=');
        const std::string_view name = variable.substr(0, equals);
        const std::string_view markup =
            equals == std::string_view::npos ? MarkupFor(name) : variable.substr(equals + 1);
        document.macros.Set(name, Filled(markup, name));
    }
    const std::vector<std::string_view> yes = page.specialYes;
    host.SetSpecialCodeHandler([yes](std::string& code) {
        code = std::find(yes.begin(), yes.end(), code) != yes.end() ? std::string("+") : Marker(code);
    });
    host.SetPictureRequestHandler(
        [&pictureCodes](std::string_view code, TXBitmap&) { pictureCodes.emplace_back(code); });
}

} // namespace qor::test
