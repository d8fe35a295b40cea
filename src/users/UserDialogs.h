#pragma once
// The dialogs of the log-in, as the user records need them. The Qt front end shows the real
// windows; tests answer from a script. Every dialog returns nothing for Cancel.

#include <optional>
#include <string>
#include <vector>

namespace qor {

struct UserCredentials {
    std::string name;     // Windows-1252
    std::string password; // Windows-1252
};

struct PasswordChange {
    std::string oldPassword;
    std::string newPassword;
    std::string confirmation;
};

enum class NameField { Editable, Locked };

// What TXPasswort shows: the caption ("Passwort" when none is needed), the names offered in its
// drop-down list, the name filled in, and whether the learner may change the name.
struct PasswordRequest {
    std::string caption;
    std::vector<std::string> names;
    std::string presetName;
    NameField nameField = NameField::Editable;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // The password dialog (name combo box and password).
    virtual std::optional<UserCredentials> ShowTXPasswort(const PasswordRequest& request) = 0;
    // The change-password dialog: the name is shown locked.
    virtual std::optional<PasswordChange> ShowTXChangePW(const std::string& caption,
                                                         const std::string& name) = 0;
    // The first-start wizard. Nothing both for Cancel and for its "Nicht anmelden" choice; with
    // "Nur mit Namen" the password comes back empty. The wizard has already refused empty names
    // and names with forbidden characters.
    virtual std::optional<UserCredentials> ShowTXLogInWizard() = 0;
};

} // namespace qor
