#pragma once
// The user file "<name>_F.qob": one zlib stream of zero-terminated Windows-1252 strings,
//     name:password, "!" + learning time ("HH:MM:SS"), then key, scores, modes for each record.
// A file of no bytes at all is a user who has not saved yet.

#include "users/TXUserVoc.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The text without blanks and control characters at either end, as the file's strings are read.
std::string TrimmedField(std::string_view text);

struct UserFileContent {
    std::string credentials; // name + ":" + password, compared as it stands
    double learningTime = 0; // fraction of a day; an unreadable or missing time reads as 0
    std::vector<TXUserVoc> records;
};

enum class UserFileState {
    Empty,   // no content (a freshly created user)
    Content, // credentials, time and records were read
    Damaged, // not a complete zlib stream, or larger than we accept
};

// User files hold a few thousand records; anything that inflates beyond this is not one of ours.
inline constexpr std::size_t kUserFileTextLimit = std::size_t{32} << 20;

// name + ":" + password (no colon is added for nothing; an empty password leaves "name:").
std::string CredentialsText(std::string_view name, std::string_view password);

// Splits the inflated text. Any bytes are accepted: a final string without its 0 byte still
// counts, record strings are trimmed of blanks and control characters, and a last record that
// lacks its scores or modes gets them empty.
UserFileContent ParseUserFileText(std::string_view text);
// The inflated text of `content`; the learning time is written as a time of day.
std::string UserFileText(const UserFileContent& content);

// Inflates and splits the bytes of a user file.
UserFileState DecodeUserFile(std::string_view fileBytes, UserFileContent& content);
// The bytes of a user file.
std::string EncodeUserFile(const UserFileContent& content);

} // namespace qor
