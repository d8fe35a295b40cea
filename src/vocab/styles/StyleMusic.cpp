#include "vocab/styles/StyleMusic.h"

#include "settings/TSuperOptions.h"

namespace qor {

void SuperOptionsMusic::Start() {
    m_options.StartMusic(m_sender);
}

void SuperOptionsMusic::Advance() {
    m_options.KeepMusicGoing(m_sender);
}

void SuperOptionsMusic::Stop() {
    m_options.StopMusic(m_sender);
}

} // namespace qor
