#include "sound/WaveBaseFile.h"

#include "platform/Cp1252.h"
#include "platform/Zlib.h"

#include <zlib.h>

namespace qor {

namespace {

// A recording index of a few hundred thousand words stays far below this; a hostile stream that
// inflates without end is cut off here.
constexpr std::size_t kMaxInflatedBytes = std::size_t{64} << 20;

// Inflates as much of `compressed` as is sound. True only for a complete stream.
bool InflatePrefix(std::string_view compressed, std::string& text) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        std::size_t produced = sizeof buffer - stream.avail_out;
        if (text.size() + produced > kMaxInflatedBytes) {
            status = Z_MEM_ERROR;
            break;
        }
        text.append(buffer, produced);
        if (status == Z_BUF_ERROR || (status == Z_OK && produced == 0 && stream.avail_in == 0))
            break;
    }
    inflateEnd(&stream);
    return status == Z_STREAM_END;
}

} // namespace

WaveBaseFileForm WaveBaseFormOf(std::string_view fileName) {
    std::string_view name = fileName;
    auto separator = name.find_last_of("\\/");
    if (separator != std::string_view::npos)
        name.remove_prefix(separator + 1);
    auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return WaveBaseFileForm::PlainText;
    std::string_view extension = name.substr(dot);
    return SameTextInsensitive(extension, ".qor") || SameTextInsensitive(extension, ".xtm")
               ? WaveBaseFileForm::Compressed
               : WaveBaseFileForm::PlainText;
}

std::string TrimmedWaveText(std::string_view text) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

bool DecodeWaveBase(std::string_view compressed, std::vector<WaveBaseEntry>& entries) {
    std::string text;
    bool complete = InflatePrefix(compressed, text);
    std::string_view rest = text;
    std::vector<std::string> strings;
    while (!rest.empty()) {
        auto end = rest.find('\0');
        if (end == std::string_view::npos) {
            // An unterminated last string counts only when the stream itself is whole.
            if (complete)
                strings.emplace_back(rest);
            break;
        }
        strings.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    for (std::size_t i = 0; i < strings.size(); i += 2) {
        bool hasPath = i + 1 < strings.size();
        if (!hasPath && !complete)
            break;
        entries.emplace_back(TrimmedWaveText(strings[i]), hasPath ? strings[i + 1] : std::string());
    }
    return complete;
}

void ParseWaveBaseText(std::string_view text, std::vector<WaveBaseEntry>& entries) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        // A NUL cannot be stored in the compressed form, so a line ends there.
        lines.push_back(line.substr(0, line.find('\0')));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    for (std::size_t i = 0; i < lines.size(); i += 2)
        entries.emplace_back(TrimmedWaveText(lines[i]),
                             i + 1 < lines.size() ? std::string(lines[i + 1]) : "");
}

std::string EncodeWaveBase(const std::vector<WaveBaseEntry>& entries) {
    std::string text;
    for (const auto& [entryText, path] : entries) {
        text += entryText;
        text += '\0';
        text += path;
        text += '\0';
    }
    return DeflateZlib(text);
}

} // namespace qor
