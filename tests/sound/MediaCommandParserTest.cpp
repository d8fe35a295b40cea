#include "sound/MediaCommandParser.h"

#include "sound/MediaErrors.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(MediaCommandParser, SplitsWordsAndQuotes) {
    std::vector<std::string> words;
    ASSERT_TRUE(SplitMediaWords("  open \"C:\\mit blank\\a.wav\"  alias\twelle ", words));
    EXPECT_EQ(words, (std::vector<std::string>{"open", "C:\\mit blank\\a.wav", "alias", "welle"}));
    ASSERT_TRUE(SplitMediaWords("save test \"\"", words));
    EXPECT_EQ(words, (std::vector<std::string>{"save", "test", ""}));
    EXPECT_FALSE(SplitMediaWords("open \"a.wav alias x", words));
}

TEST(MediaCommandParser, ErrorTable) {
    struct Case {
        const char* text;
        int error;
    };
    const std::vector<Case> cases = {
        {"", kMediaMissingCommand},
        {"   ", kMediaMissingCommand},
        {"spiele welle", kMediaUnknownCommand},
        {"play", kMediaMissingDeviceName},
        {"open", kMediaMissingDeviceName},
        {"open alias x", kMediaMissingDeviceName},
        {"open \"a.wav", kMediaNoClosingQuote},
        {"open a.wav alias", kMediaMissingParameter},
        {"open a.wav gross x", kMediaOk}, // an unquoted name runs up to the first keyword
        {"open \"a.wav\" gross x", kMediaUnknownKeyword},
        {"open new alias x", kMediaDeviceTypeRequired},
        {"play welle from", kMediaMissingParameter},
        {"play welle from zehn", kMediaBadInteger},
        {"play welle from -5", kMediaBadInteger},
        {"play welle from 10x", kMediaBadInteger},
        {"play welle von 0", kMediaUnknownKeyword},
        {"play welle to 99999999999", kMediaBadInteger},
        {"stop welle jetzt", kMediaUnknownKeyword},
        {"seek welle", kMediaMissingParameter},
        {"seek welle to", kMediaMissingParameter},
        {"seek welle to anfang", kMediaBadInteger},
        {"seek welle to start now", kMediaUnknownKeyword},
        {"record test sofort", kMediaUnknownKeyword},
        {"save test", kMediaMissingParameter},
        {"save test a.wav b.wav", kMediaUnknownKeyword},
        {"set test", kMediaMissingParameter},
        {"set test bitspersample", kMediaMissingParameter},
        {"set test bits 8", kMediaUnknownKeyword},
        {"set test time format frames", kMediaBadTimeFormat},
        {"set test time", kMediaUnknownKeyword},
        {"status test", kMediaMissingParameter},
        {"status test volume", kMediaUnknownKeyword},
        {"status test mode extra", kMediaUnknownKeyword},
        {"close test x", kMediaUnknownKeyword},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        MediaCommand command;
        EXPECT_EQ(ParseMediaCommand(c.text, command), c.error);
    }
}

TEST(MediaCommandParser, OpenForms) {
    MediaCommand command;
    ASSERT_EQ(ParseMediaCommand("open \"XF:\\LA\\1\\a b.wav\" alias welle", command), kMediaOk);
    EXPECT_EQ(command.verb, MediaVerb::Open);
    EXPECT_EQ(command.element, "XF:\\LA\\1\\a b.wav");
    EXPECT_EQ(command.alias, "welle");
    EXPECT_FALSE(command.openNew);

    ASSERT_EQ(ParseMediaCommand("OPEN C:\\mit blank\\a.wav TYPE WaveAudio ALIAS satz wait", command),
              kMediaOk);
    EXPECT_EQ(command.element, "C:\\mit blank\\a.wav");
    EXPECT_EQ(command.type, "waveaudio");
    EXPECT_EQ(command.alias, "satz");

    ASSERT_EQ(ParseMediaCommand("open new type waveaudio alias test", command), kMediaOk);
    EXPECT_TRUE(command.openNew);
    EXPECT_EQ(command.alias, "test");

    ASSERT_EQ(ParseMediaCommand("open b.wav", command), kMediaOk);
    EXPECT_EQ(command.alias, "b.wav"); // without an alias the file names the device
}

TEST(MediaCommandParser, PlaySeekSetStatus) {
    MediaCommand command;
    ASSERT_EQ(ParseMediaCommand("play welle from 0", command), kMediaOk);
    EXPECT_EQ(command.verb, MediaVerb::Play);
    EXPECT_EQ(command.from, 0);
    EXPECT_FALSE(command.to);
    ASSERT_EQ(ParseMediaCommand("play welle notify to 2500 from 100", command), kMediaOk);
    EXPECT_EQ(command.from, 100);
    EXPECT_EQ(command.to, 2500);

    ASSERT_EQ(ParseMediaCommand("seek test to start", command), kMediaOk);
    EXPECT_EQ(command.to, 0);
    ASSERT_EQ(ParseMediaCommand("seek test to end", command), kMediaOk);
    EXPECT_TRUE(command.seekEnd);
    ASSERT_EQ(ParseMediaCommand("seek test to 750", command), kMediaOk);
    EXPECT_EQ(command.to, 750);

    ASSERT_EQ(ParseMediaCommand("set test bitspersample 16 channels 1 alignment 2 samplespersec 44100 "
                                "bytespersec 88200",
                                command),
              kMediaOk);
    EXPECT_EQ(command.settings,
              (std::vector<std::pair<MediaSetting, int>>{{MediaSetting::BitsPerSample, 16},
                                                         {MediaSetting::Channels, 1},
                                                         {MediaSetting::Alignment, 2},
                                                         {MediaSetting::SamplesPerSecond, 44100},
                                                         {MediaSetting::BytesPerSecond, 88200}}));

    struct StatusCase {
        const char* text;
        MediaStatusItem item;
    };
    const std::vector<StatusCase> statuses = {{"status test position", MediaStatusItem::Position},
                                              {"status test MODE", MediaStatusItem::Mode},
                                              {"status test length", MediaStatusItem::Length},
                                              {"status test ready", MediaStatusItem::Ready},
                                              {"status test time format", MediaStatusItem::TimeFormat}};
    for (const auto& c : statuses) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(ParseMediaCommand(c.text, command), kMediaOk);
        EXPECT_EQ(command.verb, MediaVerb::Status);
        EXPECT_EQ(command.statusItem, c.item);
    }

    ASSERT_EQ(ParseMediaCommand("save test \"XU:\\eigene aufnahme.wav\"", command), kMediaOk);
    EXPECT_EQ(command.element, "XU:\\eigene aufnahme.wav");
    ASSERT_EQ(ParseMediaCommand("close all", command), kMediaOk);
    EXPECT_TRUE(command.closeAll);
}

TEST(MediaErrors, EveryNumberHasAGermanText) {
    for (int error :
         {kMediaUnknownKeyword, kMediaUnknownCommand, kMediaDeviceNotOpen, kMediaNoDriver, kMediaFileNotFound,
          kMediaOutOfRange, kMediaNoInput, kMediaNoOutput, kMediaInvalidFile}) {
        SCOPED_TRACE(error);
        EXPECT_NE(MediaErrorText(error), MediaErrorText(1));
    }
    EXPECT_EQ(MediaErrorReply(263), "Error263");
}

} // namespace
} // namespace qor
