// The dictionaries as the build converted them, against the vocabulary libraries that ship: every
// word of a library is in the dictionary, and the meaning the library gives is the one the editor's
// take-over and the random libraries get first.
#include "dictionary/TXDatabase.h"
#include "platform/Cp1252.h"
#include "platform/MessageCapture.h"
#include "platform/WinPath.h"
#include "vocab/AscFile.h"
#include "vocab/VocText.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace qor::test {
namespace {

namespace fs = std::filesystem;

using Key = std::pair<std::string, int>; // headword, dictionary word class

struct Half {
    std::map<Key, std::vector<std::string>> meanings; // in stored order
};

Half LoadHalf(const char* file, DictionaryDirection direction) {
    MessageCapture messages;
    TXDatabase database;
    database.SetDirection(direction);
    database.Load(ProgramPath(fs::path(QOR_PROGRAM_DIR) / file));
    EXPECT_TRUE(messages.Texts().empty()) << file;
    Half half;
    for (int i = 0; i < database.Count(); ++i)
        half.meanings[{database.Vokabel(i), database.Wortart(i)}] =
            vocab::SplitMeaningList(database.Bedeutung(i));
    return half;
}

// The shipped libraries in the order the converter reads them (sorted paths).
std::vector<TVokabel> ShippedEntries() {
    const fs::path folder = fs::path(QOR_CONTENT_DIR).parent_path() / "vokabeln";
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().filename().string().ends_with(".asc.txt"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<TVokabel> entries;
    for (const fs::path& file : files) {
        std::string utf8;
        EXPECT_TRUE(ReadWholeNativeFile(file, utf8, std::uintmax_t{16} << 20)) << file;
        for (TVokabel& entry : ParseAsc(Cp1252FromUtf8(utf8)).entries) {
            if (!entry.IsBlank())
                entries.push_back(std::move(entry));
        }
    }
    return entries;
}

// Where two libraries write one word with and without its article ("(l')homme (m)", "homme (m)"),
// the dictionary keeps one of them.
std::string WithoutArticle(std::string_view text) {
    for (const std::string_view article : {"(l')", "(le) ", "(la) ", "(les) "}) {
        if (text.starts_with(article))
            return std::string(text.substr(article.size()));
    }
    return std::string(text);
}

std::vector<std::string> MeaningsOf(const TVokabel& entry) {
    std::vector<std::string> meanings;
    for (const std::string* field : {&entry.Bedeutung0, &entry.Bedeutung1}) {
        for (const std::string& piece : vocab::SplitMeaningList(*field)) {
            if (!vocab::Trim(piece).empty())
                meanings.push_back(vocab::Trim(piece));
        }
    }
    return meanings;
}

class ShippedDictionaryVocabularyTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_frenchGerman = new Half(LoadHalf("f_d.qor", DictionaryDirection::FrenchGerman));
        s_germanFrench = new Half(LoadHalf("d_f.qor", DictionaryDirection::GermanFrench));
    }
    static void TearDownTestSuite() {
        delete s_frenchGerman;
        delete s_germanFrench;
    }
    void SetUp() override {
#if !QOR_FREEDICT_SHIPPED
        GTEST_SKIP() << "the dictionaries are empty without FreeDict";
#endif
    }
    static Half* s_frenchGerman;
    static Half* s_germanFrench;
};

Half* ShippedDictionaryVocabularyTest::s_frenchGerman = nullptr;
Half* ShippedDictionaryVocabularyTest::s_germanFrench = nullptr;

