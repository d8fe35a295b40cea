#pragma once
// The wizard of a first start: two pages of the page folder that introduce the learner's record,
// then the choice how to log in, then the name (and password). It closes with OK and the name,
// or with Cancel when the learner chose not to log in.

#include <QDialog>
#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qor {

class TXPage;

class TXLogInWizard : public QDialog {
    Q_OBJECT
public:
    // `pageFolder`: where "_wizard1.htx" and "_wizard2.htx" are (a program path).
    explicit TXLogInWizard(const std::string& pageFolder, QWidget* parent = nullptr);

    int Step() const { return m_step; }
    std::string Name() const;     // Windows-1252
    std::string Password() const; // empty unless the learner chose name and password

    // The buttons and fields, for the script driver and the tests.
    QPushButton* BackButton() const { return m_back; }
    QPushButton* NextButton() const { return m_next; }
    QRadioButton* NameOnly() const { return m_nameOnly; }
    QRadioButton* NamePass() const { return m_namePass; }
    QRadioButton* NoName() const { return m_noName; }
    QLineEdit* NameField() const { return m_name; }
    QLineEdit* PasswordField() const { return m_password; }
    QLabel* NameNote() const { return m_newNameNote; }
    TXPage* Page() const { return m_page; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Next();
    void Back();
    void ShowStep();
    void UpdateNextCaption();

    int m_step = 1;
    TXPage* m_page;
    QFrame* m_choicePanel;
    QFrame* m_namePanel;
    QRadioButton* m_nameOnly;
    QRadioButton* m_namePass;
    QRadioButton* m_noName;
    QLineEdit* m_name;
    QLineEdit* m_password;
    QLabel* m_passwordLabel;
    QLabel* m_passwordNote;
    QLabel* m_newNameNote;
    QPushButton* m_back;
    QPushButton* m_next;
};

} // namespace qor
