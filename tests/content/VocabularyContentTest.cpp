// The vocabulary libraries that ship in the area folders under "Vokabeln (F)". They are written
// here as the build writes them (Windows-1252, CRLF) and read with the real library, so a slip in
// the ten-line layout, a gap the query cannot cut out or an area too thin for a query round shows
// up before a learner meets it.

#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"
#include "vocab/AcceptedAnswers.h"
#include "vocab/TBibliothek.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <sstream>

namespace qor::test {
namespace {

namespace fs = std::filesystem;

struct AreaRule {
    std::string name;
    int minLibraries;
    int minEntries; // per library
    int maxEntries;
    bool idiomsOnly; // Pool: "Rw. mit Verb" and "Rw. ohne Verb"
    int minTotal;    // entries of the whole area
};

const std::vector<AreaRule>& Areas() {
    static const std::vector<AreaRule> areas = {
        {"Grundwortschatz", 6, 40, 80, false, 1200},
        {"Aufbauwortschatz", 4, 40, 80, false, 700},
        {"Reisevokabular", 4, 30, 80, false, 300},
        {"Oberstufenwortschatz", 3, 30, 80, false, 400},
        {"Recht", 2, 30, 80, false, 150},
        {"Wirtschaft", 2, 30, 80, false, 150},
        {"Pool", 2, 30, 80, true, 150},
    };
    return areas;
}

// The difficulties each area preset allows ("Baby" 0 .. "Tödlich" 4).
const std::vector<std::set<int>>& PresetDifficulties() {
    static const std::vector<std::set<int>> presets = {{0, 1, 2}, {1, 2, 3}, {3, 4}, {0, 1, 2, 3, 4}};
    return presets;
}

constexpr int kRandomAreaFiles = 5; // files an area query draws at most
constexpr int kSmallestRound = 8;   // fewer eligible entries than this and the round of 12 fails
constexpr std::size_t kLinesPerEntry = 10;

struct Library {
    std::string area;
    std::string name; // "<name>.asc"
    std::string programPath;
    std::size_t lineCount = 0;
    bool lossless = true;
    bool hasAt = false;
    std::vector<TVokabel> entries;
    std::vector<std::string> messages;
};

// Mirrors the build: UTF-8 source → Windows-1252 with every line ended by CR LF.
std::string AsShipped(const std::string& utf8, bool& lossless, std::size_t& lineCount) {
    std::string text = Cp1252FromUtf8(utf8, &lossless);
    std::string shipped;
    std::istringstream lines(text);
    std::string line;
    lineCount = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        shipped += line + "\r\n";
        ++lineCount;
    }
    return shipped;
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " | ") + Utf8FromCp1252(text);
    }
    return joined;
}

struct Gap {
    bool found = false;
    std::string before, text, after;
};

// The gap as the query cuts it: the first "[" or "(" opens it, the last matching closer ends it.
Gap CutGap(const std::string& sentence) {
    Gap gap;
    const std::size_t open = sentence.find_first_of("[(");
    if (open == std::string::npos) {
        return gap;
    }
    const char closer = sentence[open] == '[' ? ']' : ')';
    const std::size_t close = sentence.rfind(closer);
    if (close == std::string::npos || close < open) {
        return gap;
    }
    gap.found = true;
    gap.before = sentence.substr(0, open);
    gap.text = sentence.substr(open + 1, close - open - 1);
    gap.after = sentence.substr(close + 1);
    return gap;
}

std::string WithHeadword(std::string text, const std::string& headword) {
    for (std::size_t at = text.find('*'); at != std::string::npos;
         at = text.find('*', at + headword.size())) {
        text.replace(at, 1, headword);
    }
    return text;
}

bool Eligible(const TVokabel& entry, const std::set<int>& difficulties) {
    // Area presets ask idioms and both directions, so only blankness and difficulty decide.
    return !entry.IsBlank() && difficulties.count(entry.Schwierigkeit) > 0;
}

class VocabularyContentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_root = fs::temp_directory_path() / ("qor_vokabeln_" + std::to_string(std::random_device{}()));
        s_libraries = new std::vector<Library>();
        ScriptedMessagePresenter presenter;
        SetMessagePresenter(&presenter);
        const fs::path sources = fs::path(QOR_CONTENT_DIR).parent_path() / "vokabeln";
        for (const AreaRule& area : Areas()) {
            std::vector<fs::path> files;
            if (fs::is_directory(sources / area.name)) {
                for (const auto& item : fs::directory_iterator(sources / area.name)) {
                    const std::string file = item.path().filename().string();
                    if (item.is_regular_file() && file.size() > 8 &&
                        file.compare(file.size() - 8, 8, ".asc.txt") == 0) {
                        files.push_back(item.path());
                    }
                }
            }
            std::sort(files.begin(), files.end());
            for (const fs::path& source : files) {
                Library library;
                library.area = area.name;
                const std::string file = source.filename().string();
                library.name = file.substr(0, file.size() - 4);
                std::ifstream in(source, std::ios::binary);
                std::ostringstream utf8;
                utf8 << in.rdbuf();
                library.hasAt = utf8.str().find('@') != std::string::npos;
                const std::string shipped = AsShipped(utf8.str(), library.lossless, library.lineCount);
                const fs::path target = AreaFolder(area.name) / library.name;
                fs::create_directories(target.parent_path());
                std::ofstream(target, std::ios::binary) << shipped;
                library.programPath = ProgramPath(target);

                presenter.ClearMessages();
                TBibliothek bibliothek;
                bibliothek.Load(library.programPath, LoadMode::Replace);
                for (const LoggedMessage& message : presenter.Messages()) {
                    library.messages.push_back(message.text);
                }
                for (int i = 0; i < bibliothek.Count(); ++i) {
                    library.entries.push_back(bibliothek.Entry(i));
                }
                s_libraries->push_back(std::move(library));
            }
        }
        SetMessagePresenter(nullptr);
    }

    static void TearDownTestSuite() {
        delete s_libraries;
        s_libraries = nullptr;
        std::error_code ignored;
        fs::remove_all(s_root, ignored);
    }

    static fs::path AreaFolder(const std::string& area) { return s_root / "Vokabeln (F)" / area; }

    static std::vector<const Library*> LibrariesOf(const std::string& area) {
        std::vector<const Library*> found;
        for (const Library& library : *s_libraries) {
            if (library.area == area) {
                found.push_back(&library);
            }
        }
        return found;
    }

    // Calls `check` for every entry, traced with its library and headword.
    template <typename Check> static void ForEachEntry(Check check) {
        for (const Library& library : *s_libraries) {
            SCOPED_TRACE(library.area + "/" + library.name);
            for (const TVokabel& entry : library.entries) {
                SCOPED_TRACE(Utf8FromCp1252(entry.Vokabel));
                check(library, entry);
            }
        }
    }

    static inline fs::path s_root;
    static inline std::vector<Library>* s_libraries = nullptr;
};

TEST_F(VocabularyContentTest, EveryAreaShipsEnoughLibrariesOfTheRightSize) {
    for (const AreaRule& area : Areas()) {
        SCOPED_TRACE(area.name);
        const std::vector<const Library*> libraries = LibrariesOf(area.name);
        EXPECT_GE(static_cast<int>(libraries.size()), area.minLibraries);
        int total = 0;
        for (const Library* library : libraries) {
            SCOPED_TRACE(library->name);
            EXPECT_GE(static_cast<int>(library->entries.size()), area.minEntries);
            EXPECT_LE(static_cast<int>(library->entries.size()), area.maxEntries);
            total += static_cast<int>(library->entries.size());
        }
        EXPECT_GE(total, area.minTotal);
    }
}

TEST_F(VocabularyContentTest, SourcesSurviveTheBuildConversion) {
    for (const Library& library : *s_libraries) {
        SCOPED_TRACE(library.area + "/" + library.name);
        EXPECT_TRUE(library.lossless) << "a character outside Windows-1252 stops the build";
        EXPECT_FALSE(library.hasAt) << "the build's copy step would expand @NAME@";
    }
}

TEST_F(VocabularyContentTest, LibrariesLoadWhole) {
    for (const Library& library : *s_libraries) {
        SCOPED_TRACE(library.area + "/" + library.name);
        EXPECT_TRUE(library.messages.empty()) << Joined(library.messages);
        // Ten lines an entry: a missing or extra line shifts every entry after it.
        EXPECT_EQ(library.lineCount % kLinesPerEntry, 0u);
        EXPECT_EQ(library.entries.size(), library.lineCount / kLinesPerEntry);
    }
}

