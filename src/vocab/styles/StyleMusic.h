#pragma once
// The background music of the presentations: the superlearning options start it, keep it going
// between items and stop it. An interface, so the styles need no media device in tests.

#include "platform/MediaCommands.h"

#include <cstdint>

namespace qor {

class TSuperOptions;

class StyleMusic {
public:
    virtual ~StyleMusic() = default;
    virtual void Start() = 0;
    virtual void Advance() = 0;
    virtual void Stop() = 0;
};

// For the presentations that run frame by frame rather than pair by pair: asks the music to go
// on (the next file once one has ended) about once a second, as the game does after each pair.
class MusicPoll {
public:
    static constexpr int kIntervalMs = 1000;

    explicit MusicPoll(StyleMusic* music) : m_music(music) {}
    // Called as often as the presentation likes; the first call only starts the clock.
    void Poll(std::int64_t now) {
        if (!m_music)
            return;
        if (m_last < 0) {
            m_last = now;
        } else if (now - m_last >= kIntervalMs) {
            m_last = now;
            m_music->Advance();
        }
    }

private:
    StyleMusic* m_music;
    std::int64_t m_last = -1;
};

// The music of the superlearning options through the multimedia command interface.
class SuperOptionsMusic : public StyleMusic {
public:
    SuperOptionsMusic(TSuperOptions& options, MediaCommandSender& sender)
        : m_options(options), m_sender(sender) {}
    void Start() override;
    void Advance() override;
    void Stop() override;

private:
    TSuperOptions& m_options;
    MediaCommandSender& m_sender;
};

} // namespace qor
