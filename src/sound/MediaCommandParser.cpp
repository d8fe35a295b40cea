#include "sound/MediaCommandParser.h"

#include "platform/Cp1252.h"
#include "sound/MediaErrors.h"

#include <charconv>

namespace qor {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool Is(std::string_view word, std::string_view keyword) {
    return SameTextInsensitive(word, keyword);
}

// Reads the words after the device one by one, skipping "wait" and "notify".
class WordReader {
public:
    WordReader(const std::vector<std::string>& words, std::size_t from) : m_words(words), m_next(from) {}
    bool AtEnd() {
        SkipFlags();
        return m_next >= m_words.size();
    }
    const std::string& Take() {
        SkipFlags();
        return m_words[m_next++];
    }
    // The next word as a number: 0, or kMediaMissingParameter / kMediaBadInteger.
    int TakeNumber(int& value) {
        if (AtEnd())
            return kMediaMissingParameter;
        const std::string& word = Take();
        auto result = std::from_chars(word.data(), word.data() + word.size(), value);
        if (result.ec != std::errc() || result.ptr != word.data() + word.size() || value < 0)
            return kMediaBadInteger;
        return kMediaOk;
    }

private:
    void SkipFlags() {
        while (m_next < m_words.size() && (Is(m_words[m_next], "wait") || Is(m_words[m_next], "notify")))
            ++m_next;
    }
    const std::vector<std::string>& m_words;
    std::size_t m_next;
};

int ParseOpen(const std::vector<std::string>& words, const std::vector<bool>& quoted, MediaCommand& command) {
    // An unquoted file name may hold blanks: it runs up to the first keyword.
    std::size_t next = 1;
    std::string element;
    if (next < words.size() && quoted[next] && !words[next].empty())
        element = words[next++];
    else
        while (next < words.size() && !Is(words[next], "type") && !Is(words[next], "alias") &&
               !Is(words[next], "wait") && !Is(words[next], "notify")) {
            if (!element.empty())
                element += ' ';
            element += words[next++];
        }
    if (element.empty())
        return kMediaMissingDeviceName;
    command.element = element;
    command.openNew = Is(element, "new");
    WordReader reader(words, next);
    while (!reader.AtEnd()) {
        const std::string& keyword = reader.Take();
        if (reader.AtEnd())
            return kMediaMissingParameter;
        if (Is(keyword, "type"))
            command.type = LowerCp1252(reader.Take());
        else if (Is(keyword, "alias"))
            command.alias = reader.Take();
        else
            return kMediaUnknownKeyword;
    }
    if (command.openNew && command.type.empty())
        return kMediaDeviceTypeRequired;
    if (command.alias.empty())
        command.alias = element;
    return kMediaOk;
}

int ParsePlay(WordReader& reader, MediaCommand& command) {
    while (!reader.AtEnd()) {
        const std::string& keyword = reader.Take();
        int value = 0;
        if (Is(keyword, "from")) {
            if (int error = reader.TakeNumber(value))
                return error;
            command.from = value;
        } else if (Is(keyword, "to")) {
            if (int error = reader.TakeNumber(value))
                return error;
            command.to = value;
        } else {
            return kMediaUnknownKeyword;
        }
    }
    return kMediaOk;
}

int ParseSeek(WordReader& reader, MediaCommand& command) {
    if (reader.AtEnd())
        return kMediaMissingParameter;
    std::string keyword = reader.Take();
    if (Is(keyword, "to")) {
        if (reader.AtEnd())
            return kMediaMissingParameter;
        keyword = reader.Take();
    }
    if (Is(keyword, "start")) {
        command.to = 0;
    } else if (Is(keyword, "end")) {
        command.seekEnd = true;
    } else {
        int value = 0;
        auto result = std::from_chars(keyword.data(), keyword.data() + keyword.size(), value);
        if (result.ec != std::errc() || result.ptr != keyword.data() + keyword.size() || value < 0)
            return kMediaBadInteger;
        command.to = value;
    }
    return reader.AtEnd() ? kMediaOk : kMediaUnknownKeyword;
}

int ParseSet(WordReader& reader, MediaCommand& command) {
    if (reader.AtEnd())
        return kMediaMissingParameter;
    struct Named {
        std::string_view word;
        MediaSetting setting;
    };
    static constexpr Named kNumbers[] = {{"bitspersample", MediaSetting::BitsPerSample},
                                         {"channels", MediaSetting::Channels},
                                         {"alignment", MediaSetting::Alignment},
                                         {"samplespersec", MediaSetting::SamplesPerSecond},
                                         {"bytespersec", MediaSetting::BytesPerSecond}};
    while (!reader.AtEnd()) {
        const std::string& keyword = reader.Take();
        if (Is(keyword, "time")) {
            if (reader.AtEnd() || !Is(reader.Take(), "format"))
                return kMediaUnknownKeyword;
            if (reader.AtEnd())
                return kMediaMissingParameter;
            const std::string& format = reader.Take();
            if (!Is(format, "milliseconds") && !Is(format, "ms"))
                return kMediaBadTimeFormat;
            command.settings.emplace_back(MediaSetting::TimeFormat, 0);
            continue;
        }
        const Named* found = nullptr;
        for (const auto& named : kNumbers)
            if (Is(keyword, named.word))
                found = &named;
        if (!found)
            return kMediaUnknownKeyword;
        int value = 0;
        if (int error = reader.TakeNumber(value))
            return error;
        command.settings.emplace_back(found->setting, value);
    }
    return kMediaOk;
}

int ParseStatus(WordReader& reader, MediaCommand& command) {
    if (reader.AtEnd())
        return kMediaMissingParameter;
    const std::string& item = reader.Take();
    if (Is(item, "position"))
        command.statusItem = MediaStatusItem::Position;
    else if (Is(item, "mode"))
        command.statusItem = MediaStatusItem::Mode;
    else if (Is(item, "length"))
        command.statusItem = MediaStatusItem::Length;
    else if (Is(item, "ready"))
        command.statusItem = MediaStatusItem::Ready;
    else if (Is(item, "time")) {
        if (reader.AtEnd() || !Is(reader.Take(), "format"))
            return kMediaUnknownKeyword;
        command.statusItem = MediaStatusItem::TimeFormat;
    } else
        return kMediaUnknownKeyword;
    return reader.AtEnd() ? kMediaOk : kMediaUnknownKeyword;
}

} // namespace

