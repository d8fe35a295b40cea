#pragma once
// The page commands' view of the learner records: who is logged in, the figures and histograms
// of the evaluation pages, and the log-in dialog sequences. The other dialogs go on to `others`.

#include "app/CommandServices.h"

namespace qor {

class TXUserBase;

class UserDatabaseServices : public UserService, public DialogService {
public:
    // `users` may be null (no user database): nobody is logged in and the log-in commands do
    // nothing. Neither is owned.
    UserDatabaseServices(TXUserBase* users, DialogService& others) : m_users(users), m_others(others) {}
    void SetUserBase(TXUserBase* users) { m_users = users; }

    // [UserService]
    bool IsLoggedIn() const override;
    std::string Name() const override;
    int Figure(UserFigure figure) const override;
    LearningTimeParts LearningTime() const override;
    void DrawHistogram(TXBitmap& bitmap, Histogram histogram) override;

    // [DialogService]
    void RecordingSettings() override { m_others.RecordingSettings(); }
    void RecordingsManagement() override { m_others.RecordingsManagement(); }
    void SuperlearningSettings() override { m_others.SuperlearningSettings(); }
    void DataPaths() override { m_others.DataPaths(); }
    void ChangePassword() override;
    void Statistics() override;
    void LogIn() override;
    void NewUser() override;
    void ChangeUser() override;

private:
    TXUserBase* m_users;
    DialogService& m_others;
};

} // namespace qor
