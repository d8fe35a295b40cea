// The pages that the program loads by name must exist and offer what the program relies on: the
// variables it fills, the links and commands it answers, the conditions it sets, the fields that
// report answers. Each page is parsed as the program shows it (see NamedPages.cpp) and inspected
// through the parsed document.

#include "content/NamedPages.h"

#include "content/ShippedContent.h"
#include "page/controls/TPageEdit.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PageParser.h"
#include "page/markup/PagePath.h"
#include "page/markup/ValueSyntax.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace qor::test {
namespace {

// Marker words begin with this sign (see Marker).
constexpr std::string_view kMarkerSign = "¤"_cp;

// One page as the program shows it, after the parse.
struct ShownPage {
    PageDocument document;
    DiskPageHost host;
    std::vector<std::string> pictureCodes;
    std::vector<std::string> messages;
};

class NamedPagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_content = new ShippedContent(); }
    static void TearDownTestSuite() {
        delete s_content;
        s_content = nullptr;
    }
    void SetUp() override { SetMessagePresenter(&m_messages); }
    void TearDown() override { SetMessagePresenter(nullptr); }

    // Parses `page` with the program's state; the condition or special code ("?name") `turned`,
    // when given, is flipped first.
    std::unique_ptr<ShownPage> Show(const NamedPage& page, std::string_view turned = {}) {
        const ContentFile* file = s_content->FindPage(page.page);
        if (file == nullptr) {
            ADD_FAILURE() << "missing page " << Utf8FromCp1252(page.page);
            return nullptr;
        }
        NamedPage state = page;
        if (!turned.empty()) {
            const bool special = turned.starts_with('?');
            std::vector<std::string_view>& names = special ? state.specialYes : state.conditions;
            const std::string_view name = special ? turned.substr(1) : turned;
            const auto at = std::find(names.begin(), names.end(), name);
            if (at == names.end()) {
                names.push_back(name);
            } else {
                names.erase(at);
            }
        }
        auto shown = std::make_unique<ShownPage>();
        shown->document.pageFolder = s_content->Folder(file->relative);
        shown->document.currentFile = FileName(file->relative);
        ApplyProgramState(state, shown->document, shown->host, shown->pictureCodes);
        m_messages.ClearMessages();
        ParseFreshPage(shown->document, shown->host, file->text + "\r");
        for (const LoggedMessage& message : m_messages.Messages()) {
            shown->messages.push_back(Utf8FromCp1252(message.text));
        }
        return shown;
    }

    static bool ShowsWord(const PageDocument& document, std::string_view word) {
        for (std::size_t i = 0; i < document.elements.Count(); ++i) {
            if (document.elements[i].text.find(word) != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    static std::vector<std::string> LinkTargets(const PageDocument& document) {
        std::vector<std::string> targets;
        for (int i = 0; i < document.namedRectangles.Count(); ++i) {
            const NamedRectangle& rectangle = document.namedRectangles.At(i);
            if (rectangle.kind != RectangleKind::Unnamed) {
                targets.push_back(rectangle.name.substr(0, rectangle.name.find('@')));
            }
        }
        return targets;
    }

    // Everything of a parsed page that a learner could see or use, as one text.
    static std::string Fingerprint(const ShownPage& shown) {
        const PageDocument& document = shown.document;
        std::ostringstream out;
        for (std::size_t i = 0; i < document.elements.Count(); ++i) {
            out << static_cast<int>(document.elements[i].kind) << document.elements[i].text << '|';
        }
        for (const std::string& target : LinkTargets(document)) {
            out << target << '|';
        }
        out << document.boxes.size() << ',' << document.checkBoxes.size() << ','
            << document.GapEdits().Count() << ',' << document.textInput.has_value() << ','
            << document.autoJump.target << ',' << shown.pictureCodes.size();
        return out.str();
    }

    static ShippedContent* s_content;
    ScriptedMessagePresenter m_messages;
};

ShippedContent* NamedPagesTest::s_content = nullptr;

std::string Trace(const NamedPage& page) {
    std::string trace = Utf8FromCp1252(page.page);
    for (std::string_view condition : page.conditions) {
        trace += " +" + std::string(condition);
    }
    return trace;
}

TEST_F(NamedPagesTest, EveryNamedPageShipsAndParsesWithoutAMessage) {
    for (const NamedPage& page : NamedPages()) {
        SCOPED_TRACE(Trace(page));
        const std::unique_ptr<ShownPage> shown = Show(page);
        ASSERT_NE(shown, nullptr);
        for (const std::string& message : shown->messages) {
            ADD_FAILURE() << "message box: " << message;
        }
        EXPECT_NE(shown->document.title, kDefaultPageTitle) << "every page names itself";
    }
}

TEST_F(NamedPagesTest, PagesShowTheVariablesTheProgramFills) {
    for (const NamedPage& page : NamedPages()) {
        SCOPED_TRACE(Trace(page));
        const std::unique_ptr<ShownPage> shown = Show(page);
        ASSERT_NE(shown, nullptr);
        for (std::string_view name : page.shows) {
            EXPECT_TRUE(ShowsWord(shown->document, Marker(name))) << "does not show " << Utf8FromCp1252(name);
        }
        for (std::string_view name : page.hides) {
            EXPECT_FALSE(ShowsWord(shown->document, Marker(name))) << "gives away " << Utf8FromCp1252(name);
        }
        // Every other variable the page shows is one the program never fills: the learner would
        // see its name (or nothing) there.
        for (std::size_t i = 0; i < shown->document.elements.Count(); ++i) {
            const std::string& text = shown->document.elements[i].text;
            if (text.find(kMarkerSign) == std::string::npos) {
                continue;
            }
            const bool expected =
                std::any_of(page.shows.begin(), page.shows.end(), [&text](std::string_view name) {
                    return text.find(Marker(name)) != std::string::npos;
                });
            EXPECT_TRUE(expected) << "shows a variable the program does not fill: " << Utf8FromCp1252(text);
        }
    }
}

TEST_F(NamedPagesTest, PagesOfferTheirLinksAndCommands) {
    for (const NamedPage& page : NamedPages()) {
        SCOPED_TRACE(Trace(page));
        const std::unique_ptr<ShownPage> shown = Show(page);
        ASSERT_NE(shown, nullptr);
        const std::vector<std::string> targets = LinkTargets(shown->document);
        if (page.windowBackground) {
            EXPECT_TRUE(targets.empty()) << "a click would lead the window's page away";
        }
        for (std::string_view link : page.links) {
            EXPECT_NE(std::find(targets.begin(), targets.end(), link), targets.end())
                << "no link to " << Utf8FromCp1252(link);
        }
    }
}

TEST_F(NamedPagesTest, PagesReactToTheConditionsTheProgramSets) {
    for (const NamedPage& page : NamedPages()) {
        SCOPED_TRACE(Trace(page));
        const std::unique_ptr<ShownPage> shown = Show(page);
        ASSERT_NE(shown, nullptr);
        const std::string normal = Fingerprint(*shown);
        for (std::string_view name : page.switches) {
            const std::unique_ptr<ShownPage> turned = Show(page, name);
            ASSERT_NE(turned, nullptr);
            EXPECT_NE(Fingerprint(*turned), normal) << "the page ignores " << Utf8FromCp1252(name);
        }
    }
}

TEST_F(NamedPagesTest, PagesHoldTheFieldsThatReportAnswers) {
    for (const NamedPage& page : NamedPages()) {
        SCOPED_TRACE(Trace(page));
        const std::unique_ptr<ShownPage> shown = Show(page);
        ASSERT_NE(shown, nullptr);
        const PageDocument& document = shown->document;

        const tTippAufgabenListe& edits = document.GapEdits();
        ASSERT_EQ(edits.Count(), static_cast<int>(page.gaps.size())) << "gap fields";
        for (int i = 0; i < edits.Count(); ++i) {
            SCOPED_TRACE("gap " + std::to_string(i));
            const TPageEdit& edit = edits.Edit(i);
            const GapOffer& expected = page.gaps[static_cast<std::size_t>(i)];
            ASSERT_FALSE(edit.Lsg().empty());
            EXPECT_EQ(edit.Lsg().front(), expected.firstSolution);
            EXPECT_EQ(edit.Command(), expected.reaction);
            EXPECT_EQ(edit.Hilfe(), expected.help);
        }

        std::vector<std::string> boxes;
        for (const PageCheckBoxRecord& box : document.checkBoxes) {
            boxes.push_back(box.name);
        }
        EXPECT_EQ(boxes, std::vector<std::string>(page.checkBoxes.begin(), page.checkBoxes.end()));

        if (page.input.empty()) {
            EXPECT_FALSE(document.textInput.has_value());
        } else {
            ASSERT_TRUE(document.textInput.has_value());
            EXPECT_EQ(document.textInput->name, page.input);
            // The field shows what the learner typed last (the program keeps the variable).
            EXPECT_EQ(document.textInput->text, Marker(page.input));
        }
        EXPECT_EQ(document.autoJump.target, page.autoJump);
    }
}

TEST_F(NamedPagesTest, ColoursStylesAndPicturesTheProgramNamesAreDefined) {
    for (const NamedPage& page : NamedPages()) {
        SCOPED_TRACE(Trace(page));
        const std::unique_ptr<ShownPage> shown = Show(page);
        ASSERT_NE(shown, nullptr);
        const PageDocument& document = shown->document;
        // Colour names are cleared with every page, so the page must define them itself.
        for (std::string_view name : page.colourNames) {
            EXPECT_GE(document.colourNames.Find(name), 0) << "colour " << name;
        }
        for (std::string_view name : page.styles) {
            EXPECT_NE(document.namedStyles.Find(name), nullptr) << "style " << name;
        }
        EXPECT_EQ(shown->pictureCodes, std::vector<std::string>(page.pictures.begin(), page.pictures.end()));
        for (const BarOffer& bar : page.bars) {
            const std::int32_t colour = ParseColour(bar.colourName, document.colourNames);
            const bool drawn =
                std::any_of(document.boxes.begin(), document.boxes.end(), [&](const PageBoxRecord& box) {
                    return box.x == bar.x && box.y == bar.y && box.filled && box.fillColour == colour;
                });
            EXPECT_TRUE(drawn) << "no bar at " << bar.x << "," << bar.y;
        }
    }
}

TEST_F(NamedPagesTest, DialogPagesFitTheirPageControl) {
    for (const NamedPage& page : NamedPages()) {
        if (page.fitWidth == 0) {
            continue;
        }
        SCOPED_TRACE(Trace(page));
        const std::unique_ptr<ShownPage> shown = Show(page);
        ASSERT_NE(shown, nullptr);
        for (const PageBoxRecord& box : shown->document.boxes) {
            EXPECT_LE(box.x + box.width, page.fitWidth) << "box at " << box.x << "," << box.y;
            EXPECT_LT(box.y, page.fitHeight) << "box at " << box.x << "," << box.y;
        }
    }
}

// Every page that a learner reaches has a way back: to the start page, one page back ("-"), or,
// for the backgrounds of a running presentation, the command that ends it. Pages of dialogs
// (their names begin with "_") and parts that other pages include are no such pages.
TEST_F(NamedPagesTest, EveryPageLeadsHome) {
    const std::string home = s_content->ProgramPathOf("main.htx");
    for (const ContentFile& file : s_content->Pages()) {
        if (file.relative == "main.htx" || FileName(file.relative).starts_with('_') ||
            s_content->IsIncluded(file.relative)) {
            continue;
        }
        SCOPED_TRACE(Utf8FromCp1252(file.relative));
        PageDocument document;
        DiskPageHost host;
        std::vector<std::string> pictureCodes;
        const NamedPage* page = FindNamedPage(file.relative);
        if (page && page->windowBackground) {
            continue;
        }
        if (page) {
            ApplyProgramState(*page, document, host, pictureCodes);
        }
        document.pageFolder = s_content->Folder(file.relative);
        document.currentFile = FileName(file.relative);
        ParseFreshPage(document, host, file.text + "\r");
        const bool presentation = file.relative.starts_with("SuperDD/") || file.relative == "vegas/start.htx";
        const std::vector<std::string> targets = LinkTargets(document);
        const bool leadsHome = std::any_of(targets.begin(), targets.end(), [&](const std::string& target) {
            return target == "-" || (presentation && target == "§stop"_cp) ||
                   NativePath(ResolvePagePath(document.pageFolder, target)) == NativePath(home);
        });
        EXPECT_TRUE(leadsHome);
    }
}

// The typewriter presentation picks one of these pages as its background and types into the
// page's destination rectangle (BOX ... DEST).
TEST_F(NamedPagesTest, PresentationBackgroundsGiveATextAreaAndAWayOut) {
    int backgrounds = 0;
    for (const ContentFile& file : s_content->Pages()) {
        if (!file.relative.starts_with("SuperDD/")) {
            continue;
        }
        SCOPED_TRACE(Utf8FromCp1252(file.relative));
        ++backgrounds;
        PageDocument document;
        DiskPageHost host;
        document.pageFolder = s_content->Folder(file.relative);
        document.currentFile = FileName(file.relative);
        m_messages.ClearMessages();
        ParseFreshPage(document, host, file.text + "\r");
        EXPECT_TRUE(m_messages.Messages().empty());
        const PageRect area = document.destination;
        const PageRect page{0, 0, document.pageWidth, document.pageHeight};
        EXPECT_NE(area, page) << "no text area";
        EXPECT_GE(area.left, 0);
        EXPECT_GE(area.top, 0);
        EXPECT_LE(area.right, page.right);
        EXPECT_LE(area.bottom, page.bottom);
        EXPECT_GE(area.right - area.left, 400) << "too narrow for a headword and its meaning";
        const std::vector<std::string> targets = LinkTargets(document);
        EXPECT_NE(std::find(targets.begin(), targets.end(), "§stop"_cp), targets.end());
    }
    EXPECT_GE(backgrounds, 1);
}

// The extra pairs of las vegas: left text on top, right text below, an optional third text that
// makes the pair wrong ("#RRGGBB" shows a colour, ".text" replaces the top text).
TEST_F(NamedPagesTest, VegasPairFileHoldsWellFormedPairs) {
    std::ifstream in(ShippedContent::Sources() / "vegas" / "vegas_F.txt", std::ios::binary);
    ASSERT_TRUE(in.good()) << "vegas/vegas_F.txt is missing";
    std::ostringstream utf8;
    utf8 << in.rdbuf();
    bool lossless = false;
    const std::string text = Cp1252FromUtf8(utf8.str(), &lossless);
    EXPECT_TRUE(lossless);

    const auto isColour = [](std::string_view field) {
        return field.size() == 7 && field[0] == '#' &&
               std::all_of(field.begin() + 1, field.end(),
                           [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    };
    int pairs = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        SCOPED_TRACE(Utf8FromCp1252(line));
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) {
            fields.push_back(field);
        }
        // A line without a tab or with an empty side would be skipped by the game.
        ASSERT_GE(fields.size(), 2u);
        ASSERT_LE(fields.size(), 3u);
        EXPECT_FALSE(fields[0].empty());
        EXPECT_FALSE(fields[1].empty());
        EXPECT_EQ(fields[0], std::string(TrimWhitespace(fields[0])));
        if (fields[1].starts_with('#')) {
            EXPECT_TRUE(isColour(fields[1])) << "a colour is #RRGGBB";
        }
        if (fields.size() == 3) {
            EXPECT_NE(fields[2], fields[1]) << "the wrong text equals the right one";
            if (fields[1].starts_with('#')) {
                EXPECT_TRUE(isColour(fields[2])) << "a colour pair is made wrong by another colour";
            }
            if (fields[2].starts_with('.')) {
                EXPECT_GT(fields[2].size(), 1u);
                EXPECT_NE(fields[2].substr(1), fields[0]);
            }
        }
        ++pairs;
    }
    EXPECT_GE(pairs, 20);
}

} // namespace
} // namespace qor::test
