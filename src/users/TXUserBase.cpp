#include "users/TXUserBase.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/FileNames.h"
#include "platform/WinPath.h"
#include "users/UserFile.h"
#include "users/UserLogLine.h"
#include "users/UserNames.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace qor {

namespace {

constexpr int kPasswordDialogs = 3;
constexpr std::size_t kMaxHistoryLength = 5;
// A user file is a few kilobytes; reading stops well before anything could hurt.
constexpr std::uintmax_t kMaxUserFileBytes = std::uintmax_t{64} << 20;

// Trimmed like the keys the file reader gives back, so a vocabulary with a trailing blank finds
// its own record again after the next log-in.
std::string RecordKey(std::string_view text, VocDirection direction, int number) {
    std::string key = direction == VocDirection::Deutsch ? "<" : ">";
    key += std::to_string(number);
    key += text;
    return TrimmedField(key);
}

// Newest first, at most five: the fifth (oldest) goes before the new one comes in front.
void PushNewest(std::string& history, char value) {
    if (history.size() >= kMaxHistoryLength)
        history.erase(kMaxHistoryLength - 1, 1);
    history.insert(history.begin(), value);
}

void EnsureFolder(std::string_view folder) {
    std::error_code error;
    std::filesystem::create_directories(NativePath(folder), error);
}

} // namespace

TXUserBase::TXUserBase(std::string userFolder, UserDialogs& dialogs, UserClock clock)
    : m_userFolder(std::move(userFolder)), m_dialogs(dialogs), m_clock(std::move(clock)) {}

void TXUserBase::ScanUsers() {
    m_userNames = FindUserNames(m_userFolder);
}

// Log-in and save

void TXUserBase::LogIn(std::string_view nameView, std::string_view passwordView) {
    // Copies first: the caller may pass our own UserName(), which the save below clears.
    const std::string name(nameView);
    const std::string password(passwordView);
    if (name.empty())
        return;
    if (HasInvalidFileNameChar(name)) {
        ShowAppMessage(std::string("Der Name darf keines der folgenden Zeichen enthalten: ") +
                       std::string(kInvalidFileNameChars));
        return;
    }
    if (IsLoggedIn()) {
        const std::string oldName = m_userName;
        if (!WriteUserAndLog()) {
            ShowAppMessage(oldName + " konnte nicht gespeichert werden!");
            LogOut();
        }
    }

    m_userName = name;
    m_userFile = UserFilePathIn(m_userFolder, name);
    m_password.clear();
    m_records.clear();
    m_accumulatedTime = 0;
    m_typingCount = m_multipleChoiceCount = m_lasVegasCount = 0;

    LoadResult result =
        FileExists(m_userFile) ? LoadExistingUser(name, password) : CreateNewUser(name, password);
    if (result == LoadResult::LoggedIn) {
        m_logIn = m_clock();
        return;
    }
    LogOut();
    if (result == LoadResult::Refused)
        ShowAppMessage(std::string("Persönliche Daten für "_cp) + name +
                           std::string(" konnten nicht geöffnet werden!"_cp),
                       kMbIconError);
}

TXUserBase::LoadResult TXUserBase::LoadExistingUser(std::string_view name, std::string_view password) {
    std::string bytes;
    if (!ReadWholeFile(m_userFile, bytes, kMaxUserFileBytes))
        return LoadResult::Refused;
    UserFileContent content;
    switch (DecodeUserFile(bytes, content)) {
    case UserFileState::Damaged:
        return LoadResult::Refused;
    case UserFileState::Empty:
        m_password = password;
        return LoadResult::LoggedIn;
    case UserFileState::Content:
        break;
    }

    std::string tried(password);
    int dialogsShown = 0;
    while (content.credentials != CredentialsText(name, tried) && dialogsShown < kPasswordDialogs) {
        ++dialogsShown;
        PasswordRequest request{"Passwort", {std::string(name)}, std::string(name), NameField::Locked};
        std::optional<UserCredentials> answer = m_dialogs.ShowTXPasswort(request);
        if (!answer)
            break;
        tried = answer->password;
    }
    if (content.credentials != CredentialsText(name, tried))
        return LoadResult::Refused;
    m_password = tried;
    m_accumulatedTime = content.learningTime;
    m_records = std::move(content.records);
    return LoadResult::LoggedIn;
}

TXUserBase::LoadResult TXUserBase::CreateNewUser(std::string_view name, std::string_view password) {
    ScanUsers();
    if (!m_userNames.empty() && ShowAppMessage("Neuen Benutzer " + std::string(name) + " anlegen?",
                                               kMbIconQuestion | kMbYesNo) != kIdYes)
        return LoadResult::Silent;
    EnsureFolder(m_userFolder);
    if (!WriteFileAtomically(NativePath(m_userFile), "")) {
        ShowAppMessage("Die Datei " + m_userFile + " konnte nicht erzeugt werden!", kMbIconError);
        return LoadResult::Silent;
    }
    m_password = password;
    return LoadResult::LoggedIn;
}

