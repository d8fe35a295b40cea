#pragma once
// Helpers for the verb trainer tests: small tables written in the block's own format, a registry
// in memory, captured message boxes, a page that remembers the variables each page was loaded
// with and a random source that answers from a script.

#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/RegistryStore.h"
#include "platform/ScriptedMessagePresenter.h"
#include "vocab/FakeTrainingPage.h"
#include "vocab/verbs/VerbTable.h"

#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace qor::test {

// The lines of a table text written in UTF-8 ("\n" between lines), in Windows-1252.
inline std::vector<std::string> Lines(const std::string& utf8) {
    std::vector<std::string> lines;
    std::istringstream in(Cp1252FromUtf8(utf8));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline std::vector<TVerb> Table(const std::string& text) {
    return ParseVerbTable(Lines(text));
}

// avoir and être (UTF-8) with their simple tenses (enough for compound tenses), in the block's format.
inline const std::string kAuxiliaries = "avoir,haben,avoir\n"
                                        "*ai,*as,*a,*avons,*avez,*ont\n"
                                        "*avais,*avais,*avait,*avions,*aviez,*avaient\n"
                                        "*eus,*eus,*eut,*eûmes,*eûtes,*eurent\n"
                                        "*aur-ai,*-as,*-a,*-ons,*-ez,*-ont\n"
                                        "*aie,*aies,*ait,*ayons,*ayez,*aient\n"
                                        "*eusse,*eusses,*eût,*eussions,*eussiez,*eussent\n"
                                        "*aie,*ayons,*ayez\n"
                                        "*aur-ais,*-ais,*-ait,*-ions,*-iez,*-aient\n"
                                        "*ayant,*eu\n"
                                        "être,sein,avoir\n"
                                        "*suis,*es,*est,*sommes,*êtes,*sont\n"
                                        "*ét-ais,*-ais,*-ait,*-ions,*-iez,*-aient\n"
                                        "*f-us,*-us,*-ut,*-ûmes,*-ûtes,*-urent\n"
                                        "*ser-ai,*-as,*-a,*-ons,*-ez,*-ont\n"
                                        "*sois,*sois,*soit,*soyons,*soyez,*soient\n"
                                        "*f-usse,*-usses,*-ût,*-ussions,*-ussiez,*-ussent\n"
                                        "*sois,*soyons,*soyez\n"
                                        "*ser-ais,*-ais,*-ait,*-ions,*-iez,*-aient\n"
                                        "*étant,*été\n";

// A regular "-er" verb in the block's format (UTF-8).
inline std::string ErVerb(const std::string& infinitive, const std::string& meaning,
                          const std::string& auxiliary) {
    const std::string stem = infinitive.substr(0, infinitive.size() - 2);
    return infinitive + "," + meaning + "," + auxiliary + "\n" + stem + "-e,-es,-e,-ons,-ez,-ent\n" + stem +
           "-ais,-ais,-ait,-ions,-iez,-aient\n" + stem + "-ai,-as,-a,-âmes,-âtes,-èrent\n" + infinitive +
           "-ai,-as,-a,-ons,-ez,-ont\n" + stem + "-e,-es,-e,-ions,-iez,-ent\n" + stem +
           "-asse,-asses,-ât,-assions,-assiez,-assent\n" + stem + "-e,-ons,-ez\n" + infinitive +
           "-ais,-ais,-ait,-ions,-iez,-aient\n" + stem + "-ant,-é\n";
}

class MemoryRegistry : public RegistryStore {
public:
    std::optional<std::string> ReadText(std::string_view key, std::string_view name) const override {
        auto found = m_texts.find(Id(key, name));
        return found == m_texts.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::optional<std::int32_t> ReadInteger(std::string_view, std::string_view) const override { return {}; }
    bool KeyExists(std::string_view key) const override {
        for (const auto& [id, value] : m_texts)
            if (id.starts_with(std::string(key) + "|"))
                return true;
        return false;
    }
    std::vector<std::string> ValueNames(std::string_view) const override { return {}; }
    bool WriteText(std::string_view key, std::string_view name, std::string_view value) override {
        m_texts[Id(key, name)] = std::string(value);
        return true;
    }
    bool WriteInteger(std::string_view, std::string_view, std::int32_t) override { return true; }
    bool DeleteValue(std::string_view key, std::string_view name) override {
        return m_texts.erase(Id(key, name)) > 0;
    }
    using RegistryStore::ReadText;

private:
    static std::string Id(std::string_view key, std::string_view name) {
        return std::string(key) + "|" + std::string(name);
    }
    std::map<std::string, std::string> m_texts;
};

class CapturedMessages {
public:
    CapturedMessages() { SetMessagePresenter(&m_presenter); }
    ~CapturedMessages() { SetMessagePresenter(nullptr); }
    CapturedMessages(const CapturedMessages&) = delete;
    CapturedMessages& operator=(const CapturedMessages&) = delete;
    const std::vector<LoggedMessage>& All() const { return m_presenter.Messages(); }
    void Clear() { m_presenter.ClearMessages(); }

private:
    ScriptedMessagePresenter m_presenter;
};

// Remembers the variables as they stood when each page was loaded.
class SnapshotPage : public FakeTrainingPage {
public:
    void LoadPage(std::string_view file) override {
        FakeTrainingPage::LoadPage(file);
        m_snapshots.push_back(Macros());
    }
    const std::map<std::string, std::string>& AtLastLoad() const { return m_snapshots.back(); }
    std::string AtLastLoad(const std::string& name) const {
        auto found = m_snapshots.back().find(name);
        return found == m_snapshots.back().end() ? std::string() : found->second;
    }

private:
    std::vector<std::map<std::string, std::string>> m_snapshots;
};

// Answers from a script; once it is used up, every draw gives `fallback` (kept below the bound).
class ScriptedDraw {
public:
    explicit ScriptedDraw(std::vector<int> values = {}, int fallback = 0)
        : m_values(values.begin(), values.end()), m_fallback(fallback) {}
    int operator()(int bound) {
        ++m_calls;
        int value = m_fallback;
        if (!m_values.empty()) {
            value = m_values.front();
            m_values.pop_front();
        }
        return bound > 0 ? value % bound : 0;
    }
    void Push(std::vector<int> values) { m_values.insert(m_values.end(), values.begin(), values.end()); }
    int Calls() const { return m_calls; }

private:
    std::deque<int> m_values;
    int m_fallback;
    int m_calls = 0;
};

} // namespace qor::test
