#pragma once
// Where a page's text comes from: the page folder and file (`XPath`, `XFile`), page files plain
// and packed, exercise series and the page history. Parsing goes into the page's document; what
// the page control does around a load (its own reset, layout, the steps after a load, rendering)
// it plugs in through the hooks.

#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/sources/ExerciseSeries.h"
#include "page/sources/PageFileCache.h"
#include "page/sources/PageHistory.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace qor {

enum class PageLoad {
    Fresh,   // a new page: reset, then parse from the initial style
    Include, // INCLUDE: parse into the current page
};

struct PageSourceHooks {
    std::function<void()> pageReset;  // the page control's share of the page reset
    std::function<void()> pageParsed; // lay out the page that was just parsed
    std::function<void()> afterLoad;  // the steps after a page load through `XFile`
    std::function<void()> render;     // render the page (the empty page of an empty `XFile`)
};

class PageSource {
public:
    // Pictures of the document are read from files and the program's embedded pictures from now on.
    PageSource(PageDocument& document, PageHost& host);

    void SetHooks(PageSourceHooks hooks) { m_hooks = std::move(hooks); }
    // The folder of the program file (a program path); `XPath` falls back to it.
    void SetProgramFolder(std::string_view folder);
    const std::string& ProgramFolder() const { return m_programFolder; }

    const std::string& XPath() const { return m_document.pageFolder; }
    // An existing folder becomes the page folder; anything else gives the program folder.
    void SetXPath(std::string_view folder);
    const std::string& XFile() const { return m_document.currentFile; }
    // Shows the page `name` (resolved against the page folder); an empty name shows an empty page.
    // A missing file leaves the old page and tells the learner. False when nothing was loaded.
    bool SetXFile(std::string_view name);
    // The full path of the page shown (empty when none), as the history keeps it.
    const std::string& FullPath() const { return m_fullPath; }

    // Loads a page file; a name without a drive is taken relative to the page folder. An exercise
    // file starts its series with the first item. False (after a message) when nothing was loaded.
    bool LoadPageFile(std::string_view name, PageLoad load);

    // An "EX" command: the number of items to ask (-1: the file's own), and where the series leads
    // out to. The recently shown items are forgotten.
    void StartExerciseSeries(int count, std::string_view continuation);
    const std::string& ContinuationTarget() const { return m_continuation; }
    // The next item of the exercise series as a fresh page (the "EX" link); the caller renders it.
    // False when the file has no items.
    bool NextExerciseItem();
    const ExerciseSeries& Exercise() const { return m_exercise; }

    // Before the page is left: remember it for "-".
    void RememberPage(HistoryRule rule) { m_history.Add(m_fullPath, rule); }
    // "-": the last page remembered is removed from the history and shown. False when there is none
    // (nothing happens then) or it cannot be shown.
    bool GoBack();
    const PageHistory& History() const { return m_history; }

private:
    // LoadPageFile with the file of `name` when the caller has found it already (null: look it up
    // here).
    bool LoadPageFile(std::string_view name, PageLoad load, const NativeFileInfo* found);
    void ResetPage();
    void ParseFresh(std::string_view text);
    static void Call(const std::function<void()>& hook) {
        if (hook)
            hook();
    }

    PageDocument& m_document;
    PageHost& m_host;
    PageSourceHooks m_hooks;
    std::string m_programFolder;
    std::string m_fullPath;
    ExerciseSeries m_exercise;
    PageFileCache m_fileCache;
    std::string m_continuation;
    PageHistory m_history;
};

} // namespace qor
