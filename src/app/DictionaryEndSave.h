#pragma once
// The dictionary at the end of the program: the changed halves are saved after the learner agreed,
// and where they went is remembered for the next start.

#include "app/LongLivedObjects.h"
#include "dictionary/DictionaryDialogs.h"
#include "platform/WriteProtection.h"

namespace qor {

class RegistryStore;
class TXDatabase;

// Saves the changed halves (asking first, and for another place when a file cannot be written) and
// writes the registry values "Datenbank1" (French-German) and "Datenbank2" (German-French) for each
// half that was saved. Without questions, each changed half goes to its own file, or else to a copy
// in the recovery folder that the next start names.
void SaveDictionaryAtEnd(TXDatabase& dictionary, WriteProtection protection, DictionaryDialogs& dialogs,
                         RegistryStore& registry, EndQuestions questions = EndQuestions::Ask);

// Where no dialog may be shown (scripted runs): every dialog counts as cancelled.
class CancelledDictionaryDialogs : public DictionaryDialogs {
public:
    std::optional<std::string> AskSavePath(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> AskOpenPath(std::string_view) override { return std::nullopt; }
};

} // namespace qor
