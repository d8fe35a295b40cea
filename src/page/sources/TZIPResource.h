#pragma once
// Reads a compressed text block built into the program, line by line: the language-lab sentence
// collection, the verb table and the vocabulary list.

#include <cstddef>
#include <string>
#include <string_view>

namespace qor {

// The numbers of the built-in blocks.
enum class TextBlock : int {
    Sentences = 1,  // the language-lab sentence collection
    Verbs = 2,      // the verb conjugation table
    Vocabulary = 3, // the vocabulary list (wrong answers for multiple choice)
};

class TZIPResource {
public:
    // A block of that many inflated bytes is refused (and reads as empty).
    static constexpr std::size_t kMaxBlockBytes = std::size_t{64} << 20;

    TZIPResource() = default;
    explicit TZIPResource(int id) { Create(id); }
    explicit TZIPResource(TextBlock block) { Create(static_cast<int>(block)); }

    // Opens block `id` from the start. A missing or damaged block is empty: false, AtEnd() at once.
    bool Create(int id);
    // The same for a zlib stream in memory.
    bool Open(std::string_view compressed);

    bool AtEnd() const { return m_position >= m_data.size(); }
    // The text up to the next character below 32 (or the end); reading continues after a CR LF
    // pair or after that single character. At the end: an empty string.
    std::string ReadLine();

    std::size_t Size() const { return m_data.size(); }

private:
    std::string m_data;
    std::size_t m_position = 0;
};

} // namespace qor
