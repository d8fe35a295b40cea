#include "page/markup/PageDocument.h"

#include "page/controls/TXMultipleChoice.h"
#include "page/controls/TestControlHost.h"
#include "page/controls/tButtonListe.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PageRecorder.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <limits>

namespace qor {

namespace {

int Saturate(long long value) {
    return static_cast<int>(
        std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

int SaturatedAdd(int a, int b) {
    return Saturate(static_cast<long long>(a) + b);
}

PageRect PageRect::FromSize(int x, int y, int width, int height) {
    return PageRect{x, y, SaturatedAdd(x, width), SaturatedAdd(y, height)};
}

PageRect PageRect::Inset(int amount) const {
    return PageRect{SaturatedAdd(left, amount), SaturatedAdd(top, amount),
                    Saturate(static_cast<long long>(right) - amount),
                    Saturate(static_cast<long long>(bottom) - amount)};
}

int NamedRectangleList::Register(std::string_view name, RectangleKind kind) {
    NamedRectangle entry;
    entry.name = name;
    entry.kind = kind;
    m_entries.push_back(std::move(entry));
    return Count() - 1;
}

int NamedRectangleList::RegisterPlaced(std::string_view name, RectangleKind kind, const PageRect& place) {
    const int index = Register(name, kind);
    At(index).place = place;
    return index;
}

bool ConditionList::Test(std::string_view name) const {
    return std::any_of(m_names.begin(), m_names.end(),
                       [name](const std::string& held) { return SameTextInsensitive(held, name); });
}

void ConditionList::Set(std::string_view name) {
    if (!Test(name)) {
        m_names.emplace_back(name);
    }
}

void ConditionList::Clear(std::string_view name) {
    std::erase_if(m_names, [name](const std::string& held) { return SameTextInsensitive(held, name); });
}

PageDocument::PageDocument() {
    SetControlHost(nullptr);
}

PageDocument::~PageDocument() {
    FreeControls();
}

void PageDocument::FreeControls() {
    if (m_gapEdits) {
        for (int i = 0; i < m_gapEdits->Count(); ++i) {
            m_gapEdits->Edit(i).SetVisible(false);
        }
        m_gapEdits->Clear();
    }
    if (m_buttons) {
        m_buttons->Clear(); // hides them first
    }
    FreeMultipleChoice();
    gapHints.clear();
}

void PageDocument::FreeMultipleChoice() {
    if (m_multipleChoice) {
        m_multipleChoice->SetVisible(false);
        m_multipleChoice.reset();
    }
}

void PageDocument::SetControlHost(ControlHost* host) {
    FreeControls();
    m_gapEdits.reset();
    m_buttons.reset();
    if (host == nullptr) {
        if (!m_headlessHost) {
            m_headlessHost = std::make_unique<TestControlHost>();
        }
        host = m_headlessHost.get();
    }
    m_controlHost = host;
    m_gapEdits = std::make_unique<tTippAufgabenListe>(*host);
    m_buttons = std::make_unique<tButtonListe>(*host);
}

ControlHost& PageDocument::Controls() {
    return *m_controlHost;
}

TXMultipleChoice& PageDocument::EnsureMultipleChoice() {
    if (!m_multipleChoice) {
        m_multipleChoice = std::make_unique<TXMultipleChoice>(*m_controlHost);
        if (onMultipleChoiceCreated) {
            onMultipleChoiceCreated(*m_multipleChoice);
        }
    }
    return *m_multipleChoice;
}

PageRecorder& PageDocument::EnsureRecorder() {
    if (!m_recorder) {
        m_recorder = m_recorderFactory ? m_recorderFactory() : nullptr;
        if (!m_recorder) {
            m_recorder = std::make_unique<NullPageRecorder>();
        }
    }
    return *m_recorder;
}

void PageDocument::SetRecorderFactory(std::function<std::unique_ptr<PageRecorder>()> factory) {
    m_recorderFactory = std::move(factory);
    m_recorder.reset();
}

void PageDocument::SetPictureReader(PictureReader reader) {
    m_pictureReader = reader;
    pictures.SetReader(std::move(reader));
}

bool PageDocument::ReadPicture(std::string_view path, TXBitmap& bitmap) const {
    if (!m_pictureReader || path.empty()) {
        return false;
    }
    const std::size_t dot = path.rfind('.');
    const std::string extension =
        dot == std::string_view::npos ? std::string() : LowerCp1252(path.substr(dot + 1));
    return m_pictureReader(path, extension == "jpg" || extension == "jpeg", false, bitmap);
}

void PageDocument::Reset() {
    elements.Clear();
    lastStyle = TextStyle{};
    boxes.clear();
    checkBoxes.clear();
    pictures.Clear(); // keeps the pictures marked as kept
    namedRectangles.Clear();
    imageMaps.Clear();

    linkAliases.Clear();
    colourNames.Clear();
    pageColours = PageColourSet{};
    colorBGR = pageColours.background;
    colorTXT = pageColours.text;
    linkColour = pageColours.link;
    title = kDefaultPageTitle;
    enterTarget.clear();
    clickTarget.clear();
    onShow.clear();
    autoJump = AutoJump{};
    backgroundPicture.clear();
    formColour = false;
    compositedPainting = false;
    dragAreaY = kDefaultDragAreaY;
    destination = PageRect{0, 0, pageWidth, pageHeight};
    background = TXBitmap();

    FreeControls();
    dragTask.Reset();
    sentences.Clear();
    choiceReaction.clear();
    textInput.reset();
    if (m_recorder) {
        m_recorder->Reset();
    }
    hasRecorder = false;
    recorderSettings = PageRecorderSettings{};
    slideBox.reset();

    for (StyleBlock& slot : m_slots) {
        slot = StyleBlock{};
    }

    pendingImageSource.clear();
    pendingTabPosition = 0;
    skipping = false;
    titleMode = false;
    lastCondition.clear();
}

} // namespace qor
