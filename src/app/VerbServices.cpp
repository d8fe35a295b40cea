#include "app/VerbServices.h"

#include "vocab/verbs/TVerben.h"

namespace qor {

bool VerbServices::HasVerbsAndTensesSelected() {
    return m_verbs.HasVerbsAndTensesSelected();
}

void VerbServices::StartSeries() {
    m_verbs.StartSeries();
}

void VerbServices::NextQuestion() {
    m_verbs.NextQuestion();
}

void VerbServices::JudgeAnswer(std::string_view code) {
    m_verbs.JudgeAnswer(code);
}

void VerbServices::ShowVerbList() {
    m_verbs.ShowVerbList();
}

void VerbServices::ShowConjugationTable(int verb) {
    m_verbs.ShowConjugationTable(verb);
}

void VerbServices::LoadStoredSelection() {
    m_verbs.LoadStoredSelection();
}

void VerbServices::SetSelection(std::string_view verbs, std::string_view tenses) {
    m_verbs.SetSelection(verbs, tenses);
}

void VerbServices::SelectAll() {
    m_verbs.SelectAll();
}

} // namespace qor
