#include "platform/AppMessage.h"

#include "platform/Cp1252.h"

namespace qor {

int ShowAppMessage(std::string_view text, int flags) {
    if (flags == 0)
        flags = kMbIconExclamation | kMbOk;
    return CurrentMessagePresenter().Show(text, "*qor französisch"_cp, flags);
}

} // namespace qor
