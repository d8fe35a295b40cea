#pragma once
// The grammar of the multimedia command strings the program sends:
//     open "file" [type waveaudio|mpegvideo] [alias X]     open new type waveaudio alias X
//     open "text" type sprache alias X (the text spoken)
//     close X|all     play X [from N] [to M]     stop X     seek X to start|end|N
//     record X        save X "file"
//     set X [bitspersample B] [channels C] [alignment A] [samplespersec R] [bytespersec S]
//           [time format milliseconds]
//     status X position|mode|length|ready|time format
// Keywords ignore case; "wait" and "notify" are accepted anywhere after the device and ignored.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

enum class MediaVerb { Open, Close, Play, Stop, Seek, Record, Save, Set, Status };
enum class MediaStatusItem { Position, Mode, Length, Ready, TimeFormat };
enum class MediaSetting { BitsPerSample, Channels, Alignment, SamplesPerSecond, BytesPerSecond, TimeFormat };

struct MediaCommand {
    MediaVerb verb = MediaVerb::Open;
    std::string alias;    // the device addressed; for open the alias given, else the element
    std::string element;  // open: the file or "new"; save: the file
    std::string type;     // open: the type given, lower case
    bool openNew = false; // open: "new" (a recording)
    bool closeAll = false;
    std::optional<int> from; // play
    std::optional<int> to;   // play; seek: the target position
    bool seekEnd = false;
    std::vector<std::pair<MediaSetting, int>> settings; // set, in order
    MediaStatusItem statusItem = MediaStatusItem::Position;
};

// Parses `text` into `command`; 0 or the error number (MediaErrors.h) of the first fault found.
int ParseMediaCommand(std::string_view text, MediaCommand& command);

// Splits a command into words; a word in double quotes keeps its blanks (the quotes are dropped).
// False for a quote that is not closed. `quoted` (when given) tells which words stood in quotes.
bool SplitMediaWords(std::string_view text, std::vector<std::string>& words,
                     std::vector<bool>* quoted = nullptr);

} // namespace qor
