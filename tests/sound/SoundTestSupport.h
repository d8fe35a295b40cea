#pragma once
// Scratch folders, a message presenter that records, and a hand-stepped timer for the sound tests.

#include "page/render/IntervalTimer.h"
#include "platform/MessagePresenter.h"
#include "platform/ScriptedMessagePresenter.h"

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>

namespace qor::test {

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() / ("qor_sound_" + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

// Installs a scripted presenter for the lifetime of the object.
class MessageCapture {
public:
    MessageCapture() { SetMessagePresenter(&m_presenter); }
    ~MessageCapture() { SetMessagePresenter(nullptr); }
    ScriptedMessagePresenter& Presenter() { return m_presenter; }
    const std::vector<LoggedMessage>& Messages() const { return m_presenter.Messages(); }

private:
    ScriptedMessagePresenter m_presenter;
};

class SteppedTimer : public IntervalTimer {
public:
    int Start(int intervalMs, std::function<void()> tick) override {
        m_timers[++m_lastId] = {intervalMs, std::move(tick)};
        return m_lastId;
    }
    void Stop(int id) override { m_timers.erase(id); }
    int Running() const { return static_cast<int>(m_timers.size()); }
    int IntervalOf(int id) const { return m_timers.count(id) ? m_timers.at(id).first : 0; }
    // Calls every running timer once (a copy, since a tick may stop its own timer).
    void TickAll() {
        auto timers = m_timers;
        for (auto& [id, timer] : timers)
            if (m_timers.count(id))
                timer.second();
    }

private:
    std::map<int, std::pair<int, std::function<void()>>> m_timers;
    int m_lastId = 0;
};

} // namespace qor::test
