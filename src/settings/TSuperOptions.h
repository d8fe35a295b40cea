#pragma once
// The superlearning options: the presentation styles' settings and the background music, kept
// in the registry key "...\Super". Created on demand; freeing it saves it when it changed.

#include "platform/Fonts.h"
#include "platform/MediaCommands.h"
#include "platform/RegistryStore.h"
#include "settings/SuperOptionTable.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// What the options need to know of the installation (program paths, Windows-1252).
struct SuperOptionsEnvironment {
    std::string programFolder;          // ends with a separator
    std::string pageRoot;               // holds "hqor\"
    std::string waveFolder;             // empty when unknown
    const FontService* fonts = nullptr; // for the techno font's default; null: the current service
};

enum SuperMusic : int { kMusicNone = 0, kMusicAudioCd = 1, kMusicMp3 = 2 };

class TSuperOptions {
public:
    // Loads the defaults, then the registry; see the music rules in the source.
    TSuperOptions(RegistryStore& registry, SuperOptionsEnvironment environment);
    ~TSuperOptions();
    TSuperOptions(const TSuperOptions&) = delete;
    TSuperOptions& operator=(const TSuperOptions&) = delete;

    int Integer(SuperInt id) const { return m_integers[static_cast<std::size_t>(id)]; }
    bool Flag(SuperFlag id) const { return m_flags[static_cast<std::size_t>(id)]; }
    const std::string& Text(SuperText id) const { return m_texts[static_cast<std::size_t>(id)]; }
    std::int32_t Colour(SuperColour id) const { return m_colours[static_cast<std::size_t>(id)]; }

    // Each sets the value, and the changed flag when the value differs. Values are not clamped
    // here (the dialog's ranges are wider than the stored ones); they are when read back. These
    // set plainly; the music and the two folders have checked setters below.
    void SetInteger(SuperInt id, int value);
    void SetFlag(SuperFlag id, bool value);
    void SetText(SuperText id, std::string_view value);
    void SetColour(SuperColour id, std::int32_t value);

    // 2 rebuilds the MP3 list and is refused when it stays empty; 1 also switches the speech off.
    void SetMusik(int music);
    // See the source for the messages; a missing folder leaves the stored folder empty.
    void SetMp3Folder(std::string_view folder);
    void SetPictureFolder(std::string_view folder);

    // The defaults of every value ("&Zurücksetzen"); sets the changed flag.
    void ResetToDefaults();

    bool Changed() const { return m_changed; }
    // Writes every value; false when the registry could not be written.
    bool Save();

    const std::vector<std::string>& Mp3Files() const { return m_mp3Files; }
    const std::deque<int>& PlayedMp3() const { return m_played; }
    // The "DD" background pages: file names without ".htx", sorted by the file search.
    const std::vector<std::string>& DDPages() const { return m_ddPages; }
    std::string DDFolder() const;

    // Picks the next music file without repeating recent ones; empty without files.
    std::string NextMp3File();

    // The music, through the multimedia command interface. Without an audio CD the CD music is
    // reported once and stays off while this object lives.
    void StartMusic(MediaCommandSender& sender);
    void StopMusic(MediaCommandSender& sender);
    void KeepMusicGoing(MediaCommandSender& sender, const std::function<void()>& processEvents = {});

    // Before a style starts: the page's style number (0 "klassisch", 1 "abgedreht", N from "sm" + N)
    // becomes the display kind; the two fading styles also set the fading mode.
    void LoadStyleSettings(int queryStyle);
    int DisplayKind() const { return m_displayKind; }

private:
    void LoadDefaults();
    void LoadRegistry();
    void RebuildMp3List();
    void FindDDPages();
    std::string DefaultTechnoFont() const;
    void NoAudioCd();

    RegistryStore& m_registry;
    SuperOptionsEnvironment m_environment;
    std::array<int, kSuperIntCount> m_integers{};
    std::array<bool, kSuperFlagCount> m_flags{};
    std::array<std::string, kSuperTextCount> m_texts;
    std::array<std::int32_t, kSuperColourCount> m_colours{};
    std::vector<std::string> m_mp3Files;
    std::deque<int> m_played;
    std::vector<std::string> m_ddPages;
    int m_displayKind = 0;
    bool m_changed = false;
    bool m_noAudioCd = false;
};

} // namespace qor
