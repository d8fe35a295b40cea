#pragma once
// The index of a dictionary in dictd form: one line per headword, "headword TAB offset TAB length",
// offset and length written as base-64 numbers ("A".."Z", "a".."z", "0".."9", "+", "/", most
// significant digit first) that locate the article inside the uncompressed .dict data.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor::freedict {

struct DictdIndexEntry {
    std::string headword; // as the index writes it (UTF-8, often folded to lower case)
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::size_t line = 0; // 1-based, for messages
};

// The value of a dictd base-64 number; none for an empty text, a character outside the alphabet
// or a value beyond 48 bits (far more than any dictionary file holds).
std::optional<std::uint64_t> DecodeDictdNumber(std::string_view digits);

// The entries of an index text in file order, the database's own entries ("00-database-...",
// "00database...") left out. False with a message naming the line for a line without its two tabs
// or with a bad number; `entries` then holds the lines before it.
bool ParseDictdIndex(std::string_view text, std::vector<DictdIndexEntry>& entries, std::string& error);

// The database entries that dictd keeps beside the articles (name, URL, licence text).
bool IsDictdDatabaseEntry(std::string_view headword);

} // namespace qor::freedict
