#include "app/MainPageLink.h"

namespace qor {

void MainPageLink::Attach(CommandPage& page, std::function<bool()> visible,
                          std::function<void()> processMessages) {
    m_page = &page;
    m_visible = std::move(visible);
    m_processMessages = std::move(processMessages);
}

void MainPageLink::Detach(const CommandPage& page) {
    if (m_page != &page)
        return;
    m_page = nullptr;
    m_visible = nullptr;
    m_processMessages = nullptr;
}

void MainPageLink::SetMacro(std::string_view name, std::string_view value) {
    if (m_page)
        m_page->SetMacro(name, value);
}

void MainPageLink::SetCondition(std::string_view name, bool holds) {
    if (m_page)
        SetConditionTo(*m_page, name, holds);
}

bool MainPageLink::TestCondition(std::string_view name) const {
    return m_page && m_page->TestCondition(name);
}

void MainPageLink::LoadPage(std::string_view file) {
    if (m_page)
        m_page->LoadPage(file);
}

bool MainPageLink::Visible() const {
    return m_page && (!m_visible || m_visible());
}

void MainPageLink::ProcessPendingMessages() {
    if (m_processMessages)
        m_processMessages();
}

} // namespace qor
