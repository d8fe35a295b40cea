#pragma once
// The document model of one page and the registers that its tags fill. The parser writes here;
// layout, painting and interaction read from here. Everything is Windows-1252 text.

#include "page/controls/tDragAufgabenListe.h"
#include "page/controls/tSatzbauListe.h"
#include "page/markup/PageRecords.h"
#include "page/markup/TextStyle.h"
#include "page/render/PageContainers.h"
#include "page/render/PictureCache.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class ControlHost;
class PageRecorder;
class TPageEdit;
class TXMultipleChoice;
class TestControlHost;
class tButtonListe;
class tTippAufgabenListe;
class tXColorButton;

inline constexpr std::string_view kDefaultPageTitle = "ohne Titel";
inline constexpr int kDefaultPageWidth = 800;
inline constexpr int kDefaultPageHeight = 572;
inline constexpr int kDefaultDragAreaY = 350;

// The page colours that BODY sets; every new page starts from these defaults.
struct PageColourSet {
    std::int32_t background = 0xFFFFFF;
    std::int32_t text = 0x000000;
    std::int32_t link = 0x008000;
    std::int32_t gap = 0xFFFFFF;
    std::int32_t block = 0xC0C0C0;
    std::int32_t blockBackground = 0x00FF00;
    std::int32_t choiceActive = 0x0000FF;
    std::int32_t choiceInactive = 0x808080;

    bool operator==(const PageColourSet&) const = default;
};

// The names of the conditions that hold. Names keep the case they were set with, but tests and
// removals ignore case: pages write "IF Next" as readily as the host sets "next".
class ConditionList {
public:
    bool Test(std::string_view name) const;
    void Set(std::string_view name); // adds the name once
    void Clear(std::string_view name);
    void ClearAll() { m_names.clear(); }
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
};

// BODY WAIT: after `milliseconds` the page follows `target` (when the page allows auto-jumps).
struct AutoJump {
    int milliseconds = 0;
    std::string target;
    bool Active() const { return milliseconds > 0 && !target.empty(); }
};

// Which save slot a tag writes its style block into.
enum class StyleSlot { Font, Heading, Teletype, Preformatted, Link, Emphasis, Count };

// Where a gap edit came from: A GAP edits stand in the text and take Enter and mouse-down
// handlers as well; EDIT fields stand at fixed positions and only report right and wrong.
enum class GapEditSource { Gap, Edit };

// The gap task list holds at most this many edits: gap words carry their edit's index in the
// style, and 255 already means "drag word".
inline constexpr int kMaxGapEdits = kDragWordGapIndex;

class PageDocument {
public:
    PageDocument();
    ~PageDocument();
    PageDocument(const PageDocument&) = delete;
    PageDocument& operator=(const PageDocument&) = delete;

    // The page reset before every new page: clears everything the page made, keeps conditions,
    // macros, named styles and kept pictures, and the page folder and current file.
    void Reset();

    // --- document model ---
    tFormatted_text_list elements;
    TextStyle lastStyle; // the style new elements are made from
    std::vector<PageBoxRecord> boxes;
    std::vector<PageCheckBoxRecord> checkBoxes;
    tPicture_list pictures; // its reader is set through SetPictureReader
    NamedRectangleList namedRectangles;
    tMapList imageMaps;

    // --- registers that survive page changes ---
    ConditionList conditions; // `Bedingung`
    TXAliasList macros;
    TXStyleList namedStyles;
    std::string specialCharacters; // `Sonderzeichen`, offered by every gap edit

    // --- registers of the current page ---
    TXAliasList linkAliases;
    TXAliasList colourNames;
    PageColourSet pageColours;
    std::int32_t colorBGR = PageColourSet{}.background; // `ColorBGR`
    std::int32_t colorTXT = PageColourSet{}.text;       // `ColorTXT`
    std::int32_t linkColour = PageColourSet{}.link;
    std::string title{kDefaultPageTitle};
    std::string enterTarget;       // A RETURN, ONCLICK RETURN
    std::string clickTarget;       // ONCLICK
    std::string onShow;            // BODY ONSHOW
    AutoJump autoJump;             // BODY WAIT
    std::string backgroundPicture; // BODY BACKGROUND: the path of the picture behind the page
    TXBitmap background;           // that picture; empty when there is none or it did not load
    bool formColour = false;       // BODY FORM: the host window takes the page background colour
    bool compositedPainting = false;
    int dragAreaY = kDefaultDragAreaY;
    PageRect destination{0, 0, kDefaultPageWidth, kDefaultPageHeight}; // BOX DEST

