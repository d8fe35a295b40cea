#pragma once
// Reads the attributes of one tag. Names compare case-insensitively; values keep their case.
// In strict mode the first error abandons the rest of the tag (every later call fails); in
// tolerant mode an error only raises a flag that the handler tests. The error texts are kept for
// debugging and never shown to the learner.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class AttributeReader {
public:
    enum class Mode { Strict, Tolerant };

    explicit AttributeReader(std::string_view text, std::size_t position = 0)
        : m_text(text), m_position(position < text.size() ? position : text.size()) {}

    Mode CurrentMode() const { return m_mode; }
    void SetMode(Mode mode) { m_mode = mode; }
    std::size_t Position() const { return m_position; }
    bool AtEnd() const { return m_position >= m_text.size(); }

    // Every character up to 32 is whitespace.
    void SkipWhitespace();
    // The text must continue (after whitespace) with `word`.
    bool Expect(std::string_view word);
    // Nothing but whitespace may follow.
    bool ExpectEnd();
    // The 1-based position of the first word of the list that the text continues with (after
    // whitespace); 0 when none does.
    int OneOf(std::initializer_list<std::string_view> words);
    // Everything up to the next `word` becomes the token and the cursor moves behind the word. A
    // single space as `word` also stops at any other whitespace (line ends inside tags).
    bool Find(std::string_view word);
    const std::string& Token() const { return m_token; }
    // The remaining text after whitespace; the cursor moves to the end.
    std::string_view Rest();

    // "=" and the text up to the next whitespace (or the end), one leading and one trailing
    // double quote removed. Read in tolerant mode; nullopt when the "=" is missing.
    std::optional<std::string> PlainValue();
    // "=" and a double-quoted text. Read in tolerant mode; nullopt when malformed.
    std::optional<std::string> QuotedValue();
    // A quoted value when a double quote follows the "=", otherwise a plain value.
    std::optional<std::string> FlexibleValue();
    // A plain value as an integer clamped to [min, max]; `fallback` when it is not a number.
    // nullopt when the "=" is missing.
    std::optional<int> IntegerValue(int min, int max, int fallback);

    // Tolerant mode: whether an error happened since the last test; clears the flag.
    bool TestError();
    // Strict mode: an error has abandoned the rest of the tag.
    bool Abandoned() const { return m_abandoned; }
    const std::string& ErrorText() const { return m_errorText; }

private:
    bool Fail(std::string text);
    bool Usable() const { return !m_abandoned; }
    bool ContinuesWith(std::string_view word) const;

    std::string_view m_text;
    std::size_t m_position = 0;
    Mode m_mode = Mode::Strict;
    std::string m_token;
    bool m_error = false;
    bool m_abandoned = false;
    std::string m_errorText;
};

// Reads a whole decimal integer with an optional sign; nullopt for anything else (or overflow).
std::optional<int> ParseInteger(std::string_view text);

} // namespace qor
