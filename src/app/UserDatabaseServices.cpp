#include "app/UserDatabaseServices.h"

#include "page/render/TXBitmap.h"
#include "page/render/TXCanvas.h"
#include "users/TXUserBase.h"

namespace qor {

bool UserDatabaseServices::IsLoggedIn() const {
    return m_users != nullptr && m_users->IsLoggedIn();
}

std::string UserDatabaseServices::Name() const {
    return m_users != nullptr ? m_users->UserName() : std::string();
}

int UserDatabaseServices::Figure(UserFigure figure) const {
    if (m_users == nullptr)
        return 0;
    const UserStatistics& figures = m_users->Statistics();
    switch (figure) {
    case UserFigure::AverageAbsolute:
        return figures.averageAbsolute;
    case UserFigure::AverageRelative:
        return figures.averageRelative;
    case UserFigure::AverageGerman:
        return figures.averageDeutsch;
    case UserFigure::AverageForeign:
        return figures.averageFremd;
    case UserFigure::Records:
        return figures.recordCount;
    case UserFigure::ShareTyping:
        return figures.shareTyping;
    case UserFigure::ShareMultipleChoice:
        return figures.shareMultipleChoice;
    case UserFigure::ShareVegas:
        return figures.shareLasVegas;
    case UserFigure::GermanRecords:
        return figures.countDeutsch;
    case UserFigure::ForeignRecords:
        return figures.countFremd;
    }
    return 0;
}

LearningTimeParts UserDatabaseServices::LearningTime() const {
    if (m_users == nullptr)
        return {};
    return LearningTimeParts{m_users->LogInTime(), m_users->AccumulatedTime()};
}

void UserDatabaseServices::DrawHistogram(TXBitmap& bitmap, Histogram histogram) {
    if (m_users == nullptr || bitmap.Empty())
        return;
    TXCanvas canvas(bitmap);
    m_users->DrawHistogram(bitmap.Width(), bitmap.Height(), static_cast<int>(histogram),
                           [&](int x1, int y1, int x2, int y2, std::int32_t colour) {
                               canvas.FillRect(TXRect{x1, y1, x2, y2}, static_cast<Colour>(colour));
                           });
}

void UserDatabaseServices::ChangePassword() {
    if (m_users != nullptr)
        m_users->ChangePassword();
}

void UserDatabaseServices::Statistics() {
    if (m_users != nullptr)
        m_users->ComputeStatistics();
}

void UserDatabaseServices::LogIn() {
    if (m_users != nullptr)
        m_users->RunLogIn();
}

void UserDatabaseServices::NewUser() {
    if (m_users != nullptr)
        m_users->NewUser();
}

void UserDatabaseServices::ChangeUser() {
    if (m_users != nullptr)
        m_users->ChangeUser();
}

} // namespace qor
