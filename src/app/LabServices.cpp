#include "app/LabServices.h"

#include "vocab/lab/TThemenListe.h"

namespace qor {

void LabServices::ShowGerman(Switch state) {
    m_lab.SetDeutsch(state == Switch::On);
}

void LabServices::Dictation(Switch state) {
    m_lab.SetDiktat(state == Switch::On);
}

void LabServices::AutoRead(Switch state) {
    m_lab.SetAutomatik(state == Switch::On);
}

void LabServices::SetSentenceMacros() {
    m_lab.SetSentenceMacros();
}

void LabServices::DrawNextSentence() {
    m_lab.DrawNextSentence();
}

void LabServices::ShowThemeList() {
    m_lab.ShowThemeList();
}

void LabServices::SelectTheme(int theme) {
    m_lab.SelectTheme(theme);
}

} // namespace qor
