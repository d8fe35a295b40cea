// freedict2qor: turns a FreeDict dictionary in dictd form into one half of the program's
// dictionary (a zlib stream of zero-terminated headword, word class and meaning per entry,
// Windows-1252).
//
//   freedict2qor INDEX DICT_DZ TARGET.qor --french-headwords
//   freedict2qor INDEX DICT_DZ TARGET.qor --german-headwords
//
// --french-headwords for a French-German dictionary (fra-deu → f_d.qor): French nouns get their
// gender mark; --german-headwords for German-French (deu-fra → d_f.qor). Prints the number of
// entries written and what was left out; exits with 1 and a message on any error, leaving an
// older target untouched.

#include "freedict/FreedictConverter.h"

#include <cstring>
#include <iostream>
#include <optional>

namespace {

constexpr const char* kUsage =
    "usage: freedict2qor INDEX DICT_DZ TARGET.qor --french-headwords|--german-headwords\n"
    "\n"
    "Converts a FreeDict dictionary in dictd form (INDEX: the .index file, DICT_DZ: the gzip or\n"
    "dictzip .dict.dz file) into a dictionary file of the program.\n"
    "  --french-headwords   French headwords (fra-deu, for f_d.qor); nouns get (m) or (f)\n"
    "  --german-headwords   German headwords (deu-fra, for d_f.qor)\n";

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

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
    }
    const std::optional<qor::freedict::HeadwordLanguage> language =
        argc == 5 ? LanguageOption(argv[4]) : std::nullopt;
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
