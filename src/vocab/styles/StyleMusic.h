#pragma once
// The background music of the presentations: the superlearning options start it, keep it going
// between items and stop it. An interface, so the styles need no media device in tests.

#include "platform/MediaCommands.h"

namespace qor {

class TSuperOptions;

class StyleMusic {
public:
    virtual ~StyleMusic() = default;
    virtual void Start() = 0;
    virtual void Advance() = 0;
    virtual void Stop() = 0;
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
