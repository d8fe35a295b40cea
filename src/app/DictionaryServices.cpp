#include "app/DictionaryServices.h"

namespace qor {

void DictionaryServices::SearchFromPage() {
    m_dictionary.PageSearch(m_page, m_readMacro);
}

void DictionaryServices::ShowResultPage(int page) {
    // The pages' links count from 1.
    m_dictionary.ShowResultPage(page - 1);
}

} // namespace qor
