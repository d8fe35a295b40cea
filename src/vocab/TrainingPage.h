#pragma once
// The main window's page control as the training subsystems see it. They never draw screens of
// their own: they fill named page variables and conditions and load the next page by name. The
// main window hands over an adapter; tests use a recording fake.

#include <string_view>

namespace qor {

class TrainingPage {
public:
    virtual ~TrainingPage() = default;

    // A named page variable (macro); an empty value clears it.
    virtual void SetMacro(std::string_view name, std::string_view value) = 0;
    // `Bedingung`: the name holds or not. Conditions survive page changes.
    virtual void SetCondition(std::string_view name, bool holds) = 0;
    virtual bool TestCondition(std::string_view name) const = 0;
    // Loads a page file relative to the page folder ("va_mch.htx").
    virtual void LoadPage(std::string_view file) = 0;
    // Whether the page control is on the screen; a hidden one is not given new pages.
    virtual bool Visible() const = 0;
    // Lets the user interface handle what is pending (long loops, hidden pages).
    virtual void ProcessPendingMessages() = 0;
};

} // namespace qor
