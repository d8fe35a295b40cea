#pragma once
// The end of the program: the long-lived objects are freed in a fixed order, each saving itself
// when it changed, and the last settings are written. Beenden returns instead of terminating; the
// front end then quits its message loop.

#include "app/AppSettings.h"
#include "app/LongLivedObjects.h"
#include "platform/RegistryStore.h"

#include <functional>
#include <string>

namespace qor {

enum class ApplicationState { Running, Terminating };

struct EndOfProgram {
    LongLivedObjects* objects = nullptr;
    RegistryStore* registry = nullptr;            // nullptr: the process-wide local-machine store
    std::function<void()> processPendingMessages; // the front end's event processing (may be empty)
    ApplicationState state = ApplicationState::Running;
    EndQuestions questions = EndQuestions::Ask;
};

enum class EndResult { Completed, Failed };

// Failed when one of the steps threw; the rest of the steps are then skipped.
EndResult Beenden(const EndOfProgram& end, const AppSettings& settings);
EndResult Beenden(const EndOfProgram& end); // with Settings()

std::string RecordingIndexSaveQuestion();

} // namespace qor
