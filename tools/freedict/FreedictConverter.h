#pragma once
// The whole conversion of a FreeDict dictionary (dictd form) into a dictionary file of the program:
// read the index, take each article from the data, keep what the dictionary can hold, merge,
// sort, compress, write.

#include "freedict/DictionaryBuilder.h"
#include "freedict/WordClassRules.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qor::freedict {

struct ConversionReport {
    std::size_t articles = 0;            // index entries apart from the database's own
    std::size_t entries = 0;             // entries of the written dictionary
    std::size_t merged = 0;              // articles that joined an entry of equal headword and word class
    std::size_t properNames = 0;         // left out
    std::size_t abbreviations = 0;       // left out
    std::size_t affixes = 0;             // left out
    std::size_t notWindows1252 = 0;      // headword outside the code page: left out
    std::size_t untranslated = 0;        // no translation left: left out
    std::size_t translationsDropped = 0; // outside the code page, or holding ";" or ","
};

class VulgarWords;

// Reads the articles into the builder (headwords marked, meanings labelled, German nouns' genders
// noted); the report counts what was left out and the entries collected so far.
bool CollectFreedict(std::string_view indexText, std::string_view articleData, HeadwordLanguage language,
                     const VulgarWords& vulgar, DictionaryBuilder& builder, ConversionReport& report,
                     std::string& error);

// Converts an index text and the uncompressed article data into sorted entries. False with a
// message for an index that cannot be read or that points outside the data.
bool ConvertFreedict(std::string_view indexText, std::string_view articleData, HeadwordLanguage language,
                     std::vector<DictionaryEntry>& entries, ConversionReport& report, std::string& error);

// Reads INDEX and the gzip-compressed DICT_DZ, converts them and writes the zlib-compressed
// dictionary file through a temporary file, so a failed run leaves an older target as it was.
bool ConvertFreedictFiles(const std::filesystem::path& index, const std::filesystem::path& dictDz,
                          const std::filesystem::path& target, HeadwordLanguage language,
                          ConversionReport& report, std::string& error);

// INDEX as it is and DICT_DZ unpacked; false with a message naming the file.
bool ReadFreedictFiles(const std::filesystem::path& index, const std::filesystem::path& dictDz,
                       std::string& indexText, std::string& articleData, std::string& error);

// Compressed, through a temporary file.
bool WriteDictionaryFile(const std::filesystem::path& target, const std::vector<DictionaryEntry>& entries,
                         std::string& error);

} // namespace qor::freedict
