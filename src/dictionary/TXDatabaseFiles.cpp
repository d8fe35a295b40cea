#include "dictionary/DictionaryFile.h"
#include "dictionary/TXDatabase.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/FileText.h"
#include "platform/MessagePresenter.h"
#include "platform/WinPath.h"
#include "platform/Zlib.h"

#include <algorithm>

namespace qor {

namespace {

// A user who keeps cancelling the save dialog while the old place stays unwritable is asked again;
// a scripted run that always says yes must still come to an end.
constexpr int kMaxSaveRounds = 50;

constexpr std::string_view kCrLf = "\r\n";
// Named once: clang 14 fails on a function that uses the same `_cp` literal twice.
constexpr std::string_view kDasWoerterbuch = "Das Wörterbuch "_cp;

// A chosen export file: the part before the first ".", wherever it stands in the path.
std::string ExportBase(std::string_view path) {
    return std::string(path.substr(0, path.find('.')));
}

// A chosen import file names one of the four ('wb_1a.txt'): the base ends two characters before
// its first ".".
std::string ImportBase(std::string_view path) {
    std::size_t dot = path.find('.');
    if (dot == std::string_view::npos || dot < 2)
        return std::string(path);
    return std::string(path.substr(0, dot - 2));
}

} // namespace

// [SECTION] Loading

bool TXDatabase::ReadFile(std::string_view path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    std::vector<DictionaryFileEntry> entries;
    if (FileFormOfPath(path) == DictionaryFileForm::Compressed) {
        std::string content;
        if (InflateZlib(bytes, content, kMaxDictionaryBytes) != InflateStatus::Ok)
            return false;
        entries = ParseDictionaryContent(content);
    } else {
        // A text dictionary may come back from another editor as UTF-8 or UTF-16; one with a
        // character the dictionary cannot hold adds nothing.
        const Cp1252FileText text = Cp1252FromFileBytes(bytes);
        if (text.unconvertibleLine > 0) {
            ShowAppMessage(UnconvertibleCharacterMessage(path, text.unconvertibleLine), kMbIconError);
            return true;
        }
        entries = ParseTextDictionary(text.text);
    }
    for (const DictionaryFileEntry& entry : entries)
        AddEntry(entry.word, entry.wordClass, entry.meaning);
    return true;
}

void TXDatabase::Load(std::string_view path) {
    Current().path = path;
    if (!ReadFile(path))
        ShowAppMessage("Fehler beim Laden des Wörterbuchs!"_cp, kMbIconError);
    Current().modified = false;
    Notify();
}

// [SECTION] Saving

std::string TXDatabase::HalfFileContent(DictionaryDirection direction) const {
    std::vector<TXDBEintrag> entries;
    entries.reserve(HalfOf(direction).entries.size());
    for (const auto& entry : HalfOf(direction).entries)
        entries.push_back(*entry);
    return DeflateZlib(DictionaryContent(entries));
}

bool TXDatabase::SaveHalfQuietly(DictionaryDirection direction) {
    Half& half = HalfOf(direction);
    // The old file is replaced by renaming, so a read-only old file does not stand in the way.
    if (!half.modified || half.path.empty() ||
        !WriteFileAtomically(NativePath(half.path), HalfFileContent(direction)))
        return false;
    half.modified = false;
    half.savedPath = half.path;
    return true;
}

bool TXDatabase::SaveHalf(DictionaryDialogs& dialogs) {
    Half& half = Current();
    half.savedPath.clear();
    if (!half.modified)
        return false;
    const std::string name(DirectionName());
    std::string path = half.path;
    for (int round = 0; round < kMaxSaveRounds; ++round) {
        if (!path.empty() && WriteFileAtomically(NativePath(path), HalfFileContent(m_direction))) {
            half.path = path;
            half.savedPath = path;
            ShowAppMessage(std::string(kDasWoerterbuch) + name + " wurde erfolgreich gespeichert.", 0);
            return true;
        }
        std::string question = std::string(kDasWoerterbuch) + name + " konnte nicht gespeichert werden. \r" +
                               "Soll es an einem anderen Ort gespeichert werden?\r\r" +
                               std::string("Achtung: Bei Nein gehen alle Veränderungen verloren."_cp);
        if (ShowAppMessage(question, kMbYesNo | kMbIconQuestion) == kIdNo)
            return false;
        std::optional<std::string> chosen =
            dialogs.AskSavePath(std::string("Wörterbuch "_cp) + name + " speichern", FileNamePart(path),
                                "QOR Wörterbücher (*.qor)|*.qor)"_cp);
        if (chosen)
            path = *chosen;
        if (!path.empty() && ExtensionPart(path).empty())
            path += ".qor";
    }
    return false;
}

void TXDatabase::SaveChanged(WriteProtection protection, DictionaryDialogs& dialogs) {
    if (protection == WriteProtection::On)
        return;
    if (!m_halves[0].modified && !m_halves[1].modified)
        return;
    if (ShowAppMessage("Das Wörterbuch wurde verändert. Sollen diese Veränderungen gespeichert werden?"_cp,
                       kMbYesNo | kMbIconQuestion) == kIdNo)
        return;
    // The window that would hear about the switch is on its way out.
    Select(DictionaryDirection::FrenchGerman);
    SaveHalf(dialogs);
    Select(DictionaryDirection::GermanFrench);
    SaveHalf(dialogs);
}

// [SECTION] Plain-text export and import

bool TXDatabase::ExportHalf(const std::string& base, std::string_view number) const {
    std::string words;
    std::string meanings;
    for (const auto& entry : Current().entries) {
        words += std::to_string(entry->Wortart) + "\t" + entry->Vokabel + std::string(kCrLf);
        meanings += entry->Bedeutung + std::string(kCrLf);
    }
    std::string stem = base + std::string(number);
    return WriteFileAtomically(NativePath(stem + "a.txt"), words) &&
           WriteFileAtomically(NativePath(stem + "b.txt"), meanings);
}

void TXDatabase::ExportText(DictionaryDialogs& dialogs) {
    std::optional<std::string> chosen = dialogs.AskSavePath("", "wb_.txt", "");
    if (!chosen)
        return;
    std::string base = ExportBase(*chosen);
    Select(DictionaryDirection::FrenchGerman);
    Notify();
    bool written = ExportHalf(base, "1");
    Select(DictionaryDirection::GermanFrench);
    Notify();
    written = ExportHalf(base, "2") && written;
    if (written)
        ShowAppMessage("Dateien wurden exportiert.", 0);
    else
        ShowAppMessage("Dateien konnten nicht exportiert werden!", kMbIconError);
}

bool TXDatabase::ReadImportFiles(const std::string& base, std::array<std::string, 4>& texts) {
    constexpr std::array<std::string_view, 4> kNames = {"1a.txt", "1b.txt", "2a.txt", "2b.txt"};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const std::string file = base + std::string(kNames[i]);
        std::string bytes;
        ReadWholeFile(file, bytes);
        Cp1252FileText text = Cp1252FromFileBytes(bytes);
        if (text.unconvertibleLine > 0) {
            ShowAppMessage(UnconvertibleCharacterMessage(file, text.unconvertibleLine), kMbIconError);
            return false;
        }
        texts[i] = std::move(text.text);
    }
    return true;
}

