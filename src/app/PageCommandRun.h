#pragma once
// Shared by the files of the dispatcher only: the context with every default filled in.

#include "app/CommandContext.h"

#include <functional>

namespace qor {

enum class CommandFlow { Continue, EndLoop };

struct CommandRun {
    CommandPage* page = nullptr; // set for page commands
    CommandServices services;    // every entry set
    MainWindowState& state;
    AppSettings& settings;
    RegistryStore* registry = nullptr;
    std::function<void()> processMessages;
    std::function<double()> timeOfDay;

    void ProcessMessages() const {
        if (processMessages)
            processMessages();
    }
    RegistryStore& Registry() const;
    double TimeOfDay() const { return timeOfDay ? timeOfDay() : LocalTimeOfDay(); }
};

CommandRun ResolveCommandRun(const CommandContext& context);

// "go", "vabfrage", "super" and "vegas" (VocabularyStart.cpp).
CommandFlow StartVocabularyTraining(CommandRun& run);
void StartPlainQuery(CommandRun& run);
void StartPresentationStyle(CommandRun& run);
void RunBingo(CommandRun& run);
void StopRunningStyle(CommandRun& run);

} // namespace qor
