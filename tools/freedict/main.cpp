// freedict2qor: turns FreeDict dictionaries in dictd form into the program's dictionary files (a
// zlib stream of zero-terminated headword, word class and meaning per entry, Windows-1252).
//
//   freedict2qor INDEX DICT_DZ TARGET.qor --french-headwords|--german-headwords
//   freedict2qor --pair FRA_DEU_INDEX FRA_DEU_DZ DEU_FRA_INDEX DEU_FRA_DZ F_D.qor D_F.qor
//                [--vocabulary FOLDER] [--supplement FOLDER]
//
// The first form converts one half on its own. The second makes both halves together, the way the
// build does: the halves lend each other genders and articles and confirm each other's senses, and
// the shipped vocabulary libraries (*.asc.txt below the vocabulary folder) and the supplement files
// (*.txt in the supplement folder) add their words and put their meanings first. Prints what was
// written and left out; exits with 1 and a message on any error, leaving older targets untouched.

#include "freedict/FreedictConverter.h"
#include "freedict/PairedConversion.h"

#include <chrono>
#include <cstring>
#include <iostream>
#include <optional>

namespace {

constexpr const char* kUsage =
    "usage: freedict2qor INDEX DICT_DZ TARGET.qor --french-headwords|--german-headwords\n"
    "       freedict2qor --pair FRA_DEU_INDEX FRA_DEU_DZ DEU_FRA_INDEX DEU_FRA_DZ F_D.qor D_F.qor\n"
    "                    [--vocabulary FOLDER] [--supplement FOLDER]\n"
    "\n"
    "Converts FreeDict dictionaries in dictd form (INDEX: the .index file, DICT_DZ: the gzip or\n"
    "dictzip .dict.dz file) into dictionary files of the program.\n"
    "  --french-headwords   French headwords (fra-deu, for f_d.qor); nouns get (m) or (f)\n"
    "  --german-headwords   German headwords (deu-fra, for d_f.qor)\n"
    "  --pair               both halves at once, each completed from the other\n"
    "  --vocabulary FOLDER  the vocabulary libraries (*.asc.txt, UTF-8) whose meanings come first\n"
    "  --supplement FOLDER  our own additions (*.txt, UTF-8; the format is in Supplement.h)\n";

std::optional<qor::freedict::HeadwordLanguage> LanguageOption(const char* option) {
    if (std::strcmp(option, "--french-headwords") == 0)
        return qor::freedict::HeadwordLanguage::French;
    if (std::strcmp(option, "--german-headwords") == 0)
        return qor::freedict::HeadwordLanguage::German;
    return std::nullopt;
}

void PrintReport(const char* target, const qor::freedict::ConversionReport& report) {
    std::cout << target << ": " << report.entries << " entries from " << report.articles << " articles\n"
              << "  merged into an entry of equal headword and word class: " << report.merged << "\n"
              << "  left out: proper names " << report.properNames << ", abbreviations "
              << report.abbreviations << ", affixes " << report.affixes << ", headwords outside Windows-1252 "
              << report.notWindows1252 << ", no usable translation " << report.untranslated << "\n"
              << "  translations left out (outside Windows-1252, or holding \";\" or \",\"): "
              << report.translationsDropped << "\n";
}

int ConvertOne(char** argv) {
    const std::optional<qor::freedict::HeadwordLanguage> language = LanguageOption(argv[4]);
    if (!language) {
        std::cerr << kUsage;
        return 2;
    }
    qor::freedict::ConversionReport report;
    std::string error;
    if (!qor::freedict::ConvertFreedictFiles(argv[1], argv[2], argv[3], *language, report, error)) {
        std::cerr << "freedict2qor: " << error << "\n";
        return 1;
    }
    PrintReport(argv[3], report);
    return 0;
}

int ConvertPair(int argc, char** argv) {
    using namespace qor::freedict;
    const auto started = std::chrono::steady_clock::now();
    Supplement supplement;
    std::string error;
    for (int i = 8; i < argc; i += 2) {
        const bool vocabulary = std::strcmp(argv[i], "--vocabulary") == 0;
        if ((!vocabulary && std::strcmp(argv[i], "--supplement") != 0) || i + 1 >= argc) {
            std::cerr << kUsage;
            return 2;
        }
        const bool read = vocabulary ? ReadVocabularyFolder(argv[i + 1], supplement, error)
                                     : ReadSupplementFolder(argv[i + 1], supplement, error);
        if (!read) {
            std::cerr << "freedict2qor: " << error << "\n";
            return 1;
        }
    }
    std::string frenchIndex, frenchData, germanIndex, germanData;
    if (!ReadFreedictFiles(argv[2], argv[3], frenchIndex, frenchData, error) ||
        !ReadFreedictFiles(argv[4], argv[5], germanIndex, germanData, error)) {
        std::cerr << "freedict2qor: " << error << "\n";
        return 1;
    }
    std::vector<DictionaryEntry> frenchGerman, germanFrench;
    PairReport report;
    if (!ConvertFreedictPair({frenchIndex, frenchData}, {germanIndex, germanData}, supplement, frenchGerman,
                             germanFrench, report, error) ||
        !WriteDictionaryFile(argv[6], frenchGerman, error) ||
        !WriteDictionaryFile(argv[7], germanFrench, error)) {
        std::cerr << "freedict2qor: " << error << "\n";
        return 1;
    }
    PrintReport(argv[6], report.frenchGerman);
    PrintReport(argv[7], report.germanFrench);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started)
            .count();
    std::cout << "  vocabulary and supplement: " << report.pairs << " pairs, entries added "
              << report.frenchAdded << " French-German and " << report.germanAdded << " German-French\n"
              << "  French nouns given a gender " << report.gendersFound << ", still without one "
              << report.nounsWithoutGender << "; gender marks added to German-French meanings "
              << report.marksAdded << ", articles to French-German meanings " << report.articlesAdded << "\n"
              << "  meanings with a usage label: " << report.labelled << "\n"
              << "  converted in " << milliseconds << " ms\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
    }
    if (argc >= 8 && std::strcmp(argv[1], "--pair") == 0)
        return ConvertPair(argc, argv);
    if (argc == 5)
        return ConvertOne(argv);
    std::cerr << kUsage;
    return 2;
}
