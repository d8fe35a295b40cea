#include "app/RecoveryCopies.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace qor {

namespace {

constexpr std::string_view kNoteFile = "Gesichert.txt";
constexpr int kMaxCopyNumber = 1000;

std::string FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value != '/')
        return {};
    return ProgramPath(std::filesystem::path(value));
}

std::string NumberedName(std::string_view fileName, int number) {
    if (number == 1)
        return std::string(fileName);
    const std::string extension = ExtensionPart(fileName);
    const std::string_view stem = fileName.substr(0, fileName.size() - extension.size());
    return std::string(stem) + " (" + std::to_string(number) + ")" + extension;
}

} // namespace

std::string RecoveryFolder() {
    std::string base = FromEnvironment("XDG_DATA_HOME");
    if (base.empty()) {
        const std::string home = FromEnvironment("HOME");
        if (home.empty())
            return {};
        base = WithTrailingSeparator(home) + ".local/share";
    }
    return WithTrailingSeparator(WithTrailingSeparator(base) + "qor");
}

std::optional<std::string> WriteRecoveryCopy(std::string_view fileName, std::string_view contents) {
    const std::string folder = RecoveryFolder();
    if (folder.empty() || fileName.empty())
        return std::nullopt;
    std::error_code error;
    std::filesystem::create_directories(NativePath(folder), error);
    for (int number = 1; number <= kMaxCopyNumber; ++number) {
        const std::string path = folder + NumberedName(fileName, number);
        if (PathExists(path))
            continue;
        if (WriteFileAtomically(NativePath(path), contents))
            return path;
        return std::nullopt;
    }
    return std::nullopt;
}

void NoteRecoveryForNextStart(std::string_view what, std::string_view path) {
    const std::string folder = RecoveryFolder();
    if (folder.empty())
        return;
    std::ofstream note(NativePath(folder + std::string(kNoteFile)), std::ios::binary | std::ios::app);
    note << what << ": " << path << "\r\n";
}

void ReportRecoveryCopiesOfLastRun() {
    const std::string folder = RecoveryFolder();
    if (folder.empty())
        return;
    const std::string notePath = folder + std::string(kNoteFile);
    std::string lines;
    if (!FileExists(notePath) || !ReadWholeFile(notePath, lines))
        return;
    std::error_code error;
    std::filesystem::remove(NativePath(notePath), error);
    while (!lines.empty() && (lines.back() == '\n' || lines.back() == '\r'))
        lines.pop_back();
    if (lines.empty())
        return;
    std::string text("Beim letzten Beenden konnte nicht alles an seinem Platz gespeichert werden. "
                     "Diese Sicherungskopien wurden angelegt:\r\r"_cp);
    for (char c : lines)
        if (c != '\n')
            text += c;
    ShowAppMessage(text, kMbIconExclamation);
}

} // namespace qor
