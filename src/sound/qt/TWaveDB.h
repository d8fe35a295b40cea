#pragma once
// "Verwaltung der Sprachaufnahmen": browsing and editing the recording index. While open it
// observes the index and shows its current entry; it plays recordings under the alias "satz".

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qor {

class MediaCommandSender;
class TXWaveBase;

// What the window needs of the application: path resolution and the own-recordings folder
// (both live with the application's settings), and the open dialog of "Durchsuchen..." (the
// toolkit's file dialog when not given).
struct WaveDBServices {
    std::function<std::string(std::string_view path)> resolve; // an existing file, or ""
    std::function<std::string()> ownRecordingsFolder;
    std::function<void(const std::string& folder)> setOwnRecordingsFolder;
    std::function<std::optional<std::string>()> chooseWaveFile;
};

class TWaveDB : public QDialog {
    Q_OBJECT
public:
    TWaveDB(TXWaveBase& base, MediaCommandSender& sender, WaveDBServices services, QWidget* parent = nullptr);
    ~TWaveDB() override;

    QLineEdit* SearchField() const { return m_search; }
    QLineEdit* TextField() const { return m_text; }
    QLineEdit* PathField() const { return m_path; }
    QLabel* Counter() const { return m_counter; }
    QPushButton* FirstButton() const { return m_first; }
    QPushButton* PreviousButton() const { return m_previous; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* LastButton() const { return m_last; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* BrowseButton() const { return m_browse; }
    QPushButton* PlayButton() const { return m_play; }
    QPushButton* SortButton() const { return m_sort; }

    void Browse();
    void PlayCurrent();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowCurrent();
    void Navigate(void (TXWaveBase::*move)());
    void Detach();

    TXWaveBase& m_base;
    MediaCommandSender& m_sender;
    WaveDBServices m_services;
    bool m_attached = true;
    QLineEdit* m_search;
    QLineEdit* m_text;
    QLineEdit* m_path;
    QLabel* m_counter;
    QPushButton* m_first;
    QPushButton* m_previous;
    QPushButton* m_next;
    QPushButton* m_last;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_browse;
    QPushButton* m_play;
    QPushButton* m_sort;
};

} // namespace qor
