#include "app/LibraryServices.h"

#include "platform/AppMessage.h"
#include "vocab/TBibliothek.h"

namespace qor {

bool LibraryServices::HasUnsavedChanges() const {
    return m_library.Changed();
}

std::string LibraryServices::FileName() const {
    return m_library.FileName();
}

void LibraryServices::LoadAreaFolder(const std::string& folder) {
    m_library.LoadRandomArea(folder);
}

void LibraryServices::SaveToFile(const std::string& file) {
    m_library.Save(file);
}

bool LibraryServices::HasEntries() {
    if (m_library.Count() > 0)
        return true;
    // Split so that the question marks are not read as a trigraph.
    ShowAppMessage("Noch keine Bibliothek geladen! Was soll ich abfragen???"
                   "!");
    return false;
}

int LibraryServices::EntryCount() const {
    return m_library.Count();
}

} // namespace qor