TEST_F(VocabularyContentTest, EntriesAreCompleteAndInRange) {
    const AreaRule* rule = nullptr;
    ForEachEntry([&rule](const Library& library, const TVokabel& entry) {
        for (const AreaRule& area : Areas()) {
            if (area.name == library.area) {
                rule = &area;
            }
        }
        EXPECT_FALSE(entry.Vokabel.empty());
        EXPECT_FALSE(entry.Bedeutung0.empty());
        EXPECT_GE(entry.Wortart, kNomen);
        EXPECT_LE(entry.Wortart, kRwOhneVerb);
        EXPECT_GE(entry.Schwierigkeit, 0);
        EXPECT_LE(entry.Schwierigkeit, kMaxSchwierigkeit);
        if (rule != nullptr && rule->idiomsOnly) {
            EXPECT_GE(entry.Wortart, kRwMitVerb) << "the pool holds idioms only";
        }
        // A flag without its sentence shows the meaning beside nothing.
        EXPECT_FALSE(entry.KtxDazu0 && entry.Kontext0.empty());
        EXPECT_FALSE(entry.KtxDazu1 && entry.Kontext1.empty());
    });
}

TEST_F(VocabularyContentTest, TextsFitIntoThePagesAndCommands) {
    ForEachEntry([](const Library&, const TVokabel& entry) {
        // Page variables put these texts into links and attributes in double quotes.
        for (const std::string* text :
             {&entry.Vokabel, &entry.Bedeutung0, &entry.Bedeutung1, &entry.Kontext0, &entry.Kontext1}) {
            EXPECT_EQ(text->find_first_of("\"<>"), std::string::npos) << Utf8FromCp1252(*text);
        }
        // A wrong multiple-choice answer travels as "vokabel[<Bedeutung0>]-"; the dispatcher
        // splits commands at commas and the brackets end the answer text.
        EXPECT_EQ(entry.Bedeutung0.find_first_of(",[]"), std::string::npos)
            << Utf8FromCp1252(entry.Bedeutung0);
    });
}

TEST_F(VocabularyContentTest, EveryMeaningGivesPlainAcceptedAnswers) {
    ForEachEntry([](const Library&, const TVokabel& entry) {
        for (const std::string* meaning : {&entry.Bedeutung0, &entry.Bedeutung1}) {
            if (meaning->empty()) {
                continue;
            }
            SCOPED_TRACE(Utf8FromCp1252(*meaning));
            const std::vector<std::string> answers = AcceptedAnswers(*meaning);
            ASSERT_FALSE(answers.empty());
            for (const std::string& answer : answers) {
                EXPECT_FALSE(answer.empty());
                // Left-over brackets or slashes mean an optional part or gender mark was mistyped.
                EXPECT_EQ(answer.find_first_of("()[]/;*"), std::string::npos) << Utf8FromCp1252(answer);
            }
        }
    });
}

TEST_F(VocabularyContentTest, ContextGapsAreWellFormed) {
    int withContext = 0;
    int entries = 0;
    ForEachEntry([&](const Library&, const TVokabel& entry) {
        ++entries;
        withContext += entry.Kontext0.empty() ? 0 : 1;
        EXPECT_FALSE(entry.Kontext0.empty() && !entry.Kontext1.empty())
            << "the second sentence without a first";
        const std::vector<std::pair<const std::string*, bool>> contexts = {{&entry.Kontext0, entry.KtxDazu0},
                                                                           {&entry.Kontext1, entry.KtxDazu1}};
        for (const auto& [sentence, showMeaning] : contexts) {
            if (sentence->empty()) {
                continue;
            }
            SCOPED_TRACE(Utf8FromCp1252(*sentence));
            const Gap gap = CutGap(*sentence);
            ASSERT_TRUE(gap.found) << "a sentence without a gap is never asked";
            EXPECT_EQ((gap.before + gap.after).find_first_of("[]()*"), std::string::npos)
                << "only one gap per sentence";
            const std::string gapText = WithHeadword(gap.text, entry.Vokabel);
            const std::vector<std::string> answers = AcceptedAnswers(gapText);
            ASSERT_FALSE(answers.empty()) << "an empty gap";
            for (const std::string& answer : answers) {
                EXPECT_EQ(answer.find_first_of("()[]/;"), std::string::npos) << Utf8FromCp1252(answer);
            }
            if (showMeaning) {
                // The tip beside the sentence must not be the word that goes into the gap.
                const std::vector<std::string> tip = AcceptedAnswers(entry.Bedeutung0);
                EXPECT_EQ(std::find(tip.begin(), tip.end(), answers.front()), tip.end());
            }
        }
    });
    EXPECT_GE(withContext * 2, entries) << "half the entries or more carry a gap sentence";
}

