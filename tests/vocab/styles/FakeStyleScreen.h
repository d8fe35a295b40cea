#pragma once
// A page surface with a virtual clock: waits move the clock, message processing runs what the
// test scheduled for that time (clicks, "stop"). Loaded pages and presented frames are logged.

#include "platform/Random.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocAufgabe.h"
#include "vocab/styles/StyleMusic.h"
#include "vocab/styles/StyleScreen.h"

#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace qor::test {

class FakeStyleScreen : public StyleScreen {
public:
    FakeStyleScreen() : m_surface(kWidth, kHeight) {}

    TXBitmap& Surface() override { return m_surface; }
    void Present() override { ++presented; }
    void LoadPage(std::string_view name) override {
        pages.emplace_back(name);
        RedrawPage();
    }
    void RedrawPage() override {
        m_surface.Fill(pageColour, ColourOrder::BlueHigh);
        ++redraws;
    }
    std::string PageFolder() const override { return folder; }
    void SetPageFolder(std::string_view value) override {
        folder = value;
        folderChanges.push_back(folder);
    }
    StyleRect TextArea() const override { return textArea; }
    Colour PageTextColour() const override { return textColour; }

    void ProcessMessages() override {
        ++processed;
        while (!m_events.empty() && m_events.begin()->first <= now) {
            auto action = std::move(m_events.begin()->second);
            m_events.erase(m_events.begin());
            action();
        }
        if (everyProcess)
            everyProcess();
    }
    std::int64_t Milliseconds() override { return now; }
    void Wait(int milliseconds) override {
        if (milliseconds > 0)
            now += milliseconds;
        // A loop that never ends is a failure, not a hung test.
        if (now > timeLimit)
            throw std::runtime_error("virtual time limit exceeded");
    }

    void At(std::int64_t time, std::function<void()> action) { m_events.emplace(time, std::move(action)); }

    std::int64_t now = 1000;
    std::int64_t timeLimit = std::int64_t{24} * 3600 * 1000;
    std::string folder = "/prog/hqor/";
    std::vector<std::string> folderChanges;
    std::vector<std::string> pages;
    StyleRect textArea{100, 50, 700, 450};
    Colour textColour = 0x0000FF;
    Colour pageColour = 0x404040;
    int presented = 0;
    int redraws = 0;
    int processed = 0;
    std::function<void()> everyProcess;

private:
    TXBitmap m_surface;
    std::multimap<std::int64_t, std::function<void()>> m_events;
};

// Background music that counts what the presentation asks of it.
class CountingMusic : public StyleMusic {
public:
    void Start() override { ++started; }
    void Advance() override { ++advanced; }
    void Stop() override { ++stopped; }
    int started = 0;
    int advanced = 0;
    int stopped = 0;
};

// A pick for the game that draws an entry with the five entries after it as wrong choices, as
// the query's random pick does with its wrong answers.
inline std::function<TVocAufgabe()> SimpleQuestionPick(TBibliothek& library) {
    return [&library] {
        TVocAufgabe task;
        const int index = RandomBelow(library.Count());
        task.Frage = library.Entry(index);
        task.Wahl[0] = task.Frage;
        for (int k = 1; k < TVocAufgabe::kChoiceCount; ++k)
            task.Wahl[k] = library.Entry((index + k) % library.Count());
        return task;
    };
}

} // namespace qor::test
