#include "page/controls/PageLinkNames.h"

#include "page/markup/AttributeReader.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

namespace qor {

LinkName SplitLinkName(std::string_view name) {
    const std::size_t at = name.find('@');
    if (at == std::string_view::npos) {
        return {std::string(name), {}};
    }
    return {std::string(name.substr(0, at)), std::string(name.substr(at + 1))};
}

std::string ButtonTarget(std::string_view target, MouseButton button) {
    const std::size_t degree = target.find(kDegree);
    if (degree == std::string_view::npos) {
        return button == MouseButton::Left ? std::string(target) : std::string();
    }
    return std::string(button == MouseButton::Left ? target.substr(0, degree) : target.substr(degree + 1));
}

bool HasRightTarget(std::string_view target) {
    return !ButtonTarget(target, MouseButton::Right).empty();
}

HintParts SplitHint(std::string_view hint) {
    const std::size_t degree = hint.find(kDegree);
    if (degree == std::string_view::npos) {
        return {std::string(hint), {}};
    }
    return {std::string(hint.substr(0, degree)), std::string(hint.substr(degree + 1))};
}

bool IsWaveSound(std::string_view sound) {
    const std::string extension = LowerCp1252(ExtensionPart(sound));
    return extension == ".wav" || extension == ".ogg";
}

bool ReportedAsAnchor(std::string_view target) {
    if (target.empty()) {
        return true;
    }
    for (const char first : {'@', '+', '%', '-'}) {
        if (target.front() == first) {
            return false;
        }
    }
    return !StartsWithInsensitive(target, "EX");
}

std::string LinkExtension(std::string_view target) {
    return LowerCp1252(ExtensionPart(target.substr(0, target.find('@'))));
}

namespace {
constexpr std::string_view kSpeechPrefix = "sprich:";
}

std::string SpeechLinkTarget(std::string_view text) {
    std::string target(kSpeechPrefix);
    for (const char c : text) {
        if (c != '"' && c != '@' && c != kDegree && c != kSection && c != ';') {
            target += c;
        }
    }
    return target;
}

std::string SpeechLinkText(std::string_view target) {
    if (target.size() <= kSpeechPrefix.size() || !StartsWithInsensitive(target, kSpeechPrefix)) {
        return {};
    }
    return std::string(target.substr(kSpeechPrefix.size()));
}

namespace {
SpeechLinkPlayer& SpeechPlayer() {
    static SpeechLinkPlayer player;
    return player;
}
} // namespace

void SetSpeechLinkPlayer(SpeechLinkPlayer player) {
    SpeechPlayer() = std::move(player);
}

const SpeechLinkPlayer& CurrentSpeechLinkPlayer() {
    return SpeechPlayer();
}

LinkFileKind LinkFileKindOf(std::string_view target) {
    if (!SpeechLinkText(target).empty()) {
        return LinkFileKind::Speech;
    }
    const std::string extension = LinkExtension(target);
    if (extension == ".htx" || extension == ".hqor" || extension == ".html" || extension == ".qor") {
        return LinkFileKind::Page;
    }
    if (extension == ".wav" || extension == ".mp3" || extension == ".ogg") {
        return LinkFileKind::Sound;
    }
    return LinkFileKind::None;
}

bool SplitBracketCommand(std::string_view command, std::string& cmd, std::string& rest) {
    if (command.size() < 2 || command[0] != kSection || command[1] != '[') {
        return false;
    }
    const std::size_t close = command.find(']', 2);
    if (close == std::string_view::npos) {
        return false;
    }
    cmd = command.substr(2, close - 2);
    rest = command.substr(close + 1);
    return true;
}

namespace {

// The text from the reader's position up to the next whitespace or the end; the reader moves past it.
std::string ValueUpToSpace(AttributeReader& reader) {
    if (reader.Find(" ")) {
        return reader.Token();
    }
    reader.TestError();
    return std::string(reader.Rest());
}

} // namespace

ExerciseCommand ReadExerciseCommand(std::string_view text) {
    ExerciseCommand command;
    AttributeReader reader(text);
    reader.SetMode(AttributeReader::Mode::Tolerant);
    if (!reader.Find("EX ")) {
        command.messages.emplace_back("EX nicht gefunden");
    }
    if (reader.Find("PICK=")) {
        command.count = ParseInteger(ValueUpToSpace(reader)).value_or(-1);
    }
    // Without "FILE=" the name is read from where the reader stands: a link 'extra.htx' that only
    // looks like an exercise command names its own text.
    reader.Find("FILE=");
    command.file = ValueUpToSpace(reader);
    if (command.file.empty()) {
        command.messages.emplace_back("FILE= nicht gefunden");
    }
    if (reader.Find("WEITER=")) {
        command.continuation = ValueUpToSpace(reader);
    }
    return command;
}

} // namespace qor
