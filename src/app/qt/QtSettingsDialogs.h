#pragma once
// The settings dialogs that page commands open on the screen: the data folders, the superlearning
// options, the recording format and the management window of the recording index. The learner's
// own dialogs (log-in, password, statistics) come through the user database's services.

#include "app/CommandServices.h"

#include <string>

class QWidget;

namespace qor {

class ProgramObjects;

class QtSettingsDialogs : public DialogService {
public:
    // `parent` is the main window the dialogs belong to.
    QtSettingsDialogs(ProgramObjects& objects, QWidget* parent) : m_objects(objects), m_parent(parent) {}

    void RecordingSettings() override;
    void RecordingsManagement() override;
    // The management window with the entry of `text` (a new one when there is none) naming `file`:
    // after the editor saved a take.
    void ManageRecording(const std::string& text, const std::string& file);
    void SuperlearningSettings() override;
    void DataPaths() override;
    // Not reached: the user database's services answer these.
    void ChangePassword() override {}
    void Statistics() override {}
    void LogIn() override {}
    void NewUser() override {}
    void ChangeUser() override {}

private:
    ProgramObjects& m_objects;
    QWidget* m_parent;
};

} // namespace qor
