#include "dictionary/DictionaryText.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace qor::test {
namespace {

TEST(DictionaryMatch, CaseSensitiveSubstringsAndWholeWords) {
    struct Case {
        std::string scanned;
        std::string text;
        WholeWords wholeWords;
        bool matches;
    };
    const std::vector<Case> cases = {
        {"maison Haus", "maison", WholeWords::No, true},
        {"Maison Haus", "maison", WholeWords::No, false},
        {"maisonnette Häuschen", "maison", WholeWords::No, true},
        {"maisonnette Häuschen", "maison", WholeWords::Yes, false},
        {"(la) table Tisch", "la", WholeWords::Yes, true},
        {"place Platz", "la", WholeWords::Yes, false},
        {"place Platz", "la", WholeWords::No, true},
        {"aaa", "aa", WholeWords::Yes, true},
        {"xaa", "aa", WholeWords::Yes, false},
        {"la", "la", WholeWords::Yes, true},
        {"bla-la", "la", WholeWords::Yes, true},
        {"\xBFqu\xE9?", "qu\xE9", WholeWords::Yes, true},
        {"a!b", "b", WholeWords::Yes, true},
        {"a:b", "b", WholeWords::Yes, false},
        {"[fam.]x", "fam", WholeWords::Yes, true},
        {"anything", "", WholeWords::No, false},
        {"anything", "", WholeWords::Yes, false},
        {"", "a", WholeWords::No, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scanned + " / " + c.text);
        EXPECT_EQ(TextMatches(c.scanned, c.text, c.wholeWords), c.matches);
    }
}

TEST(DictionaryMatch, ThirteenWordDelimiters) {
    const std::string delimiters = " !(),-./;?[]\xBF";
    int count = 0;
    for (int c = 0; c < 256; ++c) {
        bool expected = delimiters.find(static_cast<char>(c)) != std::string::npos;
        EXPECT_EQ(IsWordDelimiter(static_cast<char>(c)), expected) << c;
        count += IsWordDelimiter(static_cast<char>(c)) ? 1 : 0;
    }
    EXPECT_EQ(count, 13);
}

TEST(DictionaryMeaningChecks, CommaAndSemicolon) {
    struct Case {
        std::string meaning;
        bool badComma;
        bool badSemicolon;
    };
    const std::vector<Case> cases = {
        {"rouge; vert", false, false}, {"rouge;vert", false, true},
        {"rouge ; vert", false, true}, {"rouge;", false, false},
        {";vert", false, true},        {"; vert", false, false},
        {"grand, gros", true, false},  {"grand [fam., ugs.]", false, false},
        {"[a, b] c, d", true, false},  {"grand [fam., ugs.", false, false},
        {"a] b, c", true, false},      {"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meaning);
        EXPECT_EQ(HasSuspiciousComma(c.meaning), c.badComma);
        EXPECT_EQ(HasBadSemicolon(c.meaning), c.badSemicolon);
    }
}

TEST(DictionaryMeaningFormat, CommentsInFrontAndRecordingsAsLinks) {
    const std::map<std::string, std::string> recordings = {{"Haus", "/w/haus.wav"},
                                                           {"grand", "/w/grand.wav"}};
    RecordingLookup lookup = [&recordings](std::string_view text) {
        auto found = recordings.find(std::string(text));
        return found == recordings.end() ? std::string() : found->second;
    };
    struct Case {
        std::string meaning;
        std::string formatted;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"Geb\xE4ude", "Geb\xE4ude"},
        {"Haus; Heim", "<a href=\"/w/haus.wav\" >Haus</a>; Heim"},
        {"[fam.] Bude; Haus", " [fam.] Bude; <a href=\"/w/haus.wav\" >Haus</a>"},
        {"grand [fam.]; gros", " [fam.] <a href=\"/w/grand.wav\" >grand</a>; gros"},
        {"a [x] b", "a [x] b"},
        {"a ;b", "a; "},
        {"a;  b", "a;  b"},
        {"Heim  ", "Heim"},
        {"Heim  ; Hof", "Heim; Hof"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meaning);
        EXPECT_EQ(FormatDictionaryMeaning(c.meaning, lookup), c.formatted);
    }
    EXPECT_EQ(FormatDictionaryMeaning("Haus", RecordingLookup()), "Haus");
}

} // namespace
} // namespace qor::test
