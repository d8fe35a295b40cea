#pragma once
// The main page as the long-lived training objects see it. Main windows come and go (a tool window
// that takes the screen releases the main window and makes a new one when it closes), while the
// query, the verb trainer and the language lab live from start-up to the end. The link follows the
// main window shown now; while there is none, the page counts as hidden and what is set is dropped.

#include "app/CommandPage.h"
#include "vocab/TrainingPage.h"

#include <functional>

namespace qor {

class MainPageLink : public TrainingPage {
public:
    // `visible` tells whether the window is on the screen; `processMessages` lets the user interface
    // handle what is pending.
    void Attach(CommandPage& page, std::function<bool()> visible, std::function<void()> processMessages);
    // Only the attached page detaches: a new main window may have attached itself before the old
    // one is destroyed.
    void Detach(const CommandPage& page);
    bool Attached() const { return m_page != nullptr; }

    void SetMacro(std::string_view name, std::string_view value) override;
    void SetCondition(std::string_view name, bool holds) override;
    bool TestCondition(std::string_view name) const override;
    void LoadPage(std::string_view file) override;
    bool Visible() const override;
    void ProcessPendingMessages() override;

private:
    CommandPage* m_page = nullptr;
    std::function<bool()> m_visible;
    std::function<void()> m_processMessages;
};

} // namespace qor
