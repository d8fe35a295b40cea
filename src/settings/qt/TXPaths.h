#pragma once
// The data-folder dialog "*qor französisch Verzeichnisse" (page command "paths"): the program and
// user folders on one tab, the four recording folders on the other.

#include "app/AppSettings.h"
#include "settings/FileChooser.h"
#include "settings/PathsChoice.h"
#include "settings/RecordingPrefixes.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace qor {

struct TXPathsServices {
    RecordingPrefixes* recordings = nullptr; // null: no recording index
    FileChooser* chooser = nullptr;          // null: the open-file dialog on screen
    // Writes the folder settings by their mask (the application passes SaveFolderSettings).
    std::function<void(int mask)> saveFolderSettings;
};

// The folders the dialog edits, taken from and given back to the settings.
PathFolders PathFoldersOf(const AppSettings& settings);
void StorePathFolders(const PathFolders& folders, AppSettings& settings);

class TXPaths : public QDialog {
    Q_OBJECT
public:
    TXPaths(AppSettings& settings, TXPathsServices services, QWidget* parent = nullptr);
    ~TXPaths() override;

    QTabWidget* Tabs() const { return m_tabs; }
    QLineEdit* Field(std::string_view name) const; // "eInstall", "eBenutzer", "eWave", "eUser", "eWi", "eRE"
    QPushButton* BrowseButton(std::string_view fieldName) const;
    // The folders as the fields show them.
    PathFolders Entered() const;
    // The mask of the last "OK" (0 before).
    int SavedMask() const { return m_mask; }

    void Browse(PathsBrowseField field);

public slots:
    void accept() override;

private:
    AppSettings& m_settings;
    TXPathsServices m_services;
    QTabWidget* m_tabs;
    int m_mask = 0;
};

} // namespace qor
