#include "page/sources/PageSource.h"

#include "page/markup/PageParser.h"
#include "page/markup/PagePath.h"
#include "page/sources/PageFile.h"
#include "page/sources/PictureFile.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/WinPath.h"

#include <utility>

namespace qor {

PageSource::PageSource(PageDocument& document, PageHost& host) : m_document(document), m_host(host) {
    m_document.SetPictureReader(ReadPictureFile);
}

void PageSource::SetProgramFolder(std::string_view folder) {
    m_programFolder = WithTrailingSeparator(folder);
}

void PageSource::SetXPath(std::string_view folder) {
    std::string wanted = WithTrailingSeparator(folder);
    // A missing folder gives the program folder, so the program folder itself needs no look.
    if (wanted != m_programFolder && !DirectoryExists(folder))
        wanted = m_programFolder;
    m_document.pageFolder = std::move(wanted);
}

void PageSource::ResetPage() {
    m_document.Reset();
    Call(m_hooks.pageReset);
}

void PageSource::ParseFresh(std::string_view text) {
    PageParser parser(m_document, m_host);
    parser.Parse(text, ParseMode::Fresh);
    Call(m_hooks.pageParsed);
}

bool PageSource::SetXFile(std::string_view name) {
    if (name.empty()) {
        m_document.currentFile.clear();
        m_fullPath.clear();
        ResetPage();
        Call(m_hooks.render);
        return false;
    }
    std::string path = ResolvePagePath(m_document.pageFolder, name);
    if (!IsAbsolutePagePath(path))
        path.insert(0, m_programFolder);
    // Looked up once: the check and the read below use the same file.
    const std::optional<NativeFileInfo> file = FindNativeFile(path);
    if (!file) {
        std::string message = "Die Datei \"";
        message += path;
        message += "\" wurde nicht gefunden!";
        CurrentMessagePresenter().Show(message, "*qor", kMbIconError | kMbOk);
        return false;
    }
    // The parse needs the new folder and name (links and pictures resolve against them, a link to
    // the page itself makes no link); a page that turns out unreadable gives them back, so the page
    // still shown keeps working and a reload reads it again.
    std::string oldFolder = std::exchange(m_document.pageFolder, FolderPart(path));
    std::string oldFile = std::exchange(m_document.currentFile, FileNamePart(path));
    if (!LoadPageFile(path, PageLoad::Fresh, &*file)) {
        m_document.pageFolder = std::move(oldFolder);
        m_document.currentFile = std::move(oldFile);
        return false;
    }
    Call(m_hooks.afterLoad);
    return true;
}

bool PageSource::LoadPageFile(std::string_view name, PageLoad load) {
    return LoadPageFile(name, load, nullptr);
}

bool PageSource::LoadPageFile(std::string_view name, PageLoad load, const NativeFileInfo* found) {
    std::string path(name);
    if (!IsAbsolutePagePath(path)) {
        path.insert(0, m_document.pageFolder);
        found = nullptr; // the look-up was for the name as given
    }
    std::optional<NativeFileInfo> lookedUp;
    if (found == nullptr && (lookedUp = FindNativeFile(path))) {
        found = &*lookedUp;
    }
    // A file that is not there is still read: the message says why it cannot be (missing, a folder,
    // not readable).
    std::string text, error;
    const bool read = found != nullptr ? LoadFoundPageText(*found, path, m_fileCache, text, error)
                                       : LoadNativePageText(NativePath(path), path, text, error);
    if (!read) {
        ShowAppMessage(error, kMbIconExclamation | kMbOk);
        return false;
    }
    if (IsExerciseFile(path)) {
        ExerciseFile file;
        if (!ReadExerciseFile(text, file)) {
            ShowAppMessage("Falsches Format (ID)", kMbIconExclamation | kMbOk);
            return false;
        }
        m_exercise.Load(std::move(file));
        return NextExerciseItem();
    }
    if (load == PageLoad::Include) {
        PageParser parser(m_document, m_host);
        parser.Parse(text, ParseMode::Continue);
        return true;
    }
    ResetPage();
    m_fullPath = path;
    ParseFresh(text);
    return true;
}

void PageSource::StartExerciseSeries(int count, std::string_view continuation) {
    m_exercise.Start(count);
    m_continuation = continuation;
}

bool PageSource::NextExerciseItem() {
    if (!m_exercise.HasItems()) {
        ShowAppMessage("0 Aufgaben stehen zur Verfügung!"_cp, kMbIconInformation | kMbOk);
        return false;
    }
    SeedRandomFromClock();
    const std::size_t item = m_exercise.Next();
    ResetPage();
    m_document.linkAliases.Set("#next", m_exercise.Remaining() >= 1 ? "ex" : "");
    m_document.exerciseItem = true;
    ParseFresh(m_exercise.File().PageText(item));
    m_document.exerciseItem = false;
    return true;
}

bool PageSource::GoBack() {
    const std::optional<std::string> last = m_history.Pop();
    return last && SetXFile(*last);
}

} // namespace qor
