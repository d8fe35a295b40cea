// Reading and writing the library: .asc files, imported text and the random area library.
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/FileText.h"
#include "platform/Random.h"
#include "platform/WinPath.h"
#include "vocab/AscFile.h"
#include "vocab/TBibliothek.h"
#include "vocab/TextImport.h"

#include <algorithm>
#include <filesystem>

namespace qor {

namespace {

std::string_view NotFoundMessage() {
    return "Datei konnte nicht gefunden werden!";
}

std::string_view OpenFailedMessage() {
    return "Fehler beim Öffnen!"_cp;
}

std::string_view DamagedMessage() {
    return "Die Datei hat ein falsches Format oder ist beschädigt!"_cp;
}

std::string_view SaveFailedMessage() {
    return "Fehler beim Speichern der Bibliothek - \rMedium ist voll oder schreibgeschützt!?!"_cp;
}

enum class FileRead { Read, Failed, Unconvertible };

// The whole file in Windows-1252 (converted from UTF-8 or UTF-16 when saved so), or a message and
// nothing.
FileRead ReadLibraryFile(std::string_view file, std::string& contents) {
    if (!FileExists(file)) {
        ShowAppMessage(NotFoundMessage(), kMbIconError);
        return FileRead::Failed;
    }
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) {
        ShowAppMessage(OpenFailedMessage(), kMbIconError);
        return FileRead::Failed;
    }
    Cp1252FileText converted = Cp1252FromFileBytes(bytes);
    if (converted.unconvertibleLine > 0) {
        ShowAppMessage(UnconvertibleCharacterMessage(file, converted.unconvertibleLine), kMbIconError);
        return FileRead::Unconvertible;
    }
    contents = std::move(converted.text);
    return FileRead::Read;
}

bool IsAscFile(const std::filesystem::path& path) {
    return LowerCp1252(ProgramPath(path.extension())) == ".asc";
}

// Sorted, so a seeded random source picks the same files on every file system.
std::vector<std::string> AscFilesBelow(std::string_view folder) {
    std::vector<std::string> files;
    std::error_code error;
    const std::filesystem::path root = NativePath(folder);
    auto options = std::filesystem::directory_options::skip_permission_denied;
    for (std::filesystem::recursive_directory_iterator it(root, options, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error) && IsAscFile(it->path()))
            files.push_back(ProgramPath(it->path()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

void TBibliothek::FinishReading(std::string_view file) {
    m_fileName = std::string(file);
    SetQueryEnd(Count() - 1);
    ComputeScores();
    EnsureTrailingBlank();
    m_changed = false;
}

// A file that holds a character the library cannot store leaves the library as it was; one that
// cannot be opened still costs a library being replaced its entries.
bool TBibliothek::Load(std::string_view file, LoadMode mode) {
    std::string contents;
    const FileRead read = ReadLibraryFile(file, contents);
    if (read == FileRead::Unconvertible)
        return false;
    if (mode == LoadMode::Replace)
        Clear(BlankLine::Keep);
    if (read == FileRead::Failed)
        return false;

    AscContent content = ParseAsc(contents);
    DropTrailingBlank();
    std::move(content.entries.begin(), content.entries.end(), std::back_inserter(m_entries));
    if (content.damaged)
        ShowAppMessage(DamagedMessage(), kMbIconError);
    FinishReading(file);
    return true;
}

std::string TBibliothek::AscText() const {
    return FormatAsc(std::vector<TVokabel>(m_entries.begin(), m_entries.begin() + Count()));
}

bool TBibliothek::Save(std::string_view file) {
    const std::string target(file.empty() ? std::string_view(m_fileName) : file);
    if (target.empty() || !WriteFileAtomically(NativePath(target), AscText())) {
        // The entries stay marked as changed: the learner is asked again before they are lost.
        ShowAppMessage(SaveFailedMessage(), kMbIconError);
        return false;
    }
    m_fileName = target;
    m_changed = false;
    return true;
}

bool TBibliothek::Import(std::string_view file, std::string_view layout, std::string_view separator) {
    std::string contents;
    const FileRead read = ReadLibraryFile(file, contents);
    if (read == FileRead::Unconvertible)
        return false;
    Clear(BlankLine::Keep);
    if (read == FileRead::Failed)
        return false;
    DropTrailingBlank();
    for (TVokabel& entry : ImportText(contents, layout, separator))
        m_entries.push_back(std::move(entry));
    FinishReading(file);
    return true;
}

void TBibliothek::LoadRandomArea(std::string_view folder) {
    const std::string source(folder.empty() ? std::string_view(m_randomAreaFolder) : folder);
    Clear(BlankLine::Keep);
    std::vector<std::string> files = AscFilesBelow(source);
    if (files.empty())
        return;
    while (static_cast<int>(files.size()) > kRandomAreaMaxFiles)
        files.erase(files.begin() + RandomBelow(static_cast<int>(files.size())));
    while (!files.empty() && Count() <= kRandomAreaEntryLimit) {
        const auto picked = files.begin() + RandomBelow(static_cast<int>(files.size()));
        Load(*picked, LoadMode::Append);
        files.erase(picked);
    }
    m_randomAreaFolder = source;
    // The assembled library belongs to none of its source files: a save must not overwrite one.
    m_fileName.clear();
    m_changed = false;
}

} // namespace qor
