#pragma once
// The command services that already exist in the application shell: the drive search and the end
// of program. The main window hands them to the dispatcher next to the subsystems' own.

#include "app/Beenden.h"
#include "app/CommandServices.h"

#include <functional>

namespace qor {

// The search for the data medium with the process-wide settings and registry.
class SettingsDriveSearch : public DriveSearchService {
public:
    void Search() override;
};

// Beenden, then the front end's quit (which ends its message loop). Runs once.
class EndOfProgramService : public ProgramEndService {
public:
    EndOfProgramService(EndOfProgram end, std::function<void()> quit)
        : m_end(std::move(end)), m_quit(std::move(quit)) {}
    void Beenden() override;
    bool Ended() const { return m_ended; }

private:
    EndOfProgram m_end;
    std::function<void()> m_quit;
    bool m_ended = false;
};

} // namespace qor