void TXDatabase::ImportHalf(const std::string& words, const std::string& meanings, int errorFlags) {
    std::vector<std::string_view> wordLines = SplitTextLines(words);
    std::vector<std::string_view> meaningLines = SplitTextLines(meanings);
    std::size_t lines = std::min(wordLines.size(), meaningLines.size());
    for (std::size_t i = 0; i < lines; ++i) {
        std::string_view line = wordLines[i];
        if (line.size() < 2 || line[1] != '\t') {
            ShowAppMessage("Fehler beim Import", errorFlags);
            return;
        }
        AddEntry(line.substr(2), line.substr(0, 1), meaningLines[i]);
    }
}

void TXDatabase::ImportText(DictionaryDialogs& dialogs) {
    std::optional<std::string> chosen = dialogs.AskOpenPath("*.txt");
    if (!chosen)
        return;
    std::string base = ImportBase(*chosen);
    for (std::string_view name : {"1a.txt", "1b.txt", "2a.txt", "2b.txt"}) {
        if (!FileExists(base + std::string(name))) {
            ShowAppMessage("Zu importierende Dateien wurden nicht gefunden!", 0);
            return;
        }
    }
    // All four are read and converted before anything is deleted: a file that cannot be converted
    // leaves both halves as they are, and the learner is not asked about a deletion that will not come.
    std::array<std::string, 4> texts;
    if (!ReadImportFiles(base, texts))
        return;
    if (ShowAppMessage("Importieren des Wörterbuchs löscht das aktuelle!"_cp, kMbOkCancel) != kIdOk)
        return;
    Select(DictionaryDirection::FrenchGerman);
    Notify();
    DeleteAll();
    ImportHalf(texts[0], texts[1], kMbOk);
    Select(DictionaryDirection::GermanFrench);
    Notify();
    DeleteAll();
    ImportHalf(texts[2], texts[3], kMbOkCancel);
    ShowAppMessage("Dateien wurden importiert.", 0);
}

} // namespace qor
