// A running vocabulary query: showing a question, judging the answer that comes back from the
// page, going on to the next question and the evaluation pages between rounds.

#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/TrainingPage.h"

#include <algorithm>

namespace qor {

namespace {

std::string Counter(const VocQueryState& query) {
    return std::to_string(query.tries + 1) + " / " + std::to_string(query.questionCount);
}

std::string PercentText(int percent) {
    return std::to_string(percent) + "%";
}

} // namespace

// [SECTION] Questions

void TBibliothek::ShowQuestion() {
    if (!m_page)
        return;
    if (!m_page->Visible()) {
        m_page->ProcessPendingMessages();
        return;
    }
    VocQueryState& query = *m_query;
    m_page->SetMacro("Zähler"_cp, Counter(query));
    m_page->SetMacro("Prozent", query.answersTotal == 0
                                    ? std::string("0%")
                                    : PercentText(PercentOf(query.rightTotal, query.answersTotal)));
    query.contextDisplay.clear();
    const TVocAufgabe& task = query.tasks[query.current];
    if (AskMultipleChoice(RandomBelow(101), m_settings->MultipleChoiceEintippen))
        ShowMultipleChoice(task);
    else
        ShowTypedQuestion(task);
}

void TBibliothek::ShowMultipleChoice(const TVocAufgabe& task) {
    m_page->SetMacro("Aufgabe", RecordingLink(task.Frage.Vokabel, m_recordingLookup, LinkEnd::Tight, !task.Frage.Deutsch));
    m_page->SetMacro("Wortart", WortartName(task.Frage.Wortart));
    std::array<std::string, TVocAufgabe::kChoiceCount> links;
    for (int k = 0; k < TVocAufgabe::kChoiceCount; ++k)
        links[k] = ChoiceLink(task.Wahl[k], k);
    for (int exchange = 0; exchange < 10; ++exchange) {
        const int i = RandomBelow(TVocAufgabe::kChoiceCount);
        const int j = RandomBelow(TVocAufgabe::kChoiceCount);
        std::swap(links[i], links[j]);
    }
    for (int position = 0; position < TVocAufgabe::kChoiceCount; ++position)
        m_page->SetMacro("MCH" + std::to_string(position), links[position]);
    m_page->LoadPage("va_mch.htx");
}

void TBibliothek::ShowTypedQuestion(const TVocAufgabe& task) {
    if (m_settings->Kontext && ShowGapQuestion(task))
        return;
    m_page->SetMacro("Aufgabe", RecordingLink(task.Frage.Vokabel, m_recordingLookup, LinkEnd::Tight, !task.Frage.Deutsch));
    m_page->SetMacro("Wortart", WortartName(task.Frage.Wortart));
    std::vector<std::string> answers;
    AddAcceptedAnswers(task.Frage.Bedeutung0, {}, answers);
    AddAcceptedAnswers(task.Frage.Bedeutung1, {}, answers);
    m_page->SetMacro("lsg", JoinAnswers(answers));
    m_page->SetMacro("help", HintMask(answers.empty() ? std::string() : answers.front()));
    m_page->LoadPage("va_ein.htx");
}

bool TBibliothek::ShowGapQuestion(const TVocAufgabe& task) {
    const GapSentence gaps[2] = {FindGap(task.Frage.Kontext0), FindGap(task.Frage.Kontext1)};
    int chosen = 0;
    if (gaps[0].found && gaps[1].found)
        chosen = RandomBelow(2);
    else if (gaps[1].found)
        chosen = 1;
    else if (!gaps[0].found)
        return false;
    const bool showMeaning = chosen == 0 ? task.Frage.KtxDazu0 : task.Frage.KtxDazu1;
    const GapQuestion question = MakeGapQuestion(gaps[chosen], task.Frage, showMeaning);
    m_page->SetMacro("Aufgabe", question.aufgabe);
    m_page->SetMacro("Wortart", question.tip);
    m_query->contextDisplay = question.context;
    m_page->LoadPage("va_kontext.htx");
    return true;
}

// [SECTION] Answers

void TBibliothek::Answer(std::string_view code) {
    VocQueryState& query = *m_query;
    TVocAufgabe& task = query.tasks[query.current];
    // A page reloaded after the query was left must not score a question that is not there.
    if (task.IsBlank())
        return;
    const AnswerCode answer = ParseAnswerCode(code);
    ++query.answersTotal;
    ++query.answersRound;
    if (LoggedIn()) {
        const VocDirection direction = task.Frage.Deutsch ? VocDirection::Deutsch : VocDirection::Fremd;
        m_users->RecordResult(task.Frage.Vokabel, direction, answer.typed ? 'e' : 'm',
                              ScoreChange(answer, task.Fehler), task.Frage.Wortart);
    }
    if (answer.right) {
        ++query.rightTotal;
        ++query.rightRound;
        task.Fehler = TVocAufgabe::kSolved;
    } else {
        ++task.Fehler;
    }
    query.lastAnswer = std::string(code);
    if (!m_page)
        return;

    m_page->SetMacro("Zähler"_cp, Counter(query));
    m_page->SetMacro("Prozent", PercentText(PercentOf(query.rightTotal, query.tries + 1)));
    // Nothing in the query fills this for the answer pages; they get the word that was asked.
    m_page->SetMacro("Aufgabe", task.Frage.Vokabel);
    m_page->SetMacro("Richtig", EntryDisplay(task.Frage, m_recordingLookup));
    m_page->SetMacro("Kontext", query.contextDisplay);
    // Page variables outlive the page, so a display of an earlier wrong choice must go.
    std::string wrongChoice;
    if (!answer.right && !answer.wrongText.empty()) {
        for (const TVokabel& choice : task.Wahl) {
            if (SameTextInsensitive(choice.Bedeutung0, answer.wrongText)) {
                wrongChoice = EntryDisplay(choice, m_recordingLookup);
                break;
            }
        }
    }
    m_page->SetMacro("Falsch", wrongChoice);
    if (answer.right)
        m_page->LoadPage("va_richtig.htx");
    else
        m_page->LoadPage(answer.typed ? "va_falsch1.htx" : "va_falsch2.htx");
}

// [SECTION] Going on

void TBibliothek::ContinueAfterAnswer() {
    // Only a started query has questions to go on to.
    if (m_query->questionCount == 0 || !m_settings)
        return;
    ++m_query->tries;
    if (m_settings && m_settings->Modus == kModusKreuzUndQuer)
        ContinueRandom();
    else
        ContinueSequential();
}

int TBibliothek::RandomSlotOfRound() const {
    const VocQueryState& query = *m_query;
    std::vector<int> candidates;
    for (int slot = 0; slot < query.questionCount; ++slot) {
        if (query.tasks[slot].Fehler == query.round)
            candidates.push_back(slot);
    }
    return candidates.empty() ? -1 : candidates[RandomBelow(static_cast<int>(candidates.size()))];
}

void TBibliothek::ContinueRandom() {
    VocQueryState& query = *m_query;
    const auto begin = query.tasks.begin();
    const auto end = begin + std::clamp(query.questionCount, 0, VocQueryState::kSlotCount);
    if (std::all_of(begin, end,
                    [](const TVocAufgabe& task) { return task.Fehler == TVocAufgabe::kSolved; })) {
        ShowEvaluation(Evaluation::AllSolved);
        return;
    }
    const int next = RandomSlotOfRound();
    if (next >= 0) {
        query.current = next;
        ShowQuestion();
        return;
    }
    ShowEvaluation(Evaluation::RoundFinished);
    query.answersRound = 0;
    query.rightRound = 0;
    ++query.round;
    query.currentRoundQuestions = static_cast<int>(
        std::count_if(begin, end, [&query](const TVocAufgabe& task) { return task.Fehler == query.round; }));
    if (query.round < VocQueryState::kRecordedRounds)
        query.roundQuestions[query.round] = query.currentRoundQuestions;
}

void TBibliothek::ContinueSequential() {
    VocQueryState& query = *m_query;
    query.current = 0;
    auto& tasks = query.tasks;
    const auto firstBlank = std::find_if(tasks.begin(), tasks.end(),
                                         [](const TVocAufgabe& task) { return task.Wahl[0].IsBlank(); });
    // Every slot filled cannot happen with at most eight queued questions; keep the last one then.
    const int f = firstBlank == tasks.end() ? VocQueryState::kSlotCount - 1
                                            : static_cast<int>(firstBlank - tasks.begin());
    if (query.lastAnswer.ends_with('-')) {
        tasks[f] = tasks[0];
    } else {
        SequentialPick(f);
        if (tasks[1].Wahl[0].IsBlank()) {
            ShowEvaluation(Evaluation::SectionFinished);
            return;
        }
    }
    int last = 0;
    for (; last + 1 < VocQueryState::kSlotCount && !tasks[last + 1].Wahl[0].IsBlank(); ++last)
        tasks[last] = tasks[last + 1];
    tasks[last] = TVocAufgabe{};
    ShowQuestion();
}

void TBibliothek::ContinueAfterEvaluation() {
    if (!m_settings)
        return;
    const int next = RandomSlotOfRound();
    if (next < 0)
        return;
    m_query->current = next;
    ShowQuestion();
}

void TBibliothek::StopWithEvaluation() {
    ShowEvaluation(Evaluation::Stopped);
}

// [SECTION] Evaluation

void TBibliothek::ShowEvaluation(Evaluation occasion) {
    VocQueryState& query = *m_query;
    const int overall = PercentOf(query.rightTotal, query.answersTotal);
    const std::string roundText = "Runde " + std::to_string(query.round + 1) + " beendet<br>" +
                                  "Sie enthielt " + std::to_string(query.currentRoundQuestions) +
                                  " Vokabeln.";
    int round = 0;
    std::string text1;
    std::string text2;
    std::string text3;
    switch (occasion) {
    case Evaluation::RoundFinished: {
        const int questions = query.currentRoundQuestions;
        const int wrong = static_cast<int>(
            std::count_if(query.tasks.begin(),
                          query.tasks.begin() + std::clamp(query.questionCount, 0, VocQueryState::kSlotCount),
                          [&query](const TVocAufgabe& task) { return task.Fehler == query.round + 1; }));
        round = PercentOf(questions - wrong, questions);
        text1 = roundText;
        text2 =
            std::string("Davon wurden "_cp) + std::to_string(questions - wrong) + std::string(" gelöst!"_cp);
        text3 = std::string("<a href=\"§vcontinue\" >Weiter</a>"_cp);
        if (LoggedIn()) {
            ComputeScores();
            if (!CheckQueryStart())
                text3 = std::string("Keine Vokabeln mehr übrig!"_cp);
        }
        break;
    }
    case Evaluation::AllSolved:
        round = 100;
        text1 = roundText;
        text2 = std::string("Davon wurden alle Vokabeln gelöst!"_cp);
        text3 = std::string("Noch 'ne Runde?<br><a href=\"§vabfrage\" >Klar</a> | "
                            "<a href=\"vokabeln.htx\" >Lieber nicht</a>"_cp);
        break;
    case Evaluation::SectionFinished:
        round = overall;
        text1 = "Congratulations!";
        text2 = "Der Abschnitt enthielt " + std::to_string(query.questionCount) + " Vokabeln. " +
                std::string("Dafür wurden "_cp) + std::to_string(query.tries) +
                std::string(" Versuche benötigt."_cp);
        text3 = "<a href=\"vokabeln.htx\" >Zurück</a>"_cp;
        break;
    case Evaluation::Stopped:
        round = PercentOf(query.rightRound, query.answersRound);
        text3 = "<a href=\"-\" >Zurück</a>"_cp;
        break;
    }
    if (!m_page)
        return;
    m_page->SetMacro("runde", std::to_string(round));
    m_page->SetMacro("insgesamt", std::to_string(overall));
    m_page->SetMacro("text1", text1);
    m_page->SetMacro("text2", text2);
    m_page->SetMacro("text3", text3);
    m_page->SetMacro("balken-runde", RoundBar(round));
    m_page->SetMacro("balken-insgesamt", OverallBar(overall));
    m_page->SetCondition("insgesamt", true);
    m_page->LoadPage("v_auswertung.htx");
}

} // namespace qor
