#include "platform/Collation.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>
#include <random>

namespace qor {
namespace {

// Texts in the order they sort, each strictly before the next (written in UTF-8 here).
const std::vector<std::string> kAscending = {
    "",
    "'",        // a text of passed-over characters only
    "-",        //  ... ordered by their bytes
    " ",        // blanks first,
    "\xC2\xA0", // the no-break space as a variant of the blank
    "!",        // then punctuation,
    "1",        // then digits
    "2",        "²",     "3",      "9",
    "a", // then letters: small before capital,
    "A",
    "á", // accents after the plain letter
    "Á",        "à",     "â",      "ä",
    "a b", // a blank before a letter
    "a1",  // a digit before a letter
    "ae",
    "æ", // a spelt-out ligature after its letters
    "Æ",        "af",    "b",      "coop",
    "co-op", // hyphens and apostrophes only after everything else
    "coop-",
    "cote", // accents compared from the front
    "coté",     "côte",  "côté",   "e",       "E",      "é",        "É",      "è",       "ê",
    "ë",        "email", "e-mail", "emails",  "est",
    "été", // between "est" and "étude"
    "étude",    "leau",  "l'eau",  "l’eau",   "maison", "Maison",   "MAISON", "maisons", "oe",
    "œ",        "Œ",     "of",     "Strasse", "Straße", "Strassen", "zoo",    "Zug",     "zügig",
    "µ", // after the Latin letters
};

std::string Cp(const std::string& utf8) {
    return Cp1252FromUtf8(utf8);
}

TEST(CompareCollated, OrdersTheTableAndIsConsistentOnEveryPair) {
    for (std::size_t i = 0; i < kAscending.size(); ++i) {
        const std::string a = Cp(kAscending[i]);
        EXPECT_EQ(CompareCollated(a, a), 0) << kAscending[i];
        for (std::size_t j = i + 1; j < kAscending.size(); ++j) {
            const std::string b = Cp(kAscending[j]);
            EXPECT_LT(CompareCollated(a, b), 0) << kAscending[i] << " before " << kAscending[j];
            EXPECT_GT(CompareCollated(b, a), 0) << kAscending[j] << " after " << kAscending[i];
            // Ignoring case coarsens the order and never turns it round.
            EXPECT_LE(CompareCollated(a, b, CaseLevel::Ignored), 0) << kAscending[i] << ", " << kAscending[j];
        }
    }
}

TEST(CompareCollated, OnlyEqualTextsCompareEqual) {
    // Characters that count only at the byte level still tell texts apart.
    const std::vector<std::string> nearlyEqual = {"ab",
                                                  "a\x01"
                                                  "b",
                                                  "a\xAD"
                                                  "b",
                                                  "ab\x7F"};
    for (const std::string& a : nearlyEqual)
        for (const std::string& b : nearlyEqual)
            EXPECT_EQ(CompareCollated(a, b) == 0, a == b);
}

TEST(CompareCollated, IgnoringCaseLeavesLettersAndAccents) {
    struct Case {
        const char* a;
        const char* b;
        int order;
    };
    const std::vector<Case> cases = {
        {"maison", "MAISON", 0}, {"Straße", "STRAßE", 0},   {"coop", "co-op", 0}, {"l'eau", "Leau", 0},
        {"ete", "Été", -1},      {"Strasse", "straße", -1}, {"Zug", "zügig", -1}, {"a", "B", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " " + c.b);
        EXPECT_EQ(CompareCollated(Cp(c.a), Cp(c.b), CaseLevel::Ignored), c.order);
        EXPECT_EQ(CompareCollated(Cp(c.b), Cp(c.a), CaseLevel::Ignored), -c.order);
    }
}

// Every triple of texts drawn from a small alphabet of look-alike characters: irreflexive,
// antisymmetric and transitive, so sorting with it is well defined.
TEST(CompareCollated, IsAStrictWeakOrderingOnLookAlikeTexts) {
    const std::string alphabet = Cp("aAáÄæeEéè-' sßS1\xAD");
    std::mt19937 random(7);
    std::vector<std::string> texts;
    for (int i = 0; i < 70; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 4);
        for (int k = 0; k < length; ++k)
            text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    for (CaseLevel level : {CaseLevel::Ordered, CaseLevel::Ignored}) {
        auto less = [level](const std::string& a, const std::string& b) {
            return CompareCollated(a, b, level) < 0;
        };
        auto equivalent = [&less](const std::string& a, const std::string& b) {
            return !less(a, b) && !less(b, a);
        };
        int broken = 0;
        for (const std::string& a : texts) {
            broken += less(a, a) ? 1 : 0;
            for (const std::string& b : texts) {
                broken += CompareCollated(a, b, level) != -CompareCollated(b, a, level) ? 1 : 0;
                for (const std::string& c : texts) {
                    broken += less(a, b) && less(b, c) && !less(a, c) ? 1 : 0;
                    broken += equivalent(a, b) && equivalent(b, c) && !equivalent(a, c) ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(broken, 0) << (level == CaseLevel::Ordered ? "ordered" : "ignoring case");
    }
}

} // namespace
} // namespace qor
