#pragma once
// The long-lived data objects that the start-up creates and Beenden frees: the vocabulary library
// with its recent files, the theme list, the dictionary, the recording index, the user database, the
// query settings, the resource object, the option object, the wave recorder and the backdrop. The
// start-up and Beenden decide the order; each object's own loading, saving and questions belong to
// its implementation. A free of an object that does not exist does nothing.

#include "app/RecordingIndex.h"
#include "dictionary/DictionaryDirection.h"
#include "platform/WriteProtection.h"
#include "vocab/TLastFiles.h"

#include <cstdint>
#include <string>

namespace qor {

class RegistryStore;

// Whether the end of the program may ask the learner (Beenden) or must not (a signal, the desktop
// session ending): then everything changed is saved where it belongs, or copied to the recovery
// folder, and the next start tells.
enum class EndQuestions { Ask, None };

class LongLivedObjects {
public:
    virtual ~LongLivedObjects() = default;

    // [Start-up]
    virtual void CreateVocabularyLibrary() = 0;
    virtual void CreateThemeList() = 0;
    virtual void CreateDictionary() = 0;
    // Selects the direction and loads `file` into it.
    virtual void LoadDictionary(DictionaryDirection direction, const std::string& file) = 0;
    virtual void CreateRecordingIndex() = 0;
    virtual void LoadRecordingIndex(const std::string& file) = 0;
    virtual void CreateUserDatabase() = 0;
    // The log-in of the user database (it may show its own dialogs).
    virtual void RunLogIn() = 0;

    // [Access] nullptr while the object does not exist.
    virtual TLastFiles* RecentFiles() = 0; // the vocabulary library's list
    virtual const RecordingIndex* Recordings() const = 0;

    // [End of program] in the order Beenden calls them.
    // Without questions only: a changed library goes to its own file, an unnamed one (or one whose
    // file cannot be written) to the recovery folder.
    virtual void SaveChangedLibrary() = 0;
    virtual void FreeVocabularyLibrary() = 0;
    virtual void FreeQuerySettings() = 0;
    virtual void FreeResourceObject() = 0;
    virtual void FreeThemeList() = 0;
    virtual bool RecordingIndexChanged() const = 0;
    // Sorts and saves the recording index to the file it came from (reporting as it needs to).
    virtual void SaveRecordingIndex(EndQuestions questions) = 0;
    virtual void FreeRecordingIndex() = 0;
    virtual void FreeOptions() = 0;
    virtual void SaveUserDatabase(EndQuestions questions) = 0;
    virtual void FreeUserDatabase() = 0;
    virtual void FreeWaveRecorder() = 0;
    // Saves the changed halves of the dictionary (asking first) and remembers where they went.
    virtual void SaveDictionary(RegistryStore& registry, WriteProtection protection,
                                EndQuestions questions) = 0;

    // [Backdrop] created by the main window; Beenden reads its colour and frees it.
    virtual bool HasBackdrop() const = 0;
    virtual std::int32_t BackdropColour() const = 0;
    virtual bool BackdropVisible() const = 0;
    virtual void FreeBackdrop() = 0;
};

} // namespace qor
