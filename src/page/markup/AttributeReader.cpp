#include "page/markup/AttributeReader.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <limits>

namespace qor {

namespace {

bool IsWhitespace(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool SameCharInsensitive(char a, char b) {
    return a == b || UpperCp1252(a) == UpperCp1252(b);
}

// Where `word` next occurs in `text` from `from` on, ignoring case; npos when it does not.
std::size_t FindWord(std::string_view text, std::string_view word, std::size_t from) {
    if (word == " ") {
        for (std::size_t i = from; i < text.size(); ++i) {
            if (IsWhitespace(text[i])) {
                return i;
            }
        }
        return std::string_view::npos;
    }
    if (word.empty()) {
        return from;
    }
    const char first = word.front();
    for (std::size_t i = from; i + word.size() <= text.size(); ++i) {
        if (!SameCharInsensitive(text[i], first)) {
            continue;
        }
        if (std::equal(word.begin(), word.end(), text.begin() + static_cast<std::ptrdiff_t>(i),
                       SameCharInsensitive)) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::string StripOneQuotePair(std::string value) {
    if (!value.empty() && value.front() == '"') {
        value.erase(0, 1);
    }
    if (!value.empty() && value.back() == '"') {
        value.pop_back();
    }
    return value;
}

// Runs `read` in tolerant mode and restores the mode afterwards.
template <typename Read> auto Tolerantly(AttributeReader& reader, Read read) {
    const AttributeReader::Mode mode = reader.CurrentMode();
    reader.SetMode(AttributeReader::Mode::Tolerant);
    auto result = read();
    reader.SetMode(mode);
    return result;
}

} // namespace

std::optional<int> ParseInteger(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    bool negative = false;
    std::size_t i = 0;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

bool AttributeReader::Fail(std::string text) {
    m_errorText = std::move(text);
    if (m_mode == Mode::Strict) {
        m_abandoned = true;
    } else {
        m_error = true;
    }
    return false;
}

bool AttributeReader::TestError() {
    const bool error = m_error;
    m_error = false;
    return error;
}

void AttributeReader::SkipWhitespace() {
    while (m_position < m_text.size() && IsWhitespace(m_text[m_position])) {
        ++m_position;
    }
}

bool AttributeReader::ContinuesWith(std::string_view word) const {
    return m_text.size() - m_position >= word.size() &&
           std::equal(word.begin(), word.end(), m_text.begin() + static_cast<std::ptrdiff_t>(m_position),
                      SameCharInsensitive);
}

bool AttributeReader::Expect(std::string_view word) {
    if (!Usable()) {
        return false;
    }
    SkipWhitespace();
    if (!ContinuesWith(word)) {
        return Fail("Expected \"" + std::string(word) + "\"");
    }
    m_position += word.size();
    return true;
}

bool AttributeReader::ExpectEnd() {
    if (!Usable()) {
        return false;
    }
    SkipWhitespace();
    return AtEnd() || Fail("Expected <end-of-expression>");
}

int AttributeReader::OneOf(std::initializer_list<std::string_view> words) {
    if (!Usable()) {
        return 0;
    }
    SkipWhitespace();
    int index = 1;
    for (std::string_view word : words) {
        if (ContinuesWith(word)) {
            m_position += word.size();
            return index;
        }
        ++index;
    }
    Fail("Expected one of several tokens " + std::string(words.size() > 0 ? *words.begin() : ""));
    return 0;
}

bool AttributeReader::Find(std::string_view word) {
    if (!Usable()) {
        return false;
    }
    const std::size_t at = FindWord(m_text, word, m_position);
    if (at == std::string_view::npos) {
        return Fail("Couldn't find \"" + std::string(word) + "\"");
    }
    m_token.assign(m_text.substr(m_position, at - m_position));
    m_position = at + (word == " " ? 1 : word.size());
    return true;
}

std::string_view AttributeReader::Rest() {
    if (!Usable()) {
        return {};
    }
    SkipWhitespace();
    std::string_view rest = m_text.substr(m_position);
    m_position = m_text.size();
    return rest;
}

std::optional<std::string> AttributeReader::PlainValue() {
    return Tolerantly(*this, [this]() -> std::optional<std::string> {
        if (!Expect("=")) {
            return std::nullopt;
        }
        if (!Find(" ")) {
            TestError(); // the value runs to the end of the tag
            m_token.assign(m_text.substr(m_position));
            m_position = m_text.size();
        }
        return StripOneQuotePair(m_token);
    });
}

std::optional<std::string> AttributeReader::QuotedValue() {
    return Tolerantly(*this, [this]() -> std::optional<std::string> {
        if (!Expect("=") || !Expect("\"") || !Find("\"")) {
            return std::nullopt;
        }
        return m_token;
    });
}

std::optional<std::string> AttributeReader::FlexibleValue() {
    const std::size_t start = m_position;
    std::size_t probe = m_position;
    while (probe < m_text.size() && IsWhitespace(m_text[probe])) {
        ++probe;
    }
    if (probe < m_text.size() && m_text[probe] == '=') {
        ++probe;
        while (probe < m_text.size() && IsWhitespace(m_text[probe])) {
            ++probe;
        }
        if (probe < m_text.size() && m_text[probe] == '"') {
            return QuotedValue();
        }
    }
    m_position = start;
    return PlainValue();
}

std::optional<int> AttributeReader::IntegerValue(int min, int max, int fallback) {
    const std::optional<std::string> value = PlainValue();
    if (!value) {
        return std::nullopt;
    }
    const std::optional<int> number = ParseInteger(*value);
    if (!number) {
        return fallback;
    }
    return std::clamp(*number, min, max);
}

} // namespace qor
