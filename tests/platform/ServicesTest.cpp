// The small process-wide services: screen, random numbers, version, media commands and fonts.

#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/MediaCommands.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "platform/Version.h"
#include "platform/VersionInfo.h"

#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {

TEST(Screen, ParsesWidthHeightAndBits) {
    struct Case {
        const char* text;
        bool valid;
        ScreenInfo expected;
    };
    const std::vector<Case> cases = {
        {"1024x768x32", true, {1024, 768, 32}},
        {"800x600", true, {800, 600, 24}},
        {"800X600X8", true, {800, 600, 8}},
        {"801x600x16", true, {801, 600, 16}},
        {"", false, {}},
        {"800", false, {}},
        {"800x", false, {}},
        {"x600", false, {}},
        {"800x600x", false, {}},
        {"800x600x32x1", false, {}},
        {"-800x600", false, {}},
        {"0x600", false, {}},
        {"800x600x0", false, {}},
        {" 800x600", false, {}},
        {"800x600 ", false, {}},
        {"1234567x600", false, {}},
        {"800*600", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ScreenInfo info{1, 2, 3};
        EXPECT_EQ(ParseScreenSpec(c.text, info), c.valid);
        ScreenInfo expected = c.valid ? c.expected : ScreenInfo{1, 2, 3};
        EXPECT_EQ(info.width, expected.width);
        EXPECT_EQ(info.height, expected.height);
        EXPECT_EQ(info.bitsPerPixel, expected.bitsPerPixel);
    }
    ScreenInfo info;
    EXPECT_FALSE(ParseScreenSpec(nullptr, info));
    FixedScreen screen({800, 600, 32});
    EXPECT_EQ(screen.PrimaryScreen().width, 800);
}

TEST(Random, SeededSequencesRepeat) {
    SeedRandom(42);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i)
        first.push_back(RandomBelow(1000));
    SeedRandom(42);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(RandomBelow(1000), first[i]);
    SeedRandom(43);
    std::vector<int> other;
    for (int i = 0; i < 50; ++i)
        other.push_back(RandomBelow(1000));
    EXPECT_NE(first, other);
}

TEST(Random, StaysWithinItsBound) {
    SeedRandom(7);
    for (int bound : {1, 2, 3, 10, 1000, 2147483647}) {
        SCOPED_TRACE(bound);
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            int value = RandomBelow(bound);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, bound);
            seen.insert(value);
        }
        if (bound <= 10) {
            EXPECT_EQ(seen.size(), static_cast<std::size_t>(bound)) << "every value turns up";
        }
    }
    EXPECT_EQ(RandomBelow(0), 0);
    EXPECT_EQ(RandomBelow(-5), 0);
    SeedRandomFromClock();
    EXPECT_LT(RandomBelow(3), 3);
}

TEST(Version, TextFormat) {
    struct Case {
        ProgramVersion version;
        const char* text;
    };
    const std::vector<Case> cases = {{{3, 0, 4, 0}, "3.040"},
                                     {{1, 2, 3, 4}, "1.234"},
                                     {{10, 11, 0, 1}, "10.1101"},
                                     {{0, 0, 0, 0}, "0.000"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(VersionText(c.version), c.text);
    }
    ProgramVersion current = CurrentVersion();
    EXPECT_EQ(current.major, QOR_VERSION_MAJOR);
    EXPECT_EQ(current.minor, QOR_VERSION_MINOR);
    EXPECT_EQ(current.release, QOR_VERSION_PATCH);
    EXPECT_EQ(VersionText(), VersionText(current));
}

TEST(MediaCommands, NullSenderRefusesEverything) {
    NullMediaCommandSender sender;
    for (const char* command : {"close welle", "open \"a.wav\" alias welle", "play welle from 0", ""}) {
        SCOPED_TRACE(command);
        std::string reply = sender.Send(command);
        EXPECT_EQ(reply, "Error" + std::to_string(kMediaErrorNoDriver));
        EXPECT_EQ(std::stoi(reply.substr(5)), kMediaErrorNoDriver);
    }
    EXPECT_EQ(sender.ErrorText(kMediaErrorNoDriver), "Die Wiedergabe von Klängen ist nicht verfügbar."_cp);
    EXPECT_EQ(sender.ErrorText(263), sender.ErrorText(kMediaErrorNoDriver));
}

class RecordingSender : public MediaCommandSender {
public:
    std::string Send(std::string_view command) override {
        commands.emplace_back(command);
        return "";
    }
    std::string ErrorText(int) override { return "x"; }
    std::vector<std::string> commands;
};

TEST(MediaCommands, CurrentSenderCanBeReplaced) {
    RecordingSender recorder;
    SetMediaCommandSender(&recorder);
    EXPECT_EQ(CurrentMediaCommandSender().Send("play welle from 0"), "");
    EXPECT_EQ(recorder.commands, std::vector<std::string>{"play welle from 0"});
    SetMediaCommandSender(nullptr);
    EXPECT_EQ(CurrentMediaCommandSender().Send("play welle from 0").rfind("Error", 0), 0u);
    EXPECT_EQ(recorder.commands.size(), 1u);
}

TEST(Fonts, FixedAdvanceMetrics) {
    FixedAdvanceFonts fonts;
    struct Case {
        FontSpec font;
        std::string text;
        TextMetrics expected;
    };
    FontSpec bold;
    bold.bold = true;
    FontSpec big;
    big.height = 25;
    const std::vector<Case> cases = {
        {FontSpec{}, "abc", {24, 16, 12, 4}},
        {FontSpec{}, "", {0, 16, 12, 4}},
        {bold, "abc", {27, 16, 12, 4}},
        {big, "Wörter"_cp.data(), {72, 25, 20, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TextMetrics m = fonts.Measure(c.font, c.text);
        EXPECT_EQ(m.width, c.expected.width);
        EXPECT_EQ(m.height, c.expected.height);
        EXPECT_EQ(m.ascent, c.expected.ascent);
        EXPECT_EQ(m.descent, c.expected.descent);
    }
    for (const char* name : {"Arial", "times new roman", "COURIER NEW", "Verdana", "Comic Sans MS"})
        EXPECT_TRUE(fonts.IsInstalled(name)) << name;
    for (const char* name : {"Wingdings", "", "Arial Black"})
        EXPECT_FALSE(fonts.IsInstalled(name)) << name;
}

TEST(Fonts, CurrentServiceCanBeReplaced) {
    class Wide : public FixedAdvanceFonts {
    public:
        TextMetrics Measure(const FontSpec&, std::string_view text) const override {
            return {static_cast<int>(text.size()) * 100, 1, 1, 0};
        }
    } wide;
    SetFontService(&wide);
    EXPECT_EQ(CurrentFontService().Measure({}, "ab").width, 200);
    SetFontService(nullptr);
    EXPECT_EQ(CurrentFontService().Measure({}, "ab").width, 16);
}

} // namespace
} // namespace qor
