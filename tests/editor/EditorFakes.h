#pragma once
// A window and dialogs for the editor core that only remember what they were told, plus a small
// library and dictionary to work on.

#include "dictionary/TXDatabase.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorView.h"
#include "editor/TVocEditorCore.h"
#include "platform/MessageCapture.h"
#include "settings/QueuedFileChooser.h"
#include "vocab/TBibliothek.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace qor::test {

class FakeEditorView : public EditorView {
public:
    int position = 0;
    int count = 0;
    EntryFieldTexts fields;
    std::map<EditorField, std::string> texts;
    bool germanOnTop = false;
    std::vector<std::string> lines;
    int selectedLine = -1;
    DictionaryPanelTexts panel;
    std::string directionCaption = "Deutsch-F";
    std::string fileLabel;
    std::array<std::string, 4> recentItems;
    std::string recordingPath;
    EditorField focus = EditorField::DBBedeutung;
    struct Selection {
        EditorField field;
        int start;
        int length;
        bool operator==(const Selection&) const = default;
    };
    std::optional<Selection> selection;
    int processed = 0;
    std::function<void()> onProcessMessages;

    void SetPosition(int position1, int count1) override {
        position = position1;
        count = count1;
    }
    void SetEntryFields(const EntryFieldTexts& values) override {
        fields = values;
        texts[EditorField::Vokabel] = values.vokabel;
        texts[EditorField::Bedeutung0] = values.bedeutung0;
        texts[EditorField::Bedeutung1] = values.bedeutung1;
        texts[EditorField::Kontext0] = values.kontext0;
        texts[EditorField::Kontext1] = values.kontext1;
    }
    void SetFieldText(EditorField field, std::string_view text) override { texts[field] = std::string(text); }
    void SetWortart(int wortart) override { fields.wortart = wortart; }
    void SetGermanFlagOnTop(bool on) override { germanOnTop = on; }
    void FocusField(EditorField field) override { focus = field; }
    void SelectFieldText(EditorField field, int start, int length) override {
        selection = Selection{field, start, length};
    }
    void SetListLines(const std::vector<std::string>& values) override { lines = values; }
    void SetListLine(int index, std::string_view line) override {
        lines.at(static_cast<std::size_t>(index)) = std::string(line);
    }
    void AppendListLine(std::string_view line) override { lines.emplace_back(line); }
    int ListLineCount() const override { return static_cast<int>(lines.size()); }
    void SelectListLine(int index) override { selectedLine = index; }
    void SetDictionaryPanel(const DictionaryPanelTexts& values) override { panel = values; }
    std::string DirectionCaption() const override { return directionCaption; }
    void SetDirectionCaption(std::string_view caption) override { directionCaption = std::string(caption); }
    void SetFileLabel(std::string_view name) override { fileLabel = std::string(name); }
    void SetRecentFileItems(const std::array<std::string, 4>& captions) override { recentItems = captions; }
    void SetRecordingPath(std::string_view path) override { recordingPath = std::string(path); }
    void ProcessMessages() override {
        ++processed;
        if (onProcessMessages)
            onProcessMessages();
    }
};

class FakeEditorDialogs : public EditorDialogs {
public:
    QueuedFileChooser open;
    QueuedFileChooser save;
    std::optional<ImportSettings> importAnswer;
    std::vector<ImportSettings> importPresets;
    std::optional<SearchRequest> searchAnswer;
    std::vector<SearchRequest> searchPresets;
    std::optional<RandomLibraryRequest> randomAnswer;

    FileChooser& OpenFileChooser() override { return open; }
    FileChooser& SaveFileChooser() override { return save; }
    std::optional<ImportSettings> ImportAssistant(const ImportSettings& preset) override {
        importPresets.push_back(preset);
        return importAnswer;
    }
    std::optional<SearchRequest> SearchDialog(const SearchRequest& preset) override {
        searchPresets.push_back(preset);
        return searchAnswer;
    }
    std::optional<RandomLibraryRequest> RandomLibraryDialog() override { return randomAnswer; }
};

struct EntryRow {
    std::string vokabel;
    std::string bedeutung0;
    int wortart = 0;
    bool deutsch = false;
    std::string bedeutung1 = {};
    std::string kontext0 = {};
};

inline TVokabel MakeEntry(const EntryRow& row) {
    TVokabel entry;
    entry.Vokabel = row.vokabel;
    entry.Bedeutung0 = row.bedeutung0;
    entry.Bedeutung1 = row.bedeutung1;
    entry.Kontext0 = row.kontext0;
    entry.Wortart = row.wortart;
    entry.Deutsch = row.deutsch;
    return entry;
}

// The entries followed by the blank new-entry line, unchanged.
inline void FillLibrary(TBibliothek& library, const std::vector<EntryRow>& entries) {
    library.Clear(BlankLine::Drop);
    for (const EntryRow& row : entries)
        library.Add(MakeEntry(row));
    library.AddBlank();
    library.SetChanged(false);
}

struct DictionaryRow {
    std::string vokabel;
    int wortart; // 1..6
    std::string bedeutung;
};

inline void FillHalf(TXDatabase& dictionary, DictionaryDirection half,
                     const std::vector<DictionaryRow>& entries) {
    dictionary.SetDirection(half);
    for (const DictionaryRow& row : entries)
        dictionary.AddEntry(row.vokabel, std::to_string(row.wortart), row.bedeutung);
    dictionary.SetDirection(DictionaryDirection::FrenchGerman);
}

// An editor core on a library and a dictionary with fake window and dialogs; the tests fill both
// in SetUp and start the core with the entries they need.
class EditorCoreFixture : public ::testing::Test {
protected:
    TVocEditorCore& StartCore(EditorMode mode = EditorMode::Trainer, EditorEnvironment environment = {}) {
        m_core = std::make_unique<TVocEditorCore>(library, &dictionary, view, dialogs, mode,
                                                  std::move(environment));
        m_core->Start();
        messages.Clear();
        return *m_core;
    }

    TBibliothek library;
    TXDatabase dictionary;
    FakeEditorView view;
    FakeEditorDialogs dialogs;
    MessageCapture messages;

private:
    std::unique_ptr<TVocEditorCore> m_core;
};

} // namespace qor::test