    // --- exercises and embedded controls of the current page ---
    tDragAufgabenListe dragTask; // KLOTZ, A DRAG
    tSatzbauListe sentences;     // SATZ
    // The hint (TIP) of every gap edit, by edit index: the page shows it as the edit's tooltip.
    std::vector<std::string> gapHints;
    std::string choiceReaction; // MULTIPLE REACTION
    std::optional<PageTextInput> textInput;
    bool hasRecorder = false;
    PageRecorderSettings recorderSettings;
    std::optional<PageSlideBox> slideBox;

    // The controls live on a ControlHost: the page control sets its own, tests a TestControlHost.
    // Without one the document uses a headless host of its own. Changing the host frees the
    // controls the page has made so far. An outside host must outlive the document (or be
    // replaced by nullptr first).
    void SetControlHost(ControlHost* host);
    ControlHost& Controls();
    tTippAufgabenListe& GapEdits() { return *m_gapEdits; }
    const tTippAufgabenListe& GapEdits() const { return *m_gapEdits; }
    tButtonListe& Buttons() { return *m_buttons; }
    const tButtonListe& Buttons() const { return *m_buttons; }
    // The page's one multiple-choice grid; nullptr until MULTIPLE made it.
    TXMultipleChoice* MultipleChoice() { return m_multipleChoice.get(); }
    const TXMultipleChoice* MultipleChoice() const { return m_multipleChoice.get(); }
    TXMultipleChoice& EnsureMultipleChoice();
    // The grid goes (hidden first); a later MULTIPLE makes a new one.
    void FreeMultipleChoice();
    // The page's recorder; nullptr until RECORDER made it. It stays across pages (a page reset
    // only resets it); the factory makes it, a NullPageRecorder without one.
    PageRecorder* Recorder() { return m_recorder.get(); }
    PageRecorder& EnsureRecorder();
    void SetRecorderFactory(std::function<std::unique_ptr<PageRecorder>()> factory);

    // Called when a tag has made a control, so the page control can connect its handlers.
    std::function<void(TPageEdit& edit, GapEditSource source)> onGapEditCreated;
    std::function<void(tXColorButton& button)> onButtonCreated;
    std::function<void(TXMultipleChoice& grid)> onMultipleChoiceCreated;

    // The picture reader of the picture cache, kept here too so that the background and the
    // slide box can read pictures without the cache's error message.
    void SetPictureReader(PictureReader reader);
    bool ReadPicture(std::string_view path, TXBitmap& bitmap) const;

    // The one-slot save areas of the style block; a second save overwrites the first.
    StyleBlock& Slot(StyleSlot slot) { return m_slots[static_cast<std::size_t>(slot)]; }
    const StyleBlock& Slot(StyleSlot slot) const { return m_slots[static_cast<std::size_t>(slot)]; }

    // --- parse state shared with the tags ---
    std::string pendingImageSource; // IMG SRC, made into an element when the tag ends
    int pendingTabPosition = 0;     // X: the position of the next word, 0 for none
    bool exerciseItem = false;      // an exercise item is being parsed: "IF #ex" holds
    bool skipping = false;          // inside a false condition or a title
    bool titleMode = false;
    std::string lastCondition;

    // --- where the page is ---
    std::string pageFolder;  // `XPath`, ending in a separator
    std::string currentFile; // `XFile`, relative to the page folder
    int pageWidth = kDefaultPageWidth;
    int pageHeight = kDefaultPageHeight;

    std::string CurrentPagePath() const {
        return currentFile.empty() ? std::string() : pageFolder + currentFile;
    }

private:
    void FreeControls();

    StyleBlock m_slots[static_cast<std::size_t>(StyleSlot::Count)];
    PictureReader m_pictureReader;
    // The host is declared before the controls so that it outlives them.
    std::unique_ptr<TestControlHost> m_headlessHost;
    ControlHost* m_controlHost = nullptr;
    std::unique_ptr<tTippAufgabenListe> m_gapEdits;
    std::unique_ptr<tButtonListe> m_buttons;
    std::unique_ptr<TXMultipleChoice> m_multipleChoice;
    std::function<std::unique_ptr<PageRecorder>()> m_recorderFactory;
    std::unique_ptr<PageRecorder> m_recorder;
};

} // namespace qor
