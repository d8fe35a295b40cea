#pragma once
// The page commands' view of the dictionary: the searches of the dictionary page and their result
// pages. The dictionary window itself is the front end's.

#include "app/CommandServices.h"
#include "dictionary/TXDatabase.h"

namespace qor {

class TrainingPage;

class DictionaryServices : public DictionaryService {
public:
    // `page` is where the results go; `readMacro` reads the search field's text from it.
    DictionaryServices(TXDatabase& dictionary, TrainingPage& page, MacroReader readMacro,
                       DictionaryService& window)
        : m_dictionary(dictionary), m_page(page), m_readMacro(std::move(readMacro)), m_window(&window) {}

    // The dictionary window that "wb" shows, once the program has one.
    void SetWindow(DictionaryService& window) { m_window = &window; }

    void ShowWindow() override { m_window->ShowWindow(); }
    void CloseWindowIfVisible() override { m_window->CloseWindowIfVisible(); }
    void SearchFromPage() override;
    void ShowResultPage(int page) override;

private:
    TXDatabase& m_dictionary;
    TrainingPage& m_page;
    MacroReader m_readMacro;
    DictionaryService* m_window;
};

} // namespace qor
