#pragma once
// Helpers for the library tests: a scratch folder, captured message boxes and entries in a line.

#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"
#include "vocab/AscFile.h"
#include "vocab/TBibliothek.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor::test {

class VocMessages {
public:
    VocMessages() { SetMessagePresenter(&m_presenter); }
    ~VocMessages() { SetMessagePresenter(nullptr); }
    VocMessages(const VocMessages&) = delete;
    VocMessages& operator=(const VocMessages&) = delete;

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const LoggedMessage& message : m_presenter.Messages())
            texts.push_back(message.text);
        return texts;
    }
    const std::vector<LoggedMessage>& All() const { return m_presenter.Messages(); }
    void Clear() { m_presenter.ClearMessages(); }

private:
    ScriptedMessagePresenter m_presenter;
};

inline TVokabel Voc(std::string vokabel, std::string bedeutung0, std::string bedeutung1 = {}, int wortart = 0,
                    bool deutsch = false) {
    TVokabel entry;
    entry.Vokabel = std::move(vokabel);
    entry.Bedeutung0 = std::move(bedeutung0);
    entry.Bedeutung1 = std::move(bedeutung1);
    entry.Wortart = wortart;
    entry.Deutsch = deutsch;
    return entry;
}

// A library holding `entries` (and the trailing blank), not marked as changed.
inline void Fill(TBibliothek& library, const std::vector<TVokabel>& entries) {
    library.Clear(BlankLine::Drop);
    for (const TVokabel& entry : entries)
        library.Add(entry);
    library.AddBlank();
    library.SetChanged(false);
}

inline std::vector<std::string> Headwords(const TBibliothek& library) {
    std::vector<std::string> words;
    for (int i = 0; i < library.Count(); ++i)
        words.push_back(library.Vokabel(i));
    return words;
}

class LibraryTest : public ::testing::Test {
protected:
    TempFolder m_temp;
    std::string m_folder = ProgramPath(m_temp.Path()) + "/";
    VocMessages m_messages;
    TBibliothek m_library;

    std::string MakeFile(const std::string& relative, const std::string& contents) {
        m_temp.MakeFile(relative, contents);
        return m_folder + relative;
    }
};

} // namespace qor::test
