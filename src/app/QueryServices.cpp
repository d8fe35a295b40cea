#include "app/QueryServices.h"

#include "vocab/TBibliothek.h"

namespace qor {

void QueryServices::SetDirection(int direction) {
    m_library.SetDirection(direction);
}

void QueryServices::SetLastIndex(int index) {
    m_library.SetLastIndex(index);
}

void QueryServices::PrepareQuery() {
    m_library.PrepareQuery();
}

void QueryServices::LoadUserScores() {
    m_library.LoadUserScores();
}

void QueryServices::StartQuery() {
    // A start that fails its checks has said why and opened the options window itself.
    m_library.StartQuery();
}

void QueryServices::StopWithEvaluation() {
    m_library.StopWithEvaluation();
}

void QueryServices::ContinueAfterAnswer() {
    m_library.ContinueAfterAnswer();
}

void QueryServices::ContinueAfterEvaluation() {
    m_library.ContinueAfterEvaluation();
}

void QueryServices::Answer(std::string_view code) {
    m_library.Answer(code);
}

} // namespace qor
