#pragma once
// The page commands' view of the language lab.

#include "app/CommandServices.h"

namespace qor {

class TThemenListe;

class LabServices : public LabService {
public:
    explicit LabServices(TThemenListe& lab) : m_lab(lab) {}

    void ShowGerman(Switch state) override;
    void Dictation(Switch state) override;
    void AutoRead(Switch state) override;
    void SetSentenceMacros() override;
    void DrawNextSentence() override;
    void ShowThemeList() override;
    void SelectTheme(int theme) override;

private:
    TThemenListe& m_lab;
};

} // namespace qor
