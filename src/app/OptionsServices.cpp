#include "app/OptionsServices.h"

#include "settings/TSuperOptions.h"

namespace qor {

void OptionsServices::LoadStyleSettings(int queryStyle) {
    m_ensure().LoadStyleSettings(queryStyle);
}

int OptionsServices::DisplayKind() const {
    return m_ensure().DisplayKind();
}

} // namespace qor
