// The editor's library checks against the dictionary: "Bibliothek kontrollieren" (through the
// window, entry by entry), "XPress-Kontrolle" (straight through the dictionary) and
// "Kontexte abgleichen". Each stops at the first finding and leaves that entry current.
#include "dictionary/TXDatabase.h"
#include "editor/ContextAlignment.h"
#include "editor/TVocEditorCore.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"

namespace qor {

namespace {

void ShowMeaningsDiffer(std::string_view entryMeanings, std::string_view dictionaryMeaning) {
    std::string text(
        "Diese Vokabel hat andere Bedeutungen als\rder entsprechende Eintrag im Wörterbuch!\r\r>"_cp);
    text += std::string(entryMeanings) + "<\r\n>" + std::string(dictionaryMeaning) + "<";
    ShowAppMessage(text, kMbOk);
}

} // namespace

bool TVocEditorCore::CheckEntryLength() {
    if (m_library.Bedeutung(-1, 0).size() <= kMultipleChoiceMeaningLength)
        return true;
    ShowAppMessage("Die 1. Bedeutung ist für Multiple-Choice Aufgaben zu lang!\rSie sollten lieber das "
                   "Eingabefeld \"Weitere:\" benutzen."_cp,
                   kMbOk);
    return false;
}

void TVocEditorCore::AddCurrentToDictionary() {
    m_dictionary->InsertEntry();
    m_dictionary->SetVokabel(TXDatabase::kCurrent, m_library.Vokabel(-1));
    m_dictionary->SetBedeutung(TXDatabase::kCurrent,
                               EntryMeanings(m_library.Bedeutung(-1, 0), m_library.Bedeutung(-1, 1)));
    m_dictionary->SetWortart(TXDatabase::kCurrent, m_library.Wortart(-1) + kFirstWordClass);
    LookUp();
}

bool TVocEditorCore::ActOnComparison(Comparison result, std::string_view dictionaryMeaning) {
    switch (result) {
    case Comparison::Nothing:
        return true;
    case Comparison::NotInDictionary:
        if (!m_addAutomatically &&
            ShowAppMessage(
                "Diese Vokabel ist (noch) nicht im Wörterbuch!\rSoll sie ins Wörterbuch aufgenommen "
                "werden???"_cp,
                kMbIconInformation | kMbYesNo) != kIdYes)
            return false;
        AddCurrentToDictionary();
        return true;
    case Comparison::TakeMeanings:
        TakeOver();
        return true;
    case Comparison::WordClassDiffers:
        ShowAppMessage("Möglicher Fehler bei den Wortarten entdeckt."_cp, kMbIconInformation);
        return false;
    case Comparison::MeaningsDiffer:
        ShowMeaningsDiffer(EntryMeanings(m_library.Bedeutung(-1, 0), m_library.Bedeutung(-1, 1)),
                           dictionaryMeaning);
        return false;
    }
    return false;
}

void TVocEditorCore::Kontrollieren() {
    if (m_busy) {
        m_abortRequested = true;
        return;
    }
    if (!m_dictionary)
        return;
    m_alwaysLookup = true;
    const bool testLength = m_checkMultipleChoice;
    m_checkMultipleChoice = false;
    m_busy = true;
    m_abortRequested = false;
    LookUp();

    enum class End { Finding, Abort, Last } end = End::Last;
    for (int i = m_library.Current(); i < m_library.Count(); ++i) {
        if (m_abortRequested) {
            end = End::Abort;
            break;
        }
        while (m_view.ListLineCount() <= i)
            m_view.AppendListLine(" ");
        SelectEntry(i);
        LookUp();
        m_view.ProcessMessages();
        if (m_abortRequested) {
            end = End::Abort;
            break;
        }
        if (testLength && !CheckEntryLength()) {
            end = End::Finding;
            break;
        }
        const std::string entryMeanings =
            EntryMeanings(m_library.Bedeutung(-1, 0), m_library.Bedeutung(-1, 1));
        const std::string dictionaryMeaning = m_dictionary->Bedeutung();
        const Comparison result = CompareWithDictionary(
            ComparisonKey(m_library.Wortart(-1), m_library.Vokabel(-1)), entryMeanings, dictionaryMeaning,
            ComparisonKey(m_dictionary->Wortart() - kFirstWordClass, m_dictionary->Vokabel()));
        if (!ActOnComparison(result, dictionaryMeaning)) {
            end = End::Finding;
            break;
        }
    }
    if (end == End::Abort)
        ShowAppMessage("Kontrolle wurde abgebrochen.", kMbIconInformation);
    else if (end == End::Last)
        ShowAppMessage("Kontrolle beendet.", kMbIconInformation);
    m_checkMultipleChoice = testLength;
    m_busy = false;
}

void TVocEditorCore::XPressKontrolle() {
    if (!m_dictionary)
        return;
    for (int i = m_library.Current(); i < m_library.Count(); ++i) {
        const TVokabel entry = m_library.Entry(i);
        const auto half =
            entry.Deutsch ? DictionaryDirection::GermanFrench : DictionaryDirection::FrenchGerman;
        if (m_dictionary->Direction() != half)
            m_dictionary->SetDirection(half);
        if (m_checkMultipleChoice && entry.Bedeutung0.size() > kMultipleChoiceMeaningLength) {
            SelectEntry(i);
            CheckEntryLength();
            return;
        }
        const int found = m_dictionary->FindIndex(entry.Vokabel, entry.Wortart + kFirstWordClass);
        const std::string dictionaryMeaning = found >= 0 ? m_dictionary->Bedeutung(found) : std::string();
        const std::string dictionaryKey =
            found >= 0 ? ComparisonKey(m_dictionary->Wortart(found), m_dictionary->Vokabel(found))
                       : std::string();
        const Comparison result = CompareWithDictionary(
            ComparisonKey(entry.Wortart + kFirstWordClass, entry.Vokabel),
            EntryMeanings(entry.Bedeutung0, entry.Bedeutung1), dictionaryMeaning, dictionaryKey);
        if (result == Comparison::Nothing || result == Comparison::TakeMeanings)
            continue;
        SelectEntry(i);
        if (!ActOnComparison(result, dictionaryMeaning))
            return;
    }
    ShowAppMessage("Kontrolle beendet.", kMbIconInformation);
}

// The dictionary's current entry with the question whether a neighbour carries the same headword.
DictionaryEntryView TVocEditorCore::CurrentDictionaryEntry() const {
    DictionaryEntryView view{m_dictionary->Vokabel(), m_dictionary->Bedeutung(), m_dictionary->Wortart(),
                             false};
    const int index = m_dictionary->CurrentIndex();
    const bool previousSame = index > 0 && m_dictionary->Vokabel(index - 1) == view.headword;
    const bool nextSame =
        index + 1 < m_dictionary->Count() && m_dictionary->Vokabel(index + 1) == view.headword;
    view.neighbourHasSameHeadword = previousSame || nextSame;
    return view;
}

void TVocEditorCore::KontexteAbgleichen() {
    if (!m_dictionary)
        return;
    LookUp();
    for (int i = m_library.Current(); i < m_library.Count(); ++i) {
        SelectEntry(i);
        // The repairs store their results without a look-up each; one follows when they are done.
        m_takingOver = true;
        const std::string headword = RepairHeadwordEnding(m_library.Vokabel(-1));
        if (headword != m_library.Vokabel(-1))
            SetHeadword(headword);
        for (int k = 0; k < 2; ++k) {
            const EditorField field = k == 0 ? EditorField::Kontext0 : EditorField::Kontext1;
            const std::string context = RepairContext(m_library.Kontext(-1, k));
            if (context != m_library.Kontext(-1, k)) {
                m_library.SetKontext(-1, k, context);
                m_view.SetFieldText(field, context);
            }
            if (!ContextPasses(context)) {
                m_takingOver = false;
                m_view.FocusField(field);
                return;
            }
        }
        m_takingOver = false;
        LookUp();

        m_takingOver = true;
        const std::string initial = AdoptDictionaryInitial(m_library.Vokabel(-1), m_dictionary->Vokabel());
        if (initial != m_library.Vokabel(-1))
            SetHeadword(initial);
        const AlignedEntry entry{m_library.Vokabel(-1), m_library.Bedeutung(-1, 0), m_library.Wortart(-1)};
        const AlignedEntry aligned = AlignWithDictionary(entry, CurrentDictionaryEntry());
        if (aligned.headword != entry.headword)
            SetHeadword(aligned.headword);
        if (aligned.meaning != entry.meaning) {
            m_view.SetFieldText(EditorField::Bedeutung0, aligned.meaning);
            Bedeutung0Edited(aligned.meaning);
        }
        if (aligned.wortart != entry.wortart) {
            m_view.SetWortart(aligned.wortart);
            WortartEdited(aligned.wortart);
        }
        m_takingOver = false;
        LookUp();
        if (!AlignedWithDictionary({m_library.Vokabel(-1), m_library.Bedeutung(-1, 0), m_library.Wortart(-1)},
                                   CurrentDictionaryEntry()))
            return;
    }
}

} // namespace qor
