#pragma once
// The sound recorder panel a page can hold (RECORDER). The page control plugs in the real
// recorder; without one the page gets a recorder that only takes the settings, so parsing never
// depends on sound hardware.

#include "page/markup/PageRecords.h"

#include <memory>
#include <string_view>

namespace qor {

class PageRecorder {
public:
    virtual ~PageRecorder() = default;

    virtual void SetRecordButton(const PageRect& place) = 0;
    virtual void SetPlayButton(const PageRect& place) = 0;
    // The folder or file of the recorder's button pictures (page folder + PICTURES).
    virtual void SetPictures(std::string_view path) = 0;
    virtual void SetColour(Colour colour) = 0;
    virtual void SetMaxSeconds(int seconds) = 0;
    // The page reset: stops a recording or playback and forgets the page's settings.
    virtual void Reset() = 0;
};

class NullPageRecorder : public PageRecorder {
public:
    void SetRecordButton(const PageRect&) override {}
    void SetPlayButton(const PageRect&) override {}
    void SetPictures(std::string_view) override {}
    void SetColour(Colour) override {}
    void SetMaxSeconds(int) override {}
    void Reset() override {}
};

} // namespace qor
