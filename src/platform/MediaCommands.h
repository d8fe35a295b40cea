#pragma once
// The multimedia command-string interface ("open ... alias welle", "play welle from 0", ...).
// Replies are texts; a failed command replies "Error" followed by its error number.

#include <string>
#include <string_view>

namespace qor {

class MediaCommandSender {
public:
    virtual ~MediaCommandSender() = default;
    // Runs one command and returns the reply ("" for success without data).
    virtual std::string Send(std::string_view command) = 0;
    // The text of an error number, as the reply's "Error<n>" gives it.
    virtual std::string ErrorText(int errorNumber) = 0;
};

// The error a sender reports when there is no sound output at all (the multimedia code for a
// driver that cannot be loaded).
inline constexpr int kMediaErrorNoDriver = 266;

// Refuses every command with kMediaErrorNoDriver: the sender while no sound output is set. Every
// error number has the text "Die Wiedergabe von Klängen ist nicht verfügbar.".
class NullMediaCommandSender : public MediaCommandSender {
public:
    std::string Send(std::string_view command) override;
    std::string ErrorText(int errorNumber) override;
};

MediaCommandSender& CurrentMediaCommandSender();
void SetMediaCommandSender(MediaCommandSender* sender); // not owned; nullptr restores the null sender

} // namespace qor
