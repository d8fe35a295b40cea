#pragma once
// The error numbers of the multimedia command engine. They follow the numbers the command-string
// interface has always used, so replies such as "Error263" mean the same as they did.

#include <string>

namespace qor {

enum MediaError : int {
    kMediaOk = 0,
    kMediaUnknownKeyword = 259,
    kMediaUnknownCommand = 261,
    kMediaDeviceNotOpen = 263, // no device under that alias
    kMediaOutOfMemory = 264,
    kMediaNoDriver = 266, // no sound output at all (kMediaErrorNoDriver)
    kMediaMissingCommand = 267,
    kMediaBadInteger = 270,
    kMediaMissingParameter = 273,
    kMediaUnsupported = 274,
    kMediaFileNotFound = 275,
    kMediaOutOfRange = 282,
    kMediaFileNotSaved = 286,
    kMediaDeviceTypeRequired = 287,
    kMediaDuplicateAlias = 289,
    kMediaMissingDeviceName = 292,
    kMediaBadTimeFormat = 293,
    kMediaNoClosingQuote = 294,
    kMediaInvalidFile = 304,
    kMediaNoOutput = 326,
    kMediaNoInput = 328,
};

// The German text of an error number (Windows-1252); a general text for numbers we never give.
std::string MediaErrorText(int errorNumber);

// "Error" + the number: the reply of a failed command.
std::string MediaErrorReply(int errorNumber);

} // namespace qor
