#pragma once
// The page commands' view of the vocabulary library: whether it changed, its file, loading a
// random library of an area, saving, and the test before a query.

#include "app/CommandServices.h"

namespace qor {

class TBibliothek;

class LibraryServices : public LibraryService {
public:
    explicit LibraryServices(TBibliothek& library) : m_library(library) {}

    bool HasUnsavedChanges() const override;
    std::string FileName() const override;
    void LoadAreaFolder(const std::string& folder) override;
    void SaveToFile(const std::string& file) override;
    bool HasEntries() override;
    int EntryCount() const override;

private:
    TBibliothek& m_library;
};

} // namespace qor
