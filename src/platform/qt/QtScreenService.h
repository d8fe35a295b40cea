#pragma once

#include "platform/Screen.h"

namespace qor {

// The primary screen as Qt reports it (size in device-independent pixels, colour depth).
class QtScreenService : public ScreenService {
public:
    ScreenInfo PrimaryScreen() const override;
};

} // namespace qor
