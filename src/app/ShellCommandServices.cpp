#include "app/ShellCommandServices.h"

#include "app/DriveSearch.h"

namespace qor {

void SettingsDriveSearch::Search() {
    SearchDataDrive();
}

void EndOfProgramService::Beenden() {
    // A second "end" while the first still processes messages must not free everything again.
    if (m_ended)
        return;
    m_ended = true;
    qor::Beenden(m_end);
    if (m_quit)
        m_quit();
}

} // namespace qor
