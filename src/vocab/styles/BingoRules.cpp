#include "vocab/styles/BingoRules.h"

#include "platform/Cp1252.h"
#include "platform/Random.h"

#include <algorithm>
#include <array>

namespace qor {

namespace {

constexpr std::array<BingoPhrase, kPhraseCount> kWrongPhrases = {{
    {"LEIDER", "FALSCH!"},
    {"WIE", "SCHADE!"},
    {"WOHL", "KAUM!"},
    {"DAS TUT", "WEH!!"},
    {"VERSCHONE", "MICH!"},
    {"VOLL", "DANEBEN!"},
    {"BITTE", "NICHT!"},
}};

constexpr std::array<BingoPhrase, kPhraseCount> kRightPhrases = {{
    {"SEHR", "GUT!"},
    {"WEITER", "SO!"},
    {"MEHR", "DAVON!"},
    {"WIRKLICH", "BEEINDRUCKEND!"},
    {"NICHT", "SCHLECHT!"},
    {"SEHR", "SCHÖN!"_cp},
    {"DAS WAR", "HERVORRAGEND!"},
}};

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

int ChangedEnergy(int energy, int change) {
    return std::clamp(energy + change, 0, kMaxEnergy);
}

Colour EnergyBarColour(int energy) {
    const int e = std::clamp(energy, 0, kMaxEnergy);
    return MakeColour((kMaxEnergy - e) * 255 / kMaxEnergy, e * 255 / kMaxEnergy, 0);
}

BingoPhrase PhraseFor(Verdict verdict, int draw) {
    const int index = ((draw % kPhraseCount) + kPhraseCount) % kPhraseCount;
    return verdict == Verdict::Right ? kRightPhrases[index] : kWrongPhrases[index];
}

bool NextPairIsRight(int& wrongInARow) {
    const bool right = RandomBelow(10) > 4 || (wrongInARow == 3 && RandomBelow(10) > 4) || wrongInARow >= 4;
    wrongInARow = right ? 0 : wrongInARow + 1;
    return right;
}

int WrongChoice(const TVocAufgabe& task) {
    const int drawn = 1 + RandomBelow(TVocAufgabe::kChoiceCount - 1);
    for (int i = 0; i < TVocAufgabe::kChoiceCount - 1; ++i) {
        const int choice = 1 + (drawn - 1 + i) % (TVocAufgabe::kChoiceCount - 1);
        if (!task.Wahl[choice].IsBlank())
            return choice;
    }
    return 0;
}

std::string WithoutRemark(std::string_view text) {
    std::string result(text);
    const std::size_t open = result.find('[');
    if (open != std::string::npos) {
        const std::size_t close = result.find(']', open);
        if (close != std::string::npos)
            result.erase(open, close - open + 1);
    }
    return std::string(Trimmed(result));
}

std::vector<std::string> BottomTextCandidates(const TVokabel& entry) {
    std::vector<std::string> candidates;
    auto add = [&candidates](std::string_view piece) {
        std::string text = WithoutRemark(piece);
        if (!text.empty())
            candidates.push_back(std::move(text));
    };
    add(entry.Bedeutung0);
    std::string_view rest = entry.Bedeutung1;
    while (!rest.empty()) {
        const std::size_t semicolon = rest.find(';');
        add(rest.substr(0, semicolon));
        if (semicolon == std::string_view::npos)
            break;
        rest.remove_prefix(semicolon + 1);
    }
    return candidates;
}

std::optional<Colour> SwatchColour(std::string_view bottomText) {
    if (bottomText.empty() || bottomText.front() != '#')
        return std::nullopt;
    std::uint32_t rgb = 0;
    for (char c : bottomText.substr(1)) {
        const int digit = HexDigit(c);
        if (digit < 0)
            break;
        rgb = (rgb << 4) | static_cast<std::uint32_t>(digit);
    }
    return MakeColour(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                      static_cast<int>(rgb & 0xFF));
}

Colour BlendColour(Colour from, Colour to, int level) {
    const int l = std::clamp(level, 0, 255);
    auto mix = [l](int a, int b) { return a + (b - a) * l / 255; };
    return MakeColour(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)),
                      mix(BlueOf(from), BlueOf(to)));
}

int FittingSize(const FontService& fonts, FontSpec font, std::string_view text, int start, int width,
                int margin) {
    int size = start;
    while (size > 2) {
        font.height = size;
        if (fonts.Measure(font, text).width + 2 * margin <= width)
            break;
        size -= 2;
    }
    return size;
}

int ScaledDuration(int milliseconds, int vegasFaktor) {
    return milliseconds * 100 / std::max(1, vegasFaktor);
}

} // namespace qor