bool SplitMediaWords(std::string_view text, std::vector<std::string>& words, std::vector<bool>* quoted) {
    words.clear();
    if (quoted)
        quoted->clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            auto close = text.find('"', i + 1);
            if (close == std::string_view::npos)
                return false;
            words.emplace_back(text.substr(i + 1, close - i - 1));
            if (quoted)
                quoted->push_back(true);
            i = close + 1;
            continue;
        }
        std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != '"')
            ++i;
        words.emplace_back(text.substr(start, i - start));
        if (quoted)
            quoted->push_back(false);
    }
    return true;
}

int ParseMediaCommand(std::string_view text, MediaCommand& command) {
    command = MediaCommand();
    std::vector<std::string> words;
    std::vector<bool> quoted;
    if (!SplitMediaWords(text, words, &quoted))
        return kMediaNoClosingQuote;
    if (words.empty())
        return kMediaMissingCommand;
    struct Verb {
        std::string_view word;
        MediaVerb verb;
    };
    static constexpr Verb kVerbs[] = {
        {"open", MediaVerb::Open}, {"close", MediaVerb::Close}, {"play", MediaVerb::Play},
        {"stop", MediaVerb::Stop}, {"seek", MediaVerb::Seek},   {"record", MediaVerb::Record},
        {"save", MediaVerb::Save}, {"set", MediaVerb::Set},     {"status", MediaVerb::Status}};
    const Verb* verb = nullptr;
    for (const auto& candidate : kVerbs)
        if (Is(words[0], candidate.word))
            verb = &candidate;
    if (!verb)
        return kMediaUnknownCommand;
    command.verb = verb->verb;
    if (words.size() < 2)
        return kMediaMissingDeviceName;
    if (command.verb == MediaVerb::Open)
        return ParseOpen(words, quoted, command);
    command.alias = words[1];
    WordReader reader(words, 2);
    switch (command.verb) {
    case MediaVerb::Close:
        command.closeAll = Is(command.alias, "all");
        return reader.AtEnd() ? kMediaOk : kMediaUnknownKeyword;
    case MediaVerb::Stop:
    case MediaVerb::Record:
        return reader.AtEnd() ? kMediaOk : kMediaUnknownKeyword;
    case MediaVerb::Play:
        return ParsePlay(reader, command);
    case MediaVerb::Seek:
        return ParseSeek(reader, command);
    case MediaVerb::Save:
        if (reader.AtEnd())
            return kMediaMissingParameter;
        command.element = reader.Take();
        return reader.AtEnd() ? kMediaOk : kMediaUnknownKeyword;
    case MediaVerb::Set:
        return ParseSet(reader, command);
    case MediaVerb::Status:
        return ParseStatus(reader, command);
    case MediaVerb::Open:
        break;
    }
    return kMediaOk;
}

} // namespace qor
