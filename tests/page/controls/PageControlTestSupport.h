#pragma once
// Shared pieces of the page control tests: a page control on a TestPageControlHost, page files in
// a temporary folder (plain ".html" pages are read as they are), a media command sender that
// records, and the events the page raised.

#include "page/controls/PageControl.h"
#include "page/controls/TestPageControlHost.h"
#include "page/markup/MarkupTestSupport.h"
#include "page/sources/SourcesTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/MediaCommands.h"
#include "platform/Random.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace qor::test {

class RecordingMediaSender : public MediaCommandSender {
public:
    std::string Send(std::string_view command) override {
        commands.emplace_back(command);
        const auto reply = replies.find(std::string(command));
        return reply == replies.end() ? std::string() : reply->second;
    }
    std::string ErrorText(int errorNumber) override { return "Fehler " + std::to_string(errorNumber); }

    // The commands sent, without the "close welle" that every page reset sends.
    std::vector<std::string> Played() const {
        std::vector<std::string> played;
        for (const std::string& command : commands) {
            if (command != "close welle")
                played.push_back(command);
        }
        return played;
    }

    std::vector<std::string> commands;
    std::map<std::string, std::string> replies; // command → reply ("" when absent)
};

class PageControlTest : public ::testing::Test {
protected:
    PageControlTest() {
        SetFontService(nullptr);
        SetMediaCommandSender(&m_media);
        SeedRandom(3);
        m_pageFolder = WithTrailingSeparator(ProgramPathOf(m_folder.MakeFolder("hqor")));
        m_page.SetProgramFolder(WithTrailingSeparator(ProgramPathOf(m_folder.Path())));
        m_page.SetXPath(m_pageFolder);
        m_page.OnCommand = [this](const std::string& command) { commands.push_back(command); };
        m_page.OnTitleChange = [this](const std::string& title) { events.push_back("title " + title); };
        m_page.OnFileChange = [this] { events.push_back("file"); };
    }
    ~PageControlTest() override { SetMediaCommandSender(nullptr); }

    // Writes a page file (Windows-1252 text) into the page folder; returns its program path.
    std::string Write(const std::string& name, std::string_view text) {
        return ProgramPathOf(m_folder.MakeFile("hqor/" + name, text));
    }
    // Writes and shows a page.
    void Show(const std::string& name, std::string_view text) {
        Write(name, text);
        ASSERT_TRUE(m_page.SetXFile(name)) << name;
    }

    // The layout entry of the first link rectangle whose name is `name`, or -1.
    int Entry(std::string_view name) const {
        const LinkRectangles& links = m_page.Layout().Links();
        const PageDocument& document = m_page.Document();
        for (int i = 0; i < links.Count(); ++i) {
            const int named = links.At(i).name;
            if (named >= 0 && document.namedRectangles.NameAt(named) == name)
                return i;
        }
        return -1;
    }
    // The middle of that rectangle in client coordinates.
    ScreenPoint PointOf(std::string_view name) const {
        const int entry = Entry(name);
        EXPECT_GE(entry, 0) << name;
        if (entry < 0)
            return {-1, -1};
        const PageRect& rect = m_page.Layout().Links().At(entry).rect;
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 - m_page.ScrollOffset()};
    }

    void MoveTo(ScreenPoint point, ShiftState shift = kShiftNone) {
        m_page.MouseMove(MouseEvent{point.x, point.y, MouseButton::Left, shift});
    }
    void Press(ScreenPoint point, MouseButton button = MouseButton::Left) {
        m_page.MouseDown(MouseEvent{point.x, point.y, button, kShiftNone});
    }
    void Release(ScreenPoint point, MouseButton button = MouseButton::Left) {
        m_page.MouseUp(MouseEvent{point.x, point.y, button, kShiftNone});
    }
    // Press, release and the click that follows, as the widget reports them.
    void ClickAt(ScreenPoint point, MouseButton button = MouseButton::Left) {
        Press(point, button);
        Release(point, button);
        if (button == MouseButton::Left)
            m_page.Click();
    }
    void ClickLink(std::string_view name, MouseButton button = MouseButton::Left) {
        ClickAt(PointOf(name), button);
    }
    void Key(int key) {
        KeyEvent event{key, kShiftNone};
        m_page.KeyDown(event);
    }

    std::vector<std::string> Words() const {
        std::vector<std::string> words;
        for (const tFormatted_text& element : m_page.Document().elements) {
            if (element.kind == ElementKind::Word)
                words.push_back(element.text);
        }
        return words;
    }

    TempFolder m_folder;
    std::string m_pageFolder;
    MessageCapture m_messages;
    RecordingMediaSender m_media;
    TestPageControlHost m_host;
    PageControl m_page{m_host};
    std::vector<std::string> commands;
    std::vector<std::string> events;
};

} // namespace qor::test
