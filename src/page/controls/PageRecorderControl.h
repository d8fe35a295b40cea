#pragma once
// What the page's "§rec" and "§play" links do with the page's recorder. The recorder the
// application plugs into the document (PageDocument::SetRecorderFactory) implements this next to
// PageRecorder; a recorder without it (the settings-only one) leaves "§rec" to the host as the
// command "rec" and makes "§play" do nothing.

namespace qor {

class PageRecorderControl {
public:
    virtual ~PageRecorderControl() = default;
    virtual bool Recording() const = 0;
    virtual void StartRecording() = 0;
    virtual void StopRecording() = 0;
    virtual bool Playing() const = 0;
    virtual void Play() = 0;
    virtual void StopPlayback() = 0;
};

} // namespace qor
