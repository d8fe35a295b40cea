#pragma once
// The learner records: who is logged in, the record of every vocabulary asked, the time trained,
// and the statistics of the evaluation pages. One file per learner in the user folder, written
// whole at each save; one log line per session beside it.
//
// A save that fails keeps the learner logged in with every record in memory, so a full or
// write-protected disk costs nothing until the program ends; only a log-in of another learner
// replaces them (after saying the save failed).

#include "users/TXUserVoc.h"
#include "users/UserDialogs.h"
#include "users/UserHistogram.h"
#include "users/UserStatistics.h"
#include "users/UserTime.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Which way a vocabulary was asked: "<" records are asked towards German, ">" towards French.
enum class VocDirection { Fremd, Deutsch };

struct VocScoreResult {
    int score = 0;
    bool found = false;
};

class TXUserBase {
public:
    // `userFolder` is a program path ending in a separator; `dialogs` must outlive the object.
    TXUserBase(std::string userFolder, UserDialogs& dialogs, UserClock clock = SystemLocalNow);

    bool IsLoggedIn() const { return !m_userName.empty(); }
    void ScanUsers();
    void LogIn(std::string_view name, std::string_view password);
    // Writes the user file and the log line, then logs out. False (and a message) when the user
    // file could not be written: the learner then stays logged in with all records.
    bool SaveUser();
    // SaveUser without its message, for a caller that words its own (the end of the program).
    bool TrySaveUser() { return IsLoggedIn() && WriteUserAndLog(); }
    // The user file as SaveUser would write it now, with the time trained up to this moment.
    std::string CurrentUserFile() const;

    void RunLogIn();
    void NewUser();
    void ChangeUser();
    void ChangePassword();

    // One answer of a query run: `mode` 'e' typed, 'm' multiple choice, 'v' "Las Vegas"; `change`
    // is the score change of the answer. Ignored while nobody is logged in.
    void RecordResult(std::string_view text, VocDirection direction, char mode, int change, int number);
    VocScoreResult VocScore(std::string_view text, VocDirection direction, int number) const;

    void ComputeStatistics();
    const UserStatistics& Statistics() const { return m_statistics; }
    // Draws histogram `which` (0..3, HistogramKind) of the last ComputeStatistics into a picture
    // of `width` × `height`; other numbers draw nothing.
    void DrawHistogram(int width, int height, int which, const FillRectangle& fill) const;

    const std::string& UserFolder() const { return m_userFolder; }
    const std::vector<std::string>& UserNames() const { return m_userNames; }
    const std::string& UserName() const { return m_userName; }
    const std::string& UserFilePath() const { return m_userFile; }
    const std::vector<TXUserVoc>& Records() const { return m_records; }

    const LocalDateTime& LogInMoment() const { return m_logIn; }
    double LogInTime() const { return m_logIn.timeOfDay; }
    double LogOutTime() const { return m_logOut.timeOfDay; }
    // Learning time of the earlier sessions, as read from the user file (fraction of a day).
    double AccumulatedTime() const { return m_accumulatedTime; }
    // Accumulated time plus the time since the log-in ("zeit"); the accumulated time alone when
    // nobody is logged in.
    double LearningTime() const;

    std::int32_t TypingCount() const { return m_typingCount; }
    std::int32_t MultipleChoiceCount() const { return m_multipleChoiceCount; }
    std::int32_t LasVegasCount() const { return m_lasVegasCount; }

private:
    enum class LoadResult { LoggedIn, Refused, Silent };

    LoadResult LoadExistingUser(std::string_view name, std::string_view password);
    LoadResult CreateNewUser(std::string_view name, std::string_view password);
    // SaveUser without the failure message (LogIn words its own).
    bool WriteUserAndLog();
    void AppendLogLine(double duration);
    void LogOut();
    double SessionLength(const LocalDateTime& now) const;

    std::string m_userFolder;
    UserDialogs& m_dialogs;
    UserClock m_clock;

    std::vector<std::string> m_userNames;
    std::string m_userName;
    std::string m_password;
    std::string m_userFile;

    LocalDateTime m_logIn;
    LocalDateTime m_logOut;
    double m_accumulatedTime = 0;

    std::int32_t m_typingCount = 0;
    std::int32_t m_multipleChoiceCount = 0;
    std::int32_t m_lasVegasCount = 0;

    std::vector<TXUserVoc> m_records;
    UserStatistics m_statistics;
};

} // namespace qor
