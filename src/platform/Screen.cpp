#include "platform/Screen.h"

namespace qor {

namespace {

// A positive decimal number of at most six digits at `text`; advances past it.
bool ReadDimension(const char*& text, int& value) {
    int digits = 0;
    value = 0;
    while (*text >= '0' && *text <= '9') {
        if (++digits > 6)
            return false;
        value = value * 10 + (*text++ - '0');
    }
    return digits > 0 && value > 0;
}

} // namespace

bool ParseScreenSpec(const char* text, ScreenInfo& info) {
    if (!text)
        return false;
    ScreenInfo parsed;
    parsed.bitsPerPixel = 24;
    if (!ReadDimension(text, parsed.width) || (*text != 'x' && *text != 'X'))
        return false;
    ++text;
    if (!ReadDimension(text, parsed.height))
        return false;
    if (*text == 'x' || *text == 'X') {
        ++text;
        if (!ReadDimension(text, parsed.bitsPerPixel))
            return false;
    }
    if (*text != '\0')
        return false;
    info = parsed;
    return true;
}

} // namespace qor
