#pragma once
// The page commands' view of the vocabulary query, which runs inside the library object.

#include "app/CommandServices.h"

namespace qor {

class TBibliothek;

class QueryServices : public QueryService {
public:
    explicit QueryServices(TBibliothek& library) : m_library(library) {}

    void SetDirection(int direction) override;
    void SetLastIndex(int index) override;
    void PrepareQuery() override;
    void LoadUserScores() override;
    void StartQuery() override;
    void StopWithEvaluation() override;
    void ContinueAfterAnswer() override;
    void ContinueAfterEvaluation() override;
    void Answer(std::string_view code) override;

private:
    TBibliothek& m_library;
};

} // namespace qor
