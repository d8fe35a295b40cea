// The page commands' view of the learner records: the figures by their special codes, the
// histogram pictures, and the log-in commands reaching the records.

#include "app/UserDatabaseServices.h"

#include "CommandFakes.h"
#include "app/ScriptedUserDialogs.h"
#include "page/render/TXBitmap.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"
#include "users/TXUserBase.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class UserDatabaseServicesTest : public ::testing::Test {
protected:
    UserDatabaseServicesTest() { SetMessagePresenter(&m_messages); }
    ~UserDatabaseServicesTest() override { SetMessagePresenter(nullptr); }

    LocalDateTime Now() const { return LocalDateTime{2025, 5, 6, 0.5}; }

    ScriptedMessagePresenter m_messages;
    test::TempFolder m_folder;
    ScriptedUserDialogs m_dialogs;
    TXUserBase m_users{WithTrailingSeparator(ProgramPath(m_folder.Path())), m_dialogs,
                       [this] { return Now(); }};
    std::vector<std::string> m_otherDialogCalls;
    test::FakeServices m_otherDialogs{m_otherDialogCalls};
    UserDatabaseServices m_services{&m_users, m_otherDialogs};
};

TEST_F(UserDatabaseServicesTest, NobodyWithoutADatabaseOrALogIn) {
    UserDatabaseServices none(nullptr, m_otherDialogs);
    for (UserService* users : {static_cast<UserService*>(&none), static_cast<UserService*>(&m_services)}) {
        EXPECT_FALSE(users->IsLoggedIn());
        EXPECT_EQ(users->Name(), "");
    }
    none.LogIn(); // nothing to log in to, and nothing breaks
    none.Statistics();
    TXBitmap picture(21, 10);
    none.DrawHistogram(picture, Histogram::Absolute);
    EXPECT_EQ(picture.Pixel(0, 0), 0) << "left as it was";
}

TEST_F(UserDatabaseServicesTest, TheLogInCommandsReachTheRecordsAndTheFiguresTheirCodes) {
    m_dialogs.AddAnswer(std::vector<std::string>{"Anna"});
    m_services.LogIn(); // no learner yet: the wizard
    ASSERT_EQ(m_dialogs.Shown(), std::vector<std::string>{"TXLogInWizard"});
    ASSERT_TRUE(m_services.IsLoggedIn());
    EXPECT_EQ(m_services.Name(), "Anna");
    EXPECT_DOUBLE_EQ(m_services.LearningTime().logInTime, 0.5);

    // Two typed answers towards German, one multiple-choice answer towards French.
    m_users.RecordResult("maison", VocDirection::Deutsch, 'e', 25, 1);
    m_users.RecordResult("chat", VocDirection::Deutsch, 'e', -15, 2);
    m_users.RecordResult("chien", VocDirection::Fremd, 'm', 12, 3);
    m_services.Statistics();
    const struct {
        UserFigure figure;
        int expected;
    } figures[] = {
        {UserFigure::Records, 3},        {UserFigure::GermanRecords, 2},
        {UserFigure::ForeignRecords, 1}, {UserFigure::AverageAbsolute, (25 - 15 + 12) / 3},
        {UserFigure::AverageGerman, 5},  {UserFigure::AverageForeign, 12},
        {UserFigure::ShareTyping, 67},   {UserFigure::ShareMultipleChoice, 33},
        {UserFigure::ShareVegas, 0},     {UserFigure::AverageRelative, m_users.Statistics().averageRelative},
    };
    for (const auto& entry : figures) {
        SCOPED_TRACE(static_cast<int>(entry.figure));
        EXPECT_EQ(m_services.Figure(entry.figure), entry.expected);
    }

    // The histogram of all records: red and grey halves, and white bars rising from the bottom.
    TXBitmap picture(42, 30);
    m_services.DrawHistogram(picture, Histogram::Absolute);
    EXPECT_EQ(picture.Pixel(0, 0), 0x0000FF);
    EXPECT_EQ(picture.Pixel(41, 0), 0x333333);
    EXPECT_EQ(picture.Pixel(41, 29), 0x333333) << "no score of +100";
    int whiteColumns = 0;
    for (int x = 0; x < picture.Width(); ++x)
        whiteColumns += picture.Pixel(x, 29) == 0xFFFFFF ? 1 : 0;
    EXPECT_EQ(whiteColumns, 3 * 2) << "three bins with a record each, two pixels wide";

    m_dialogs.AddAnswer(std::vector<std::string>{"", "", ""});
    m_services.ChangePassword();
    EXPECT_EQ(m_dialogs.Shown().back(), "TXChangePW");
}

} // namespace
} // namespace qor
