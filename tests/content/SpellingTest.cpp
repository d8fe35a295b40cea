// Every French and German word the learner reads in the shipped content goes through hunspell: the
// vocabulary libraries, the language lab's sentences and the French marked as such on the course
// pages. A learner copies what we show, so a misspelt word would be learnt. Words hunspell does
// not know although they are right (names, loan words, rare compounds) are listed, reviewed, in
// spelling-allow.txt next to this file.
//
// The folders are read as they are, so new libraries and pages are checked without a change here.
// hunspell runs once per language over all words; scripts/setup installs it with both dictionaries.

#include "platform/TempFolder.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace qor::test {
namespace {

namespace fs = std::filesystem;

// Where each word was seen (file:line), for the report.
using WordPlaces = std::map<std::string, std::vector<std::string>>;

struct Words {
    WordPlaces french;
    WordPlaces german;
};

// UTF-8 decoding of one code point; invalid bytes come back as themselves.
char32_t NextCodePoint(const std::string& text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    int length = first < 0x80           ? 1
                 : (first >> 5) == 0x6  ? 2
                 : (first >> 4) == 0xE  ? 3
                 : (first >> 3) == 0x1E ? 4
                                        : 1;
    if (i + length > text.size())
        length = 1;
    char32_t code = length == 1 ? first : first & (0x7F >> length);
    for (int k = 1; k < length; ++k)
        code = (code << 6) | (byte(i + k) & 0x3F);
    i += length;
    return code;
}

bool IsLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

bool IsInnerMark(char32_t c) {
    return c == '\'' || c == 0x2019 || c == '-';
}

// Splits a text into the words hunspell should see: letters with the apostrophes and hyphens
// inside them ("aujourd'hui", "c'est-à-dire", "E-Mail-Adresse"). Endings and stems written with a
// hyphen at the edge ("-tion", "parl-") are no words; neither are single letters (the "e" of
// "controversé(e)", "l'" cut off by a bracket) nor anything with a digit.
std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool digit = false;
    const auto finish = [&] {
        const bool fragment = !word.empty() && (word.front() == '-' || word.back() == '-');
        while (!word.empty() && (word.back() == '\'' || word.back() == '-'))
            word.pop_back();
        while (word.size() >= 3 && word.compare(word.size() - 3, 3, "\xE2\x80\x99") == 0)
            word.resize(word.size() - 3);
        std::size_t letters = 0;
        for (std::size_t i = 0; i < word.size(); NextCodePoint(word, i))
            ++letters;
        if (!fragment && !digit && letters >= 2)
            words.push_back(word);
        word.clear();
        digit = false;
    };
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t c = NextCodePoint(text, i);
        const bool isDigit = c >= '0' && c <= '9';
        if (IsLetter(c) || isDigit || (IsInnerMark(c) && !word.empty()) || (c == '-' && word.empty())) {
            word.append(text, start, i - start);
            digit = digit || isDigit;
        } else {
            finish();
        }
    }
    finish();
    return words;
}

// Headwords and meanings mark gender, number and forms in brackets: "(l')arbre (m)", "long(ue)".
std::string WithoutBrackets(const std::string& text) {
    return std::regex_replace(text, std::regex(R"(\([^)]*\))"), " ");
}

void Add(WordPlaces& into, const std::string& text, const std::string& place) {
    for (const std::string& word : SplitWords(text))
        into[word].push_back(place);
}

std::vector<std::string> ReadLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<fs::path> FilesBelow(const fs::path& folder, const std::string& ending) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder)) {
        for (const auto& item : fs::recursive_directory_iterator(folder)) {
            const std::string name = item.path().filename().string();
            if (item.is_regular_file() && name.size() > ending.size() &&
                name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
                files.push_back(item.path());
        }
    }
    return files;
}

// A library entry is ten lines: headword, two meanings, context, flag, context, flag, word class,
// direction ("-1": German headword with French meanings), difficulty. Contexts are French.
void AddLibrary(Words& words, const std::vector<std::string>& lines, const std::string& name) {
    for (std::size_t i = 0; i + 9 < lines.size(); i += 10) {
        const std::string place = name + ":" + std::to_string(i + 1);
        const bool germanHeadword = lines[i + 8] == "-1";
        WordPlaces& headword = germanHeadword ? words.german : words.french;
        WordPlaces& meaning = germanHeadword ? words.french : words.german;
        Add(headword, WithoutBrackets(lines[i]), place);
        Add(meaning, WithoutBrackets(lines[i + 1]), place);
        Add(meaning, WithoutBrackets(lines[i + 2]), place);
        Add(words.french, lines[i + 3], place);
        Add(words.french, lines[i + 5], place);
    }
}

