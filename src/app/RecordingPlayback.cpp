#include "app/RecordingPlayback.h"

#include "app/DataPath.h"
#include "app/MediaCommandText.h"
#include "app/TextTrim.h"
#include "page/controls/PageLinkNames.h"
#include "platform/Random.h"
#include "platform/RegistryStore.h"
#include "sound/RecordingFormat.h"

#include <optional>
#include <vector>

namespace qor {

namespace {

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        pieces.emplace_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return pieces;
        start = end + 1;
    }
}

// Drops trailing blanks and full stops, then one pair of enclosing parentheses.
std::string WithoutSentenceDressing(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '.'))
        --end;
    std::string_view core = text.substr(0, end);
    if (core.size() >= 2 && core.front() == '(' && core.back() == ')')
        core = core.substr(1, core.size() - 2);
    return std::string(core);
}

} // namespace

std::string WithoutBracketComment(std::string_view text) {
    std::string result(text);
    std::size_t open = result.find('[');
    std::size_t close = result.find(']');
    if (open != std::string::npos && close != std::string::npos && close > open + 1) {
        result.erase(open, close - open + 1);
        std::size_t doubleBlank = result.find("  ");
        if (doubleBlank != std::string::npos)
            result.erase(doubleBlank, 1);
    }
    return app::Trim(result);
}

std::string FindRecordingForText(std::string_view text, const RecordingIndex& index,
                                 const AppSettings& settings) {
    if (std::optional<std::string> stored = index.Find(text))
        return ResolveDataPath(*stored, settings).file;
    if (text.find(';') == std::string_view::npos) {
        if (std::optional<std::string> stored = index.Find(WithoutBracketComment(text)))
            return ResolveDataPath(*stored, settings).file;
        return {};
    }
    std::vector<std::string> found;
    for (const std::string& piece : SplitAt(text, ';'))
        if (std::optional<std::string> stored = index.Find(WithoutBracketComment(piece)))
            found.push_back(*stored);
    if (found.empty())
        return {};
    return ResolveDataPath(found[static_cast<std::size_t>(RandomBelow(static_cast<int>(found.size())))],
                           settings)
        .file;
}

std::string FindRecordingForText(std::string_view text) {
    return FindRecordingForText(text, CurrentRecordingIndex(), Settings());
}

bool PlayRecordingFile(std::string_view file, MediaCommandSender& sender) {
    if (file.empty())
        return true;
    SendMediaCommand(sender, "close welle", MediaErrors::Quiet);
    std::string open = "open \"" + std::string(file) + "\" alias welle";
    if (IsMediaError(SendMediaCommand(sender, open, MediaErrors::Quiet)))
        return false;
    return !IsMediaError(SendMediaCommand(sender, "play welle from 0", MediaErrors::Quiet));
}

bool PlayRecordingFile(std::string_view file) {
    return PlayRecordingFile(file, CurrentMediaCommandSender());
}

void PlayRecordingForText(std::string_view text, const RecordingIndex& index, const AppSettings& settings,
                          MediaCommandSender& sender) {
    PlayRecordingFile(FindRecordingForText(text, index, settings), sender);
}

void PlayRecordingForText(std::string_view text) {
    PlayRecordingForText(text, CurrentRecordingIndex(), Settings(), CurrentMediaCommandSender());
}

bool SpeechForUnrecorded() {
    return ReadSpeechForUnrecorded(Registry(RegistryHive::LocalMachine));
}

bool SpeakText(std::string_view text, MediaCommandSender& sender) {
    std::string spoken;
    for (const char c : text)
        if (c != '"')
            spoken += c;
    if (app::Trim(spoken).empty())
        return false;
    SendMediaCommand(sender, "close welle", MediaErrors::Quiet);
    if (IsMediaError(SendMediaCommand(sender, "open \"" + spoken + "\" type sprache alias welle", MediaErrors::Quiet)))
        return false;
    return !IsMediaError(SendMediaCommand(sender, "play welle from 0", MediaErrors::Quiet));
}

std::string ListenTarget(std::string_view text, const RecordingIndex& index, const AppSettings& settings,
                         bool speechOn) {
    std::string file = FindRecordingForText(text, index, settings);
    if (file.empty() && speechOn && !app::Trim(WithoutBracketComment(text)).empty())
        return SpeechLinkTarget(text);
    return file;
}

std::string ListenTarget(std::string_view text) {
    return ListenTarget(text, CurrentRecordingIndex(), Settings(), SpeechForUnrecorded());
}

bool PlayListenTarget(std::string_view target, MediaCommandSender& sender) {
    const std::string spoken = SpeechLinkText(target);
    return spoken.empty() ? PlayRecordingFile(target, sender) : SpeakText(spoken, sender);
}

bool PlayListenTarget(std::string_view target) {
    return PlayListenTarget(target, CurrentMediaCommandSender());
}

bool PlayOrSpeakText(std::string_view text) {
    const std::string target = ListenTarget(text);
    return !target.empty() && PlayListenTarget(target);
}

void PlayRecordingAtCaret(std::string_view text, int caret, int selectionLength, const RecordingIndex& index,
                          const AppSettings& settings, MediaCommandSender& sender, bool speechOn) {
    if (caret < 0 || static_cast<std::size_t>(caret) > text.size() || text.empty())
        return;
    // The character before the caret (the first one for caret 0) lies in the meaning we want.
    std::size_t inside = static_cast<std::size_t>(caret == 0 ? 1 : caret) - 1;
    std::size_t start = 0;
    std::size_t separator = text.rfind(';', inside);
    if (separator != std::string_view::npos) {
        start = separator + 1;
        if (start < text.size() && text[start] == ' ')
            ++start;
    }
    if (start < text.size() && text[start] == '[') {
        std::size_t close = text.find(']', start);
        if (close != std::string_view::npos) {
            start = close + 1;
            while (start < text.size() && text[start] == ' ')
                ++start;
        }
    }
    std::size_t end = text.find(';', start);
    std::string piece = app::TrimRight(
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));

    std::optional<std::string> stored = index.Find(piece);
    std::string selection;
    if (selectionLength > 0)
        selection = std::string(
            text.substr(static_cast<std::size_t>(caret), static_cast<std::size_t>(selectionLength)));
    if (!stored && !selection.empty())
        stored = index.Find(app::Trim(selection));
    if (!stored && !selection.empty() && start == static_cast<std::size_t>(caret))
        stored = index.Find(WithoutSentenceDressing(selection));
    std::string file = stored ? ResolveDataPath(*stored, settings).file : std::string();
    if (file.empty()) {
        // What the learner marked is what they want to hear; else the meaning they clicked into.
        if (speechOn)
            SpeakText(app::Trim(selection).empty() ? piece : WithoutBracketComment(selection), sender);
        return;
    }
    SendMediaCommand(sender, "close welle", MediaErrors::Quiet);
    std::string open = "open \"" + file + "\" type waveaudio alias welle";
    if (IsMediaError(SendMediaCommand(sender, open, MediaErrors::Shown)))
        return;
    SendMediaCommand(sender, "play welle from 0", MediaErrors::Shown);
}

void PlayRecordingAtCaret(std::string_view text, int caret, int selectionLength) {
    PlayRecordingAtCaret(text, caret, selectionLength, CurrentRecordingIndex(), Settings(),
                         CurrentMediaCommandSender(), SpeechForUnrecorded());
}

} // namespace qor
