#include "app/LoggingCommandServices.h"

#include "app/DebugLog.h"
#include "platform/Cp1252.h"

namespace qor {

namespace {

void Unavailable(std::string_view what) {
    DebugLog(LoggingCommandServices::LogLine(what));
}

std::string WithNumber(std::string_view what, int number) {
    return std::string(what) + " " + std::to_string(number);
}

std::string WithText(std::string_view what, std::string_view text) {
    return std::string(what) + " \"" + std::string(text) + "\"";
}

std::string_view StyleName(PresentationStyle style) {
    switch (style) {
    case PresentationStyle::Techno:
        return "Techno";
    case PresentationStyle::Seventies:
        return "DD";
    case PresentationStyle::Bingo:
        return "Las Vegas";
    }
    return "?";
}

std::string StyleCall(std::string_view what, PresentationStyle style) {
    return std::string("Darstellung ") + std::string(StyleName(style)) + " (" + std::string(what) + ")";
}

std::string_view OnOff(Switch state) {
    return state == Switch::On ? "an" : "aus";
}

} // namespace

LoggingCommandServices& LoggingCommandServices::Instance() {
    static LoggingCommandServices instance;
    return instance;
}

std::string LoggingCommandServices::LogLine(std::string_view what) {
    return "qor: " + std::string(what) + std::string(" ist noch nicht verfügbar"_cp);
}

// Language lab

void LoggingCommandServices::ShowGerman(Switch state) {
    Unavailable("Sprachlabor: deutscher Satz " + std::string(OnOff(state)));
}

void LoggingCommandServices::Dictation(Switch state) {
    Unavailable("Sprachlabor: Diktat " + std::string(OnOff(state)));
}

void LoggingCommandServices::AutoRead(Switch state) {
    Unavailable("Sprachlabor: automatisches Vorlesen " + std::string(OnOff(state)));
}

void LoggingCommandServices::SetSentenceMacros() {
    Unavailable("Sprachlabor: aktueller Satz");
}

void LoggingCommandServices::DrawNextSentence() {
    Unavailable(std::string("Sprachlabor: nächster Satz"_cp));
}

void LoggingCommandServices::ShowThemeList() {
    Unavailable("Sprachlabor: Themenliste");
}

void LoggingCommandServices::SelectTheme(int theme) {
    Unavailable(WithNumber("Sprachlabor: Thema", theme));
}

// Verb trainer

bool LoggingCommandServices::Exists() const {
    Unavailable("Verbtrainer");
    return true;
}

bool LoggingCommandServices::HasVerbsAndTensesSelected() {
    Unavailable("Verbtrainer: Auswahl der Verben und Zeiten");
    return false;
}

void LoggingCommandServices::StartSeries() {
    Unavailable("Verbtrainer: Abfrage");
}

void LoggingCommandServices::NextQuestion() {
    Unavailable(std::string("Verbtrainer: nächste Frage"_cp));
}

void LoggingCommandServices::JudgeAnswer(std::string_view code) {
    Unavailable(WithText("Verbtrainer: Antwort", code));
}

void LoggingCommandServices::ShowVerbList() {
    Unavailable("Verbtrainer: Verbliste");
}

void LoggingCommandServices::ShowConjugationTable(int verb) {
    Unavailable(WithNumber("Verbtrainer: Konjugationstabelle", verb));
}

void LoggingCommandServices::LoadStoredSelection() {
    Unavailable("Verbtrainer: gespeicherte Auswahl");
}

void LoggingCommandServices::SetSelection(std::string_view verbs, std::string_view tenses) {
    Unavailable(WithText(WithText("Verbtrainer: Auswahl", verbs), tenses));
}

void LoggingCommandServices::SelectAll() {
    Unavailable("Verbtrainer: alle Verben und Zeiten");
}

// Vocabulary library and query

bool LoggingCommandServices::HasUnsavedChanges() const {
    Unavailable(std::string("Bibliothek: Veränderungen"_cp));
    return false;
}

std::string LoggingCommandServices::FileName() const {
    Unavailable("Bibliothek: Dateiname");
    return {};
}

void LoggingCommandServices::LoadAreaFolder(const std::string& folder) {
    Unavailable(WithText("Bibliothek: Laden aus", folder));
}

void LoggingCommandServices::SaveToFile(const std::string& file) {
    Unavailable(WithText("Bibliothek: Speichern in", file));
}

bool LoggingCommandServices::HasEntries() {
    Unavailable("Bibliothek: Vokabeln");
    return false;
}

int LoggingCommandServices::EntryCount() const {
    Unavailable("Bibliothek: Anzahl der Vokabeln");
    return 0;
}

void LoggingCommandServices::SetDirection(int direction) {
    Unavailable(WithNumber("Vokabelabfrage: Richtung", direction));
}

void LoggingCommandServices::SetLastIndex(int index) {
    Unavailable(WithNumber("Vokabelabfrage: letzte Vokabel", index));
}

void LoggingCommandServices::PrepareQuery() {
    Unavailable("Vokabelabfrage: Vorbereitung");
}

void LoggingCommandServices::LoadUserScores() {
    Unavailable("Vokabelabfrage: Ergebnisse des Benutzers");
}

void LoggingCommandServices::StartQuery() {
    Unavailable("Vokabelabfrage");
}

void LoggingCommandServices::StopWithEvaluation() {
    Unavailable("Vokabelabfrage: Auswertung");
}

void LoggingCommandServices::ContinueAfterAnswer() {
    Unavailable("Vokabelabfrage: weiter");
}

void LoggingCommandServices::ContinueAfterEvaluation() {
    Unavailable(std::string("Vokabelabfrage: nächste Runde"_cp));
}

void LoggingCommandServices::Answer(std::string_view code) {
    Unavailable(WithText("Vokabelabfrage: Antwort", code));
}

// Dictionary

void LoggingCommandServices::ShowWindow() {
    Unavailable(std::string("Wörterbuch"_cp));
}

void LoggingCommandServices::CloseWindowIfVisible() {
    Unavailable(std::string("Wörterbuch: Schließen"_cp));
}

void LoggingCommandServices::SearchFromPage() {
    Unavailable(std::string("Wörterbuch: Suche"_cp));
}

void LoggingCommandServices::ShowResultPage(int page) {
    Unavailable(WithNumber(std::string("Wörterbuch: Ergebnisseite"_cp), page));
}

// Users

bool LoggingCommandServices::IsLoggedIn() const {
    Unavailable("Benutzerverwaltung: Anmeldung");
    return false;
}

std::string LoggingCommandServices::Name() const {
    Unavailable("Benutzerverwaltung: Name");
    return {};
}

int LoggingCommandServices::Figure(UserFigure figure) const {
    Unavailable(WithNumber("Benutzerverwaltung: Kennzahl", static_cast<int>(figure)));
    return 0;
}

LearningTimeParts LoggingCommandServices::LearningTime() const {
    Unavailable("Benutzerverwaltung: Lernzeit");
    return {};
}

void LoggingCommandServices::DrawHistogram(TXBitmap&, Histogram histogram) {
    Unavailable(WithNumber("Benutzerverwaltung: Histogramm", static_cast<int>(histogram)));
}

// Dialogs

void LoggingCommandServices::RecordingSettings() {
    Unavailable("Aufnahme-Einstellungen");
}

void LoggingCommandServices::RecordingsManagement() {
    Unavailable("Verwaltung der Sprachaufnahmen");
}

void LoggingCommandServices::SuperlearningSettings() {
    Unavailable("Superlearning-Einstellungen");
}

void LoggingCommandServices::DataPaths() {
    Unavailable("Datenpfade");
}

void LoggingCommandServices::ChangePassword() {
    Unavailable(std::string("Passwort ändern"_cp));
}

void LoggingCommandServices::Statistics() {
    Unavailable("Statistik");
}

void LoggingCommandServices::LogIn() {
    Unavailable("Anmeldung");
}

void LoggingCommandServices::NewUser() {
    Unavailable("Neuer Benutzer");
}

void LoggingCommandServices::ChangeUser() {
    Unavailable("Benutzerwechsel");
}

// Tool windows

void LoggingCommandServices::OpenEditor() {
    Unavailable("Vokabel-Editor");
}

void LoggingCommandServices::OpenQuerySettings() {
    Unavailable(std::string("Einstellungen für den Vokabeltrainer"_cp));
}

void LoggingCommandServices::OpenVerbSettings() {
    Unavailable(std::string("Einstellungen für den Verbtrainer"_cp));
}

void LoggingCommandServices::OpenSuperlearningFade() {
    Unavailable("Superlearning");
}

// Presentation styles and options

bool LoggingCommandServices::Create(PresentationStyle style) {
    Unavailable(StyleCall("Erzeugen", style));
    return false;
}

void LoggingCommandServices::Prepare(PresentationStyle style) {
    Unavailable(StyleCall("Vorbereiten", style));
}

void LoggingCommandServices::Run(PresentationStyle style) {
    Unavailable(StyleCall("Start", style));
}

void LoggingCommandServices::Stop(PresentationStyle style) {
    Unavailable(StyleCall("Stopp", style));
}

void LoggingCommandServices::Advance(PresentationStyle style) {
    Unavailable(StyleCall("Reaktion", style));
}

void LoggingCommandServices::Free(PresentationStyle style) {
    Unavailable(StyleCall("Freigeben", style));
}

void LoggingCommandServices::EnsureCreated() {
    Unavailable("Superlearning-Optionen");
}

void LoggingCommandServices::LoadStyleSettings(int queryStyle) {
    Unavailable(WithNumber("Superlearning-Optionen: Stil", queryStyle));
}

int LoggingCommandServices::DisplayKind() const {
    Unavailable("Superlearning-Optionen: Darstellung");
    return -1;
}

// Shell

bool LoggingCommandServices::Open(std::string_view url) {
    Unavailable(WithText("Browser", url));
    return false;
}

void LoggingCommandServices::Search() {
    Unavailable("Laufwerkssuche");
}

std::optional<std::string> LoggingCommandServices::Ask(const SaveFileRequest& request) {
    Unavailable(WithText("Speichern-Dialog", request.fileName));
    return std::nullopt;
}

void LoggingCommandServices::Beenden() {
    Unavailable("Programmende");
}

CommandServices WithStandIns(CommandServices services) {
    LoggingCommandServices& standIn = LoggingCommandServices::Instance();
    auto fill = [&standIn](auto*& service) {
        if (!service)
            service = &standIn;
    };
    fill(services.lab);
    fill(services.verbs);
    fill(services.library);
    fill(services.query);
    fill(services.dictionary);
    fill(services.users);
    fill(services.dialogs);
    fill(services.toolWindows);
    fill(services.styles);
    fill(services.options);
    fill(services.browser);
    fill(services.driveSearch);
    fill(services.saveFile);
    fill(services.programEnd);
    return services;
}

} // namespace qor
