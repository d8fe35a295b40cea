// The word index: stripping, phrases, split words and lookups.

#include "page/render/TWordList.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

PageRect At(int left, int right) {
    return PageRect{left, 10, right, 30};
}

TEST(TWordListTest, StripsPunctuationOfNewWords) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"(maison).", "maison"}, {"\"oui!\"", "oui"}, {"[a];", "a"},  {"Qui?", "Qui"},
        {"l'eau", "l'eau"},      {"...", ""},         {"a.b", "a.b"},
    };
    for (const auto& [word, expected] : cases) {
        SCOPED_TRACE(word);
        EXPECT_EQ(TWordList::Stripped(word), expected);
    }
}

TEST(TWordListTest, GroupsPhrasesAndJoinsSplitWords) {
    TWordList words;
    words.AddWord("Il", At(0, 16), -1);
    words.AddWord("pomme", At(24, 64), 42);
    words.AddWord("de", At(72, 88), 42);
    words.AddWord("terre.", At(96, 144), 42);
    words.AddWord("mai", At(152, 176), -1);
    words.AddWord("son", At(176, 200), -1);
    words.AddWord(" ", At(200, 208), 17);
    words.AddWord("neu", At(208, 232), 17);
    const auto text = [&words](int x) {
        const auto found = words.At(x, 20);
        return found ? found->text : std::string("-");
    };
    EXPECT_EQ(text(5), "Il");
    EXPECT_EQ(text(30), "pomme de terre.");
    EXPECT_EQ(text(100), "pomme de terre.");
    // A drawn space that touches the word goes on with it, and so does the word after it.
    EXPECT_EQ(text(190), "maison neu");
    EXPECT_EQ(text(220), "maison neu");
    EXPECT_EQ(words.Entries().size(), 5u); // Il, pomme, de, terre., maison neu
    EXPECT_EQ(text(300), "-");
    EXPECT_EQ(words.At(16, 30)->text, "Il"); // edges included
    EXPECT_FALSE(words.At(16, 31));
}

TEST(TWordListTest, LoneSpacesAreNotIndexed) {
    TWordList words;
    words.AddWord(" ", At(0, 8), -1);
    EXPECT_TRUE(words.Strings().empty());
    words.AddPhrase("Bild", At(20, 60));
    EXPECT_EQ(words.At(30, 20)->text, "Bild");
    words.Clear();
    EXPECT_FALSE(words.At(30, 20));
}

} // namespace
} // namespace qor
