#include "settings/TSuperOptions.h"

#include "platform/AppMessage.h"
#include "platform/Random.h"
#include "platform/WinPath.h"
#include "settings/FileSearch.h"

#include <algorithm>
#include <charconv>

namespace qor {

namespace {

std::string SubFolder(std::string_view folder, std::string_view name) {
    return WithTrailingSeparator(folder) + std::string(name) + kPathSeparator;
}

bool IsError(std::string_view reply) {
    return reply.starts_with("Error");
}

enum class Errors { Quiet, Shown };

// One multimedia command; a shown failure reads: the error text + " - " + the command.
std::string Send(MediaCommandSender& sender, std::string_view command, Errors errors) {
    std::string reply = sender.Send(command);
    if (IsError(reply) && errors == Errors::Shown) {
        int number = 0;
        std::string_view digits = std::string_view(reply).substr(5);
        std::from_chars(digits.data(), digits.data() + digits.size(), number);
        ShowAppMessage(sender.ErrorText(number) + " - " + std::string(command), kMbIconError);
    }
    return reply;
}

std::string OpenMp3Command(std::string_view file) {
    return "open \"" + std::string(file) + "\" alias mp3";
}

} // namespace

TSuperOptions::TSuperOptions(RegistryStore& registry, SuperOptionsEnvironment environment)
    : m_registry(registry), m_environment(std::move(environment)) {
    LoadDefaults();
    LoadRegistry();
    std::string& mp3 = m_texts[static_cast<std::size_t>(SuperText::MP3)];
    if (mp3.empty())
        mp3 = SubFolder(m_environment.programFolder, "MP3");
    bool exists = DirectoryExists(mp3);
    if (exists)
        RebuildMp3List();
    else
        m_mp3Files.clear();
    // Read literally, this also turns off a chosen audio CD when there is no music folder.
    if (!exists || m_mp3Files.empty())
        m_integers[static_cast<std::size_t>(SuperInt::Musik)] = kMusicNone;
    FindDDPages();
    m_changed = false;
}

TSuperOptions::~TSuperOptions() {
    if (m_changed)
        Save();
}

// [SECTION] Defaults and the registry

std::string TSuperOptions::DefaultTechnoFont() const {
    const FontService& fonts = m_environment.fonts ? *m_environment.fonts : CurrentFontService();
    if (fonts.IsInstalled("Andale Mono"))
        return "Andale Mono";
    if (fonts.IsInstalled("Verdana"))
        return "Verdana";
    return "courier new";
}

void TSuperOptions::LoadDefaults() {
    for (const SuperIntEntry& entry : kSuperIntTable)
        m_integers[static_cast<std::size_t>(entry.id)] = entry.fallback;
    for (const SuperFlagEntry& entry : kSuperFlagTable)
        m_flags[static_cast<std::size_t>(entry.id)] = entry.fallback;
    m_flags[static_cast<std::size_t>(SuperFlag::Sprachausgabe)] =
        !m_environment.waveFolder.empty() &&
        FileExists(WithTrailingSeparator(m_environment.waveFolder) + "QOR_F");
    for (const SuperColourEntry& entry : kSuperColourTable)
        m_colours[static_cast<std::size_t>(entry.id)] = ParseHexColour(entry.fallback).value_or(0);
    m_texts[static_cast<std::size_t>(SuperText::Schrift)] = "Arial";
    m_texts[static_cast<std::size_t>(SuperText::MP3)] = SubFolder(m_environment.programFolder, "MP3");
    std::string techno = SubFolder(m_environment.programFolder, "Techno");
    m_texts[static_cast<std::size_t>(SuperText::TechnoPhotoDir)] = DirectoryExists(techno) ? techno : "";
    m_texts[static_cast<std::size_t>(SuperText::TechnoSchrift)] = DefaultTechnoFont();
    m_texts[static_cast<std::size_t>(SuperText::DD)] = "";
    m_played.clear();
    m_mp3Files.clear();
    if (DirectoryExists(Text(SuperText::MP3)))
        RebuildMp3List();
    if (m_mp3Files.empty())
        m_integers[static_cast<std::size_t>(SuperInt::Musik)] = kMusicNone;
    m_changed = true;
}

void TSuperOptions::LoadRegistry() {
    for (const SuperIntEntry& entry : kSuperIntTable)
        if (auto value = m_registry.ReadInteger(kSuperKey, entry.name))
            m_integers[static_cast<std::size_t>(entry.id)] = ClampToRange(entry, *value);
    for (const SuperFlagEntry& entry : kSuperFlagTable)
        if (auto value = m_registry.ReadInteger(kSuperKey, entry.name))
            m_flags[static_cast<std::size_t>(entry.id)] = *value != 0;
    for (std::size_t i = 0; i < kSuperTextCount; ++i)
        if (auto value = m_registry.ReadText(kSuperKey, kSuperTextNames[i]))
            m_texts[i] = *value;
    for (int group : {1, 2}) {
        std::array<std::int32_t, kSuperColourCount> read = m_colours;
        bool broken = false;
        for (const SuperColourEntry& entry : kSuperColourTable) {
            if (entry.group != group)
                continue;
            auto text = m_registry.ReadText(kSuperKey, entry.name);
            if (!text)
                continue;
            auto colour = ParseHexColour(*text);
            if (!colour)
                broken = true;
            else
                read[static_cast<std::size_t>(entry.id)] = *colour;
        }
        if (broken)
            continue; // the group keeps its defaults
        for (const SuperColourEntry& entry : kSuperColourTable)
            if (entry.group == group)
                m_colours[static_cast<std::size_t>(entry.id)] = read[static_cast<std::size_t>(entry.id)];
    }
}

bool TSuperOptions::Save() {
    bool ok = true;
    for (const SuperIntEntry& entry : kSuperIntTable)
        ok = m_registry.WriteInteger(kSuperKey, entry.name, Integer(entry.id)) && ok;
    for (const SuperFlagEntry& entry : kSuperFlagTable)
        ok = m_registry.WriteInteger(kSuperKey, entry.name, Flag(entry.id) ? 1 : 0) && ok;
    for (std::size_t i = 0; i < kSuperTextCount; ++i)
        ok = m_registry.WriteText(kSuperKey, kSuperTextNames[i], m_texts[i]) && ok;
    for (const SuperColourEntry& entry : kSuperColourTable)
        ok = m_registry.WriteText(kSuperKey, entry.name, FormatHexColour(Colour(entry.id))) && ok;
    if (ok)
        m_changed = false;
    return ok;
}

void TSuperOptions::ResetToDefaults() {
    LoadDefaults();
}

// [SECTION] Setters

void TSuperOptions::SetInteger(SuperInt id, int value) {
    int& current = m_integers[static_cast<std::size_t>(id)];
    if (current != value) {
        current = value;
        m_changed = true;
    }
}

void TSuperOptions::SetFlag(SuperFlag id, bool value) {
    auto current = m_flags[static_cast<std::size_t>(id)];
    if (current != value) {
        m_flags[static_cast<std::size_t>(id)] = value;
        m_changed = true;
    }
}

void TSuperOptions::SetText(SuperText id, std::string_view value) {
    std::string& current = m_texts[static_cast<std::size_t>(id)];
    if (current != value) {
        current = std::string(value);
        m_changed = true;
    }
}

void TSuperOptions::SetColour(SuperColour id, std::int32_t value) {
    std::int32_t& current = m_colours[static_cast<std::size_t>(id)];
    if (current != value) {
        current = value;
        m_changed = true;
    }
}

void TSuperOptions::SetMusik(int music) {
    if (music == kMusicMp3) {
        RebuildMp3List();
        if (m_mp3Files.empty())
            return;
    }
    SetInteger(SuperInt::Musik, music);
    if (music == kMusicAudioCd)
        SetFlag(SuperFlag::Sprachausgabe, false);
}

void TSuperOptions::SetMp3Folder(std::string_view folder) {
    if (folder.empty()) {
        m_changed = true;
        return;
    }
    std::string withSeparator = WithTrailingSeparator(folder);
    if (DirectoryExists(withSeparator)) {
        m_texts[static_cast<std::size_t>(SuperText::MP3)] = withSeparator;
        m_changed = true;
        m_played.clear();
        RebuildMp3List();
        return;
    }
    ShowAppMessage("MP3 : Das Verzeichnis \"" + withSeparator + "\" existiert nicht!", kMbIconError);
    m_texts[static_cast<std::size_t>(SuperText::MP3)].clear();
    m_mp3Files.clear();
    m_played.clear();
    m_changed = false;
}

void TSuperOptions::SetPictureFolder(std::string_view folder) {
    std::string withSeparator = folder.empty() ? std::string() : WithTrailingSeparator(folder);
    SetText(SuperText::TechnoPhotoDir, withSeparator);
    if (withSeparator.empty()) {
        ShowAppMessage("Der Techno-Modus benötigt ein Verzeichnis mit Bildern (JPG oder BMP)!"_cp,
                       kMbIconError);
    } else if (!DirectoryExists(withSeparator)) {
        ShowAppMessage("Superlearning : Das Verzeichnis \"" + withSeparator + "\" existiert nicht!",
                       kMbIconError);
    } else if (FindFilesByExtension(withSeparator, {".jpg", ".bmp"}).empty()) {
        ShowAppMessage("Superlearning : Das Verzeichnis \"" + withSeparator +
                           std::string("\" enthält keine Bilder (JPG oder BMP)!"_cp),
                       kMbIconError);
    }
}

// [SECTION] Files

void TSuperOptions::RebuildMp3List() {
    m_mp3Files = FindFilesByExtension(Text(SuperText::MP3), {".mp3"});
    m_played.clear();
}

std::string TSuperOptions::DDFolder() const {
    return SubFolder(SubFolder(m_environment.pageRoot, "hqor"), "SuperDD");
}

void TSuperOptions::FindDDPages() {
    m_ddPages.clear();
    if (m_environment.pageRoot.empty())
        return;
    for (const std::string& file : FindFilesByExtension(DDFolder(), {".htx"})) {
        std::string name = FileNamePart(file);
        m_ddPages.push_back(name.substr(0, name.size() - 4));
    }
}

std::string TSuperOptions::NextMp3File() {
    int count = static_cast<int>(m_mp3Files.size());
    if (count == 0)
        return {};
    if (count == 1)
        return m_mp3Files.front();
    int index;
    do {
        index = RandomBelow(count);
    } while (std::find(m_played.begin(), m_played.end(), index) != m_played.end());
    m_played.push_back(index);
    int played = static_cast<int>(m_played.size());
    if (played >= count || played * 2 > count)
        m_played.pop_front();
    return m_mp3Files[static_cast<std::size_t>(index)];
}

// [SECTION] Music

void TSuperOptions::StartMusic(MediaCommandSender& sender) {
    int music = Integer(SuperInt::Musik);
    if (music == kMusicAudioCd) {
        if (m_noAudioCd)
            return;
        Send(sender, "open cdaudio alias cd", Errors::Quiet);
        if (Send(sender, "status cd type track 2", Errors::Quiet) == "audio") {
            Send(sender, "set cd time format tmsf", Errors::Quiet);
            Send(sender, "play cd", Errors::Shown);
        } else {
            NoAudioCd();
        }
    } else if (music == kMusicMp3 && !m_mp3Files.empty()) {
        if (!IsError(Send(sender, OpenMp3Command(NextMp3File()), Errors::Shown)))
            Send(sender, "play mp3", Errors::Shown);
        else
            SetInteger(SuperInt::Musik, kMusicNone);
    }
}

void TSuperOptions::StopMusic(MediaCommandSender& sender) {
    int music = Integer(SuperInt::Musik);
    if (music == kMusicAudioCd) {
        Send(sender, "stop cd", Errors::Quiet);
        Send(sender, "close cd", Errors::Quiet);
    } else if (music == kMusicMp3) {
        Send(sender, "stop mp3", Errors::Quiet);
        Send(sender, "close mp3", Errors::Quiet);
    }
}

void TSuperOptions::KeepMusicGoing(MediaCommandSender& sender, const std::function<void()>& processEvents) {
    int music = Integer(SuperInt::Musik);
    if (music == kMusicAudioCd && !m_noAudioCd) {
        const std::string mode = Send(sender, "status cd mode", Errors::Quiet);
        if (IsError(mode)) {
            NoAudioCd(); // the disc was taken out
        } else if (mode == "stopped") {
            Send(sender, "status cd current track", Errors::Shown);
            Send(sender, "status cd position", Errors::Shown);
            Send(sender, "seek cd to start", Errors::Shown);
            Send(sender, "play cd", Errors::Shown);
        }
    } else if (music == kMusicMp3) {
        if (Send(sender, "status mp3 mode", Errors::Quiet) == "stopped") {
            Send(sender, "close mp3", Errors::Quiet);
            Send(sender, OpenMp3Command(NextMp3File()), Errors::Shown);
            Send(sender, "play mp3", Errors::Shown);
        }
    }
    if (processEvents)
        processEvents();
}

void TSuperOptions::NoAudioCd() {
    // Said once; the presentations then run silently instead of failing at every word pair. The
    // stored choice stays: the next reading of the options (after the settings dialog) tries again.
    m_noAudioCd = true;
    ShowAppMessage("Es wurde keine Audio-CD gefunden. Die Musik bleibt ausgeschaltet.", kMbIconExclamation);
}

void TSuperOptions::LoadStyleSettings(int queryStyle) {
    m_displayKind = queryStyle;
    if (queryStyle == 0 || queryStyle == 1)
        SetInteger(SuperInt::Modus, queryStyle);
}

} // namespace qor
