#pragma once
// Numbers inside page commands ("thema 3", "sr2", "showverb12", "sm4"). A page that sends a
// non-number there is faulty; the command loop ends and the learner sees the reason.

#include <stdexcept>
#include <string>
#include <string_view>

namespace qor {

// what() is the Windows-1252 message for the learner.
class CommandNumberError : public std::runtime_error {
public:
    explicit CommandNumberError(std::string_view text);
};

// "'xy' ist kein gültiger ganzzahliger Wert"
std::string InvalidNumberMessage(std::string_view text);

// A decimal integer of 32 bits: leading blanks, then an optional sign, then digits and nothing
// else. Throws CommandNumberError otherwise.
int ReadCommandNumber(std::string_view text);

} // namespace qor