TEST_F(VocabularyContentTest, HeadwordsAreUniqueWithinAnArea) {
    for (const AreaRule& area : Areas()) {
        SCOPED_TRACE(area.name);
        std::map<std::string, std::string> seen; // headword → library
        for (const Library* library : LibrariesOf(area.name)) {
            for (const TVokabel& entry : library->entries) {
                const auto [it, fresh] = seen.emplace(entry.Vokabel, library->name);
                EXPECT_TRUE(fresh) << Utf8FromCp1252(entry.Vokabel) << " in " << it->second << " and "
                                   << library->name;
            }
        }
    }
}

TEST_F(VocabularyContentTest, BothDirectionsCanBeAsked) {
    for (const AreaRule& area : Areas()) {
        SCOPED_TRACE(area.name);
        int german = 0;
        int all = 0;
        for (const Library* library : LibrariesOf(area.name)) {
            for (const TVokabel& entry : library->entries) {
                german += entry.Deutsch ? 1 : 0;
                ++all;
            }
        }
        ASSERT_GT(all, 0);
        EXPECT_GE(german * 10, all) << "too few German headwords";
        EXPECT_LE(german * 3, all) << "the libraries are mostly French to German";
    }
}

TEST_F(VocabularyContentTest, EveryPresetFindsARoundInAnyRandomAreaLibrary) {
    for (const AreaRule& area : Areas()) {
        SCOPED_TRACE(area.name);
        const std::vector<const Library*> libraries = LibrariesOf(area.name);
        ASSERT_FALSE(libraries.empty());
        for (std::size_t preset = 0; preset < PresetDifficulties().size(); ++preset) {
            SCOPED_TRACE("preset " + std::to_string(preset));
            std::vector<int> perLibrary;
            for (const Library* library : libraries) {
                perLibrary.push_back(static_cast<int>(std::count_if(
                    library->entries.begin(), library->entries.end(),
                    [&](const TVokabel& entry) { return Eligible(entry, PresetDifficulties()[preset]); })));
            }
            // The query draws at most five of the area's files: the five poorest must do.
            std::sort(perLibrary.begin(), perLibrary.end());
            const std::size_t drawn = std::min<std::size_t>(perLibrary.size(), kRandomAreaFiles);
            int worst = 0;
            for (std::size_t i = 0; i < drawn; ++i) {
                worst += perLibrary[i];
            }
            EXPECT_GE(worst, kSmallestRound);
        }
    }
}

TEST_F(VocabularyContentTest, RandomAreaLibrariesLoadQuietly) {
    SeedRandom(20240611);
    ScriptedMessagePresenter presenter;
    SetMessagePresenter(&presenter);
    for (const AreaRule& area : Areas()) {
        SCOPED_TRACE(area.name);
        std::size_t largest = 0;
        for (const Library* library : LibrariesOf(area.name)) {
            largest = std::max(largest, library->entries.size());
        }
        for (int draw = 0; draw < 3; ++draw) {
            presenter.ClearMessages();
            TBibliothek bibliothek;
            bibliothek.LoadRandomArea(ProgramPath(AreaFolder(area.name)));
            EXPECT_TRUE(presenter.Messages().empty());
            EXPECT_GT(bibliothek.Count(), 0);
            EXPECT_LE(bibliothek.Count(), TBibliothek::kRandomAreaEntryLimit + static_cast<int>(largest));
            EXPECT_FALSE(bibliothek.Changed());
        }
    }
    SetMessagePresenter(nullptr);
}

} // namespace
} // namespace qor::test
