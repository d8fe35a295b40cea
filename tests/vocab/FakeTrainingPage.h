#pragma once
// A page that remembers what the training subsystems set: macros, conditions and the pages loaded.

#include "vocab/TrainingPage.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace qor {

class FakeTrainingPage : public TrainingPage {
public:
    void SetMacro(std::string_view name, std::string_view value) override {
        m_macros[std::string(name)] = std::string(value);
    }
    void SetCondition(std::string_view name, bool holds) override {
        if (holds)
            m_conditions.insert(std::string(name));
        else
            m_conditions.erase(std::string(name));
    }
    bool TestCondition(std::string_view name) const override {
        return m_conditions.count(std::string(name)) > 0;
    }
    void LoadPage(std::string_view file) override { m_pages.emplace_back(file); }
    bool Visible() const override { return m_visible; }
    void ProcessPendingMessages() override { ++m_pendingRuns; }

    // The macro's value; empty when it was never set or was cleared.
    std::string Macro(const std::string& name) const {
        auto found = m_macros.find(name);
        return found == m_macros.end() ? std::string() : found->second;
    }
    bool HasMacro(const std::string& name) const { return m_macros.count(name) > 0; }
    const std::map<std::string, std::string>& Macros() const { return m_macros; }
    // The last page loaded, or empty.
    std::string Page() const { return m_pages.empty() ? std::string() : m_pages.back(); }
    const std::vector<std::string>& Pages() const { return m_pages; }
    void SetVisible(bool visible) { m_visible = visible; }
    int PendingRuns() const { return m_pendingRuns; }

private:
    std::map<std::string, std::string> m_macros;
    std::set<std::string> m_conditions;
    std::vector<std::string> m_pages;
    bool m_visible = true;
    int m_pendingRuns = 0;
};

} // namespace qor