// Theme lines start with "****"; a sentence is five lines: French, alternative, hint, German, path.
void AddLabSentences(Words& words, const std::vector<std::string>& lines, const std::string& name) {
    for (std::size_t i = 0; i < lines.size();) {
        if (lines[i].empty() || lines[i].rfind("****", 0) == 0) {
            ++i;
            continue;
        }
        const std::string place = name + ":" + std::to_string(i + 1);
        Add(words.french, lines[i], place);
        if (i + 1 < lines.size())
            Add(words.french, lines[i + 1], place);
        if (i + 3 < lines.size())
            Add(words.german, lines[i + 3], place);
        i += 5;
    }
}

// On a course page French is what the page sets in its style "fr" (until the next style or box),
// the parts of a sentence puzzle and the choices shown in that style, and every gap's solutions.
void AddPageLine(WordPlaces& french, const std::string& line, const std::string& place) {
    static const std::regex piece(R"(<([^>]*)>|([^<]+))");
    static const std::regex attribute(R"re(([A-Za-z]+)\s*=\s*"([^"]*)")re");
    bool inFrench = false;
    for (auto it = std::sregex_iterator(line.begin(), line.end(), piece); it != std::sregex_iterator();
         ++it) {
        if (!(*it)[1].matched) {
            if (inFrench)
                Add(french, (*it)[2].str(), place);
            continue;
        }
        const std::string tag = (*it)[1].str();
        if (!tag.empty() && tag[0] == '+')
            inFrench = tag == "+fr";
        else if (tag.size() >= 3 && (tag.compare(0, 3, "BOX") == 0 || tag.compare(0, 3, "box") == 0))
            inFrench = false;
        for (auto a = std::sregex_iterator(tag.begin(), tag.end(), attribute); a != std::sregex_iterator();
             ++a) {
            std::string key = (*a)[1].str();
            for (char& c : key)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (key == "LSG" || (inFrench && (key == "TEILE" || key == "TXT")))
                Add(french, (*a)[2].str(), place);
        }
    }
}

Words CollectShippedWords(const fs::path& content) {
    Words words;
    for (const fs::path& file : FilesBelow(content / "vokabeln", ".asc.txt"))
        AddLibrary(words, ReadLines(file), fs::relative(file, content).string());
    AddLabSentences(words, ReadLines(content / "blocks" / "saetze.txt"), "blocks/saetze.txt");
    for (const std::string ending : {".html", ".txt"}) {
        for (const fs::path& file : FilesBelow(content / "hqor" / "kurs", ending)) {
            const std::vector<std::string> lines = ReadLines(file);
            for (std::size_t i = 0; i < lines.size(); ++i)
                AddPageLine(words.french, lines[i],
                            fs::relative(file, content).string() + ":" + std::to_string(i + 1));
        }
    }
    return words;
}

// The words hunspell rejects, one run for all of them. A made-up word goes along: if it is not
// rejected, hunspell did not check at all (missing program or dictionary).
std::set<std::string> Unknown(const WordPlaces& words, const std::string& dictionary, std::string& problem) {
    static const std::string kSentinel = "Qorxqzwv";
    TempFolder temp;
    std::string list = kSentinel + "\n";
    for (const auto& [word, places] : words)
        list += word + "\n";
    const fs::path file = temp.MakeFile("words.txt", list);
    const std::string command = "hunspell -i UTF-8 -d " + dictionary + " -l < '" + file.string() + "' 2>&1";
    std::string output;
    int status = -1;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        status = pclose(pipe);
    }
    std::set<std::string> unknown;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty())
            unknown.insert(line);
    if (status != 0 || unknown.erase(kSentinel) == 0)
        problem =
            "hunspell with dictionary " + dictionary + " did not run (scripts/setup installs it): " + output;
    return unknown;
}

// "fr word" / "de word" lines; "#" starts a comment.
std::map<std::string, std::set<std::string>> ReadAllowList(const fs::path& file) {
    std::map<std::string, std::set<std::string>> allowed;
    for (const std::string& line : ReadLines(file)) {
        std::istringstream fields(line.substr(0, line.find('#')));
        std::string language, word;
        if (fields >> language >> word)
            allowed[language].insert(word);
    }
    return allowed;
}

