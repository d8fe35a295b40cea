#pragma once
// The page commands' view of the verb trainer.

#include "app/CommandServices.h"

namespace qor {

class TVerben;

class VerbServices : public VerbService {
public:
    explicit VerbServices(TVerben& verbs) : m_verbs(verbs) {}

    bool Exists() const override { return true; }
    bool HasVerbsAndTensesSelected() override;
    void StartSeries() override;
    void NextQuestion() override;
    void JudgeAnswer(std::string_view code) override;
    void ShowVerbList() override;
    void ShowConjugationTable(int verb) override;
    void LoadStoredSelection() override;
    void SetSelection(std::string_view verbs, std::string_view tenses) override;
    void SelectAll() override;

private:
    TVerben& m_verbs;
};

} // namespace qor
