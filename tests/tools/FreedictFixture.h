#pragma once
// Dictionaries in dictd form made on the spot, and a reader for the dictionary files the converter
// writes, independent of the converter's own code.

#include "platform/Zlib.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>
#include <zlib.h>

namespace qor::test {

inline std::string EncodeDictdNumber(std::uint64_t value) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % 64]);
        value /= 64;
    } while (value > 0);
    return digits;
}

// One gzip member holding `text`.
inline std::string Gzip(std::string_view text) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY),
              Z_OK);
    std::string out(deflateBound(&stream, static_cast<uLong>(text.size())) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// The articles of a dictionary (UTF-8) laid end to end, with the index that finds them.
struct DictdDictionary {
    std::string index;
    std::string data;

    void Add(std::string_view indexHeadword, std::string_view article) {
        index += std::string(indexHeadword) + "\t" + EncodeDictdNumber(data.size()) + "\t" +
                 EncodeDictdNumber(article.size()) + "\n";
        data += article;
    }
};

struct WrittenEntry {
    std::string headword;
    std::string wordClass;
    std::string meaning;

    bool operator==(const WrittenEntry&) const = default;
};

inline void PrintTo(const WrittenEntry& entry, std::ostream* out) {
    *out << "{" << entry.headword << ", " << entry.wordClass << ", " << entry.meaning << "}";
}

// The entries of a compressed dictionary file: inflated, then cut at the zero bytes into threes.
inline std::vector<WrittenEntry> ReadDictionaryFile(std::string_view packed) {
    std::string content;
    EXPECT_EQ(InflateZlib(packed, content, std::size_t{64} << 20), InflateStatus::Ok);
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = content.find('\0', start)) != std::string::npos; start = end + 1)
        fields.push_back(content.substr(start, end - start));
    EXPECT_EQ(start, content.size()) << "bytes after the last zero byte";
    EXPECT_EQ(fields.size() % 3, 0U) << "fields do not come in threes";
    std::vector<WrittenEntry> entries;
    for (std::size_t i = 0; i + 2 < fields.size(); i += 3)
        entries.push_back({fields[i], fields[i + 1], fields[i + 2]});
    return entries;
}

} // namespace qor::test