// For each headword the library's own entries decide the first meaning (the first of them read);
// a word that stands among the meanings of another entry has that entry's headword among its own.
TEST_F(ShippedDictionaryVocabularyTest, EveryLibraryWordIsInWithItsMeaningFirst) {
    std::set<Key> decided[2];
    int checked = 0;
    std::string faults;
    auto check = [&](const Half& half, int side, const Key& key, const std::string& meaning, bool own) {
        ++checked;
        const auto found = half.meanings.find(key);
        std::string fault;
        if (found == half.meanings.end())
            fault = "missing";
        else if (own && decided[side].insert(key).second && found->second.front() != meaning)
            fault = "first meaning '" + found->second.front() + "'";
        else if (std::none_of(found->second.begin(), found->second.end(), [&](const std::string& m) {
                     return WithoutArticle(m) == WithoutArticle(meaning);
                 }))
            fault = "lacks '" + meaning + "'";
        if (!fault.empty() && std::count(faults.begin(), faults.end(), '\n') < 10)
            faults += Utf8FromCp1252(key.first + " (" + std::to_string(key.second) + "): " + fault) + "\n";
        return fault.empty();
    };
    int failed = 0;
    for (const TVokabel& entry : ShippedEntries()) {
        const int wordClass = entry.Wortart + 1;
        const std::vector<std::string> meanings = MeaningsOf(entry);
        const Half& own = entry.Deutsch ? *s_germanFrench : *s_frenchGerman;
        const Half& other = entry.Deutsch ? *s_frenchGerman : *s_germanFrench;
        failed += check(own, entry.Deutsch, {entry.Vokabel, wordClass}, meanings.front(), true) ? 0 : 1;
        for (const std::string& meaning : meanings)
            failed += check(other, !entry.Deutsch, {meaning, wordClass}, entry.Vokabel, false) ? 0 : 1;
    }
    EXPECT_GT(checked, 1000);
    EXPECT_EQ(failed, 0) << faults;
}

// Common words that FreeDict lacks or leads with an odd sense, found the way the dictionary
// window's look-up finds them.
TEST_F(ShippedDictionaryVocabularyTest, CommonWordsAreFoundWithTheirEverydayMeaning) {
    struct Case {
        bool french;
        const char* typed; // UTF-8
        const char* headword;
        const char* first; // the first meaning
    };
    const Case cases[] = {
        {true, "eau", "eau (f)", "das Wasser"},
        {true, "jour", "jour (m)", "der Tag"},
        {true, "lit", "lit (m)", "das Bett"},
        {true, "nuit", "nuit (f)", "die Nacht"},
        {true, "faire", "faire", "machen"},
        {true, "aller", "aller", "gehen"},
        {false, "Wasser", "Wasser", "eau (f)"},
        {false, "Land", "Land", "pays (m)"},
        {false, "das", "das", "le"},
        {false, "Guten Tag", "Guten Tag", "bonjour"},
        {false, "Tag", "Tag", "jour (m)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        MessageCapture messages;
        TXDatabase database;
        database.SetDirection(c.french ? DictionaryDirection::FrenchGerman
                                       : DictionaryDirection::GermanFrench);
        database.Load(ProgramPath(fs::path(QOR_PROGRAM_DIR) / (c.french ? "f_d.qor" : "d_f.qor")));
        database.Locate(Cp1252FromUtf8(c.typed));
        EXPECT_EQ(Utf8FromCp1252(database.Vokabel()), c.headword);
        const std::vector<std::string> meanings = vocab::SplitMeaningList(database.Bedeutung());
        ASSERT_FALSE(meanings.empty());
        EXPECT_EQ(Utf8FromCp1252(WithoutArticle(meanings.front())), c.first);
    }
}

// Vulgar senses carry their label, so a learner sees them marked.
TEST_F(ShippedDictionaryVocabularyTest, VulgarSensesAreMarked) {
    const std::pair<Key, const char*> cases[] = {
        {{"Mann", 1}, "putain [vulg.]"},
        {{"con (m)", 1}, "die Fotze [vulg.]"},
    };
    for (const auto& [key, meaning] : cases) {
        const Half& half = key.first == "Mann" ? *s_germanFrench : *s_frenchGerman;
        const auto found = half.meanings.find(key);
        ASSERT_NE(found, half.meanings.end()) << key.first;
        EXPECT_NE(std::find(found->second.begin(), found->second.end(), meaning), found->second.end())
            << key.first;
        EXPECT_NE(found->second.front(), meaning) << key.first;
    }
}

} // namespace
} // namespace qor::test