TEST(Spelling, WordsAreTakenFromTheirPlaceInEachSource) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> words;
    };
    const std::vector<Case> split = {
        {"apostrophes and hyphens inside words",
         "Aujourd'hui, c'est-à-dire l’été !",
         {"Aujourd'hui", "c'est-à-dire", "l’été"}},
        {"German compounds keep their hyphens",
         "Hier ist meine E-Mail-Adresse.",
         {"Hier", "ist", "meine", "E-Mail-Adresse"}},
        {"endings, stems, single letters and numbers are no words", "-tion, parl- › l' e A1 2e", {}},
        {"gaps and the headword star",
         "Je vais à la [boulangerie] (*).",
         {"Je", "vais", "la", "boulangerie"}},
    };
    for (const Case& c : split) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitWords(c.text), c.words);
    }
    EXPECT_EQ(SplitWords(WithoutBrackets("(l')arbre (m); controversé(e)")),
              (std::vector<std::string>{"arbre", "controversé"}));

    const auto keys = [](const WordPlaces& places) {
        std::vector<std::string> keys;
        for (const auto& [word, where] : places)
            keys.push_back(word);
        return keys;
    };
    Words library;
    AddLibrary(library,
               {"pain (m)",
                "das Brot",
                "",
                "du [pain] frais",
                "-1",
                "",
                "0",
                "0",
                "0",
                "0", //
                "Rathaus",
                "mairie (f)",
                "hôtel de ville",
                "",
                "0",
                "",
                "0",
                "0",
                "-1",
                "1"},
               "lib");
    EXPECT_EQ(keys(library.french),
              (std::vector<std::string>{"de", "du", "frais", "hôtel", "mairie", "pain", "ville"}));
    EXPECT_EQ(keys(library.german), (std::vector<std::string>{"Brot", "Rathaus", "das"}));
    EXPECT_EQ(library.german["Rathaus"], std::vector<std::string>{"lib:11"});

    Words lab;
    AddLabSentences(
        lab, {"****Hotel", "Je suis né.", "Je suis née.", " ", "Geboren.", "XF:\\LA\\1\\Lab__1a.ogg"}, "s");
    EXPECT_EQ(keys(lab.french), (std::vector<std::string>{"Je", "né", "née", "suis"}));
    EXPECT_EQ(keys(lab.german), std::vector<std::string>{"Geboren"});

    WordPlaces page;
    AddPageLine(page,
                R"(<BOX COORDS="1"><+text>Deutsch <+fr>la table<+text> Tisch <A GAP lsg="Le; le">x</A>)"
                R"(<+fr><SATZ TEILE="Nous /habitons"><BOX COORDS="2">Kasten<+h>Titel)",
                "p:1");
    EXPECT_EQ(keys(page), (std::vector<std::string>{"Le", "Nous", "habitons", "la", "le", "table"}));
}

TEST(Spelling, ShippedContentPassesHunspell) {
    const fs::path content = fs::path(QOR_CONTENT_DIR).parent_path();
    const Words words = CollectShippedWords(content);
    ASSERT_GT(words.french.size(), 1000u);
    ASSERT_GT(words.german.size(), 1000u);
    auto allowed = ReadAllowList(QOR_SPELLING_ALLOW_LIST);
    ASSERT_FALSE(allowed.empty()) << QOR_SPELLING_ALLOW_LIST;

    std::ostringstream report;
    std::ostringstream unused;
    for (const auto& [language, dictionary, places] :
         {std::tuple{"fr", "fr_FR", &words.french}, std::tuple{"de", "de_DE", &words.german}}) {
        std::string problem;
        const std::set<std::string> unknown = Unknown(*places, dictionary, problem);
        ASSERT_TRUE(problem.empty()) << problem;
        for (const std::string& word : unknown) {
            if (allowed[language].count(word))
                continue;
            // hunspell may report a part of a hyphenated word: name the words it came from.
            std::vector<std::string> where;
            for (const auto& [seen, seenPlaces] : *places)
                if (seen == word || seen.find(word) != std::string::npos)
                    where.insert(where.end(), seenPlaces.begin(), seenPlaces.end());
            report << "  " << language << " " << word << "   ";
            for (std::size_t i = 0; i < where.size() && i < 3; ++i)
                report << " " << where[i];
            report << (where.size() > 3 ? " ..." : "") << "\n";
        }
        for (const std::string& word : allowed[language])
            if (!unknown.count(word))
                unused << " " << language << " " << word;
    }
    // An entry hunspell now accepts or the content no longer uses can go; it does not fail.
    if (!unused.str().empty())
        std::cout << "spelling-allow.txt entries no longer needed:" << unused.str() << "\n";
    EXPECT_TRUE(report.str().empty()) << "Words hunspell does not know (fix them, or add correct ones to "
                                         "spelling-allow.txt):\n"
                                      << report.str();
}

} // namespace
} // namespace qor::test
