// The page commands' view of the vocabulary library.

#include "app/LibraryServices.h"

#include "platform/ScriptedMessagePresenter.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"
#include "vocab/TBibliothek.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

class LibraryServicesTest : public ::testing::Test {
protected:
    LibraryServicesTest() { SetMessagePresenter(&m_messages); }
    ~LibraryServicesTest() override { SetMessagePresenter(nullptr); }

    std::string Folder(const char* name) const {
        return WithTrailingSeparator(ProgramPath(m_folder.MakeFolder(name)));
    }

    ScriptedMessagePresenter m_messages;
    test::TempFolder m_folder;
    TBibliothek m_library;
    LibraryServices m_services{m_library};
};

TEST_F(LibraryServicesTest, AnEmptyLibraryRefusesAQueryWithItsMessage) {
    EXPECT_EQ(m_services.EntryCount(), 0);
    EXPECT_FALSE(m_services.HasEntries());
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, "Noch keine Bibliothek geladen! Was soll ich abfragen???"
                                             "!");
    EXPECT_FALSE(m_services.HasUnsavedChanges());
    EXPECT_EQ(m_services.FileName(), "");
}

TEST_F(LibraryServicesTest, AnAreaIsLoadedAndALibrarySaved) {
    // An area folder with one library of three entries, written through the library itself.
    TBibliothek source;
    source.Clear(BlankLine::Drop); // a new library starts with a blank entry
    for (const char* word : {"maison", "chat", "chien"}) {
        TVokabel entry;
        entry.Vokabel = word;
        entry.Bedeutung0 = "Wort";
        source.Add(entry);
    }
    const std::string area = Folder("Grundwortschatz");
    ASSERT_TRUE(source.Save(area + "tiere.asc"));

    m_services.LoadAreaFolder(area);
    EXPECT_EQ(m_services.EntryCount(), 3);
    EXPECT_TRUE(m_services.HasEntries());
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_FALSE(m_services.HasUnsavedChanges()) << "a fresh random library has nothing to save";

    m_library.SetVokabel(0, "maisons");
    EXPECT_TRUE(m_services.HasUnsavedChanges());
    const std::string saved = Folder("eigene") + "meine.asc";
    m_services.SaveToFile(saved);
    EXPECT_FALSE(m_services.HasUnsavedChanges());
    EXPECT_EQ(m_services.FileName(), saved);
    EXPECT_TRUE(FileExists(saved));
}

} // namespace
} // namespace qor
