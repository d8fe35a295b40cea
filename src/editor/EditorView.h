#pragma once
// What the vocabulary editor's window offers its core: fields to fill and read, the list, focus and
// selections, the flags and the dictionary panel. The window forwards its clicks and edits to the
// core; calls from the core into the view must not come back as such notifications.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class EditorField { Vokabel, Bedeutung0, Bedeutung1, Kontext0, Kontext1, DBVokabel, DBBedeutung };

// The entry frame's values as `ShowVokabel` puts them in.
struct EntryFieldTexts {
    std::string vokabel;
    std::string bedeutung0;
    std::string bedeutung1;
    std::string kontext0;
    std::string kontext1;
    bool ktxDazu0 = false;
    bool ktxDazu1 = false;
    int wortart = 0;
    int schwierigkeit = 0;
    bool operator==(const EntryFieldTexts&) const = default;
};

// The dictionary panel `WP`; `wortart` is the selection index of `DBWortart` (0..5).
struct DictionaryPanelTexts {
    std::string vokabel;
    std::string bedeutung;
    int wortart = 0;
    bool operator==(const DictionaryPanelTexts&) const = default;
};

class EditorView {
public:
    virtual ~EditorView() = default;

    // `Position1` (from 1) and `Position2` (the count).
    virtual void SetPosition(int position, int count) = 0;
    virtual void SetEntryFields(const EntryFieldTexts& fields) = 0;
    virtual void SetFieldText(EditorField field, std::string_view text) = 0;
    virtual void SetWortart(int wortart) = 0;
    // German flag above the French one: the entry's headword is German.
    virtual void SetGermanFlagOnTop(bool germanOnTop) = 0;
    virtual void FocusField(EditorField field) = 0;
    virtual void SelectFieldText(EditorField field, int start, int length) = 0;

    virtual void SetListLines(const std::vector<std::string>& lines) = 0;
    virtual void SetListLine(int index, std::string_view line) = 0;
    virtual void AppendListLine(std::string_view line) = 0;
    virtual int ListLineCount() const = 0;
    virtual void SelectListLine(int index) = 0;

    virtual void SetDictionaryPanel(const DictionaryPanelTexts& panel) = 0;
    virtual std::string DirectionCaption() const = 0;
    virtual void SetDirectionCaption(std::string_view caption) = 0;

    // `FileLabel`.
    virtual void SetFileLabel(std::string_view name) = 0;
    // The captions "&1 " .. "&4 " + name of the recent-file menu items.
    virtual void SetRecentFileItems(const std::array<std::string, 4>& captions) = 0;
    // The stored recording of the headword (empty: the speaker button is hidden).
    virtual void SetRecordingPath(std::string_view path) = 0;

    // Lets pending window events run during a long check (an abort click arrives here).
    virtual void ProcessMessages() = 0;
};

} // namespace qor