bool TXUserBase::SaveUser() {
    if (!IsLoggedIn())
        return false;
    if (WriteUserAndLog())
        return true;
    ShowAppMessage(
        "Die Daten von " + m_userName + " konnten nicht in " + m_userFile +
            " gespeichert werden! Die Anmeldung bleibt bestehen, die Ergebnisse gehen nicht verloren.",
        kMbIconError);
    return false;
}

std::string TXUserBase::CurrentUserFile() const {
    const double duration = SessionLength(m_clock());
    return EncodeUserFile({CredentialsText(m_userName, m_password), m_accumulatedTime + duration, m_records});
}

bool TXUserBase::WriteUserAndLog() {
    const LocalDateTime now = m_clock();
    const double duration = SessionLength(now);
    UserFileContent content{CredentialsText(m_userName, m_password), m_accumulatedTime + duration, m_records};
    EnsureFolder(m_userFolder);
    // Nothing changes in memory before the file is safely written, so a failure can be retried.
    if (!WriteFileAtomically(NativePath(m_userFile), EncodeUserFile(content)))
        return false;
    m_logOut = now;
    m_accumulatedTime = content.learningTime;
    ComputeStatistics();
    AppendLogLine(duration);
    LogOut();
    return true;
}

void TXUserBase::AppendLogLine(double duration) {
    UserLogEntry entry;
    entry.logIn = m_logIn;
    entry.duration = duration;
    entry.typing = m_typingCount;
    entry.multipleChoice = m_multipleChoiceCount;
    entry.lasVegas = m_lasVegasCount;
    entry.averageAbsolute = m_statistics.averageAbsolute;
    entry.averageRelative = m_statistics.averageRelative;
    entry.recordCount = m_statistics.recordCount;
    const std::string path = UserLogPathIn(m_userFolder, m_userName);
    std::ofstream log(NativePath(path), std::ios::binary | std::ios::app);
    log << FormatUserLogLine(entry);
    log.flush();
    if (!log)
        ShowAppMessage("Die Datei " + path + std::string(" konnte nicht ergänzt werden!"_cp), kMbIconError);
}

void TXUserBase::LogOut() {
    m_userName.clear();
    m_password.clear();
    m_userFile.clear();
    m_records.clear();
    m_typingCount = m_multipleChoiceCount = m_lasVegasCount = 0;
}

double TXUserBase::SessionLength(const LocalDateTime& now) const {
    return std::max(0.0, DayNumber(now) - DayNumber(m_logIn));
}

double TXUserBase::LearningTime() const {
    if (!IsLoggedIn())
        return 0;
    return m_accumulatedTime + SessionLength(m_clock());
}

// Records and statistics

void TXUserBase::RecordResult(std::string_view text, VocDirection direction, char mode, int change,
                              int number) {
    if (!IsLoggedIn())
        return;
    if (mode == 'e')
        ++m_typingCount;
    else if (mode == 'm')
        ++m_multipleChoiceCount;
    else if (mode == 'v')
        ++m_lasVegasCount;
    // The file reader trims blanks and control characters, so such a mode would not come back.
    const char storedMode = static_cast<unsigned char>(mode) <= ' ' ? '?' : mode;

    const std::string key = RecordKey(text, direction, number);
    auto found = std::find_if(m_records.begin(), m_records.end(),
                              [&](const TXUserVoc& record) { return SameTextInsensitive(record.key, key); });
    if (found == m_records.end()) {
        TXUserVoc record{key, std::string(1, ScoreChar(change)), std::string(1, storedMode)};
        if (direction == VocDirection::Deutsch)
            m_records.push_back(std::move(record));
        else
            m_records.insert(m_records.begin(), std::move(record));
        return;
    }
    PushNewest(found->scores, ScoreChar(change));
    PushNewest(found->modes, storedMode);
}

VocScoreResult TXUserBase::VocScore(std::string_view text, VocDirection direction, int number) const {
    const std::string key = RecordKey(text, direction, number);
    const std::string_view head = std::string_view(key).substr(0, 2);
    for (const TXUserVoc& record : m_records) {
        if (std::string_view(record.key).substr(0, 2) == head && SameTextInsensitive(record.key, key))
            return {HistoryScore(record.scores), true};
    }
    return {};
}

void TXUserBase::ComputeStatistics() {
    m_statistics = ComputeUserStatistics(m_records);
}

void TXUserBase::DrawHistogram(int width, int height, int which, const FillRectangle& fill) const {
    if (which < 0 || which >= kHistogramCount)
        return;
    qor::DrawHistogram(width, height, m_statistics.histograms[which], m_statistics.recordCount, fill);
}

} // namespace qor
