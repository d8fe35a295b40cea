#pragma once
// The conjugation table: 71 verbs built into the program as text block 2, ten lines per verb.
//
//     donner,geben,avoir                      infinitive, meaning, auxiliary
//     donn-e,-es,-e,-ons,-ez,-ent             six lines of simple tenses (je … ils)
//     ...
//     donn-e,-ons,-ez                         imperative (tu, nous, vous)
//     donner-ais,-ais,-ait,-ions,-iez,-aient  conditional
//     donn-ant,-é                             participe présent, participe passé
//
// "donn-e" sets the stem "donn" for the items that follow ("-es"), also on later lines; a leading
// "*" marks an irregular form; "-" alone is a form that does not exist. The compound tenses are
// built from the auxiliary's forms after reading.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TZIPResource;

inline constexpr int kTenseCount = 16;
inline constexpr int kPersonCount = 6;
// More verbs than this are never read, whatever the block holds.
inline constexpr int kMaxVerbs = 89;

// Tense indices with a meaning of their own; the others are plain simple or compound tenses.
inline constexpr int kTenseImperative = 6;
inline constexpr int kTenseConditional = 7;
inline constexpr int kTenseParticiples = 14;

// The names shown on pages and in the selection window (Windows-1252).
std::string_view TenseName(int tense);
// "je" … "ils" for persons 0..5.
std::string_view PersonPronoun(int person);

struct TVerbForm {
    std::string text; // empty: the verb has no such form
    bool regular = true;
    bool operator==(const TVerbForm&) const = default;
};

struct TVerb {
    std::string infinitive;
    std::string meaning;
    bool auxiliaryAvoir = false; // compound tenses with "avoir", else with "être"
    std::array<std::array<TVerbForm, kPersonCount>, kTenseCount> forms{};

    const TVerbForm& Form(int tense, int person) const {
        return forms[static_cast<std::size_t>(tense)][static_cast<std::size_t>(person)];
    }
    TVerbForm& Form(int tense, int person) {
        return forms[static_cast<std::size_t>(tense)][static_cast<std::size_t>(person)];
    }
    const std::string& ParticipePasse() const { return Form(kTenseParticiples, 1).text; }
    bool operator==(const TVerb&) const = default;
};

// Turns the comma-separated items of form lines into forms, remembering the stem from line to line.
class VerbLineDecoder {
public:
    // The first `count` items of `line`; missing items are empty forms, items beyond are ignored.
    std::vector<TVerbForm> Decode(std::string_view line, std::size_t count);
    TVerbForm DecodeItem(std::string_view item);
    const std::string& Stem() const { return m_stem; }

private:
    std::string m_stem;
};

// Reads verbs from table lines until the lines run out, a verb has no infinitive or kMaxVerbs
// verbs are read; a verb cut short keeps what it has. Compound tenses are added.
std::vector<TVerb> ParseVerbTable(const std::vector<std::string>& lines);
// The same from an opened block.
std::vector<TVerb> ReadVerbTable(TZIPResource& block);
// The table built into the program (empty when the block is missing or damaged).
std::vector<TVerb> LoadBuiltInVerbTable();

// Fills tenses 8..13 and 15 of every verb from verb 0 ("avoir") or verb 1 ("être") and the
// participe passé. Without those two verbs the compound tenses stay empty.
void AddCompoundTenses(std::vector<TVerb>& verbs);

} // namespace qor
