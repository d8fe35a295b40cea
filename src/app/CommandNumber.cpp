#include "app/CommandNumber.h"

#include "platform/Cp1252.h"

#include <charconv>
#include <cstdint>

namespace qor {

CommandNumberError::CommandNumberError(std::string_view text)
    : std::runtime_error(InvalidNumberMessage(text)) {}

std::string InvalidNumberMessage(std::string_view text) {
    return "'" + std::string(text) + std::string("' ist kein gültiger ganzzahliger Wert"_cp);
}

int ReadCommandNumber(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // from_chars takes no sign of its own for "+", and a second sign must not slip through.
    if (rest.empty() || rest.front() < '0' || rest.front() > '9')
        throw CommandNumberError(text);
    std::int64_t magnitude = 0;
    auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
    if (error != std::errc() || end != rest.data() + rest.size())
        throw CommandNumberError(text);
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        throw CommandNumberError(text);
    return static_cast<int>(value);
}

} // namespace qor
