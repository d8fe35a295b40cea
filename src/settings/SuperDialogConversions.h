#pragma once
// How the superlearning settings dialog turns options into control positions and texts and back,
// and the techno preview's page text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The techno picture interval slider (1..188): position ↔ milliseconds, and its label.
int PictureIntervalMs(int position);
int PictureIntervalPosition(int milliseconds);
std::string PictureIntervalLabel(int milliseconds);

// The techno text interval list: "0,5" … "8,0" seconds with the locale's decimal separator.
std::vector<std::string> TextIntervalItems(char decimalSeparator);
std::string TextIntervalText(int milliseconds, char decimalSeparator);
// Seconds as typed → milliseconds, rounded; "," and "." are exchanged once when the first reading
// fails; 0 when neither reads.
int TextIntervalMs(std::string_view text, char decimalSeparator);

// The "DD" background interval list.
std::vector<std::string> DDIntervalItems();
std::string DDIntervalText(int seconds);
int DDIntervalSeconds(std::string_view text); // 0 when it cannot be read

// Labels of the "DD" and "las vegas" sliders.
std::string DDTextDelayLabel(int position); // position × 100 ms, shown in seconds: "%g s"
std::string DDCharDelayLabel(int milliseconds);
std::string VegasLabel(int percent);

struct TechnoPreview {
    std::int32_t background = 0; // stored order RRGGBB
    std::int32_t text = 0;
    std::int32_t picture = 0;
    std::string pictureFolder;      // ends with a separator
    bool hasPreviewPicture = false; // the folder holds "vorschau.jpg"
    int effect = 0;
    int transparency = 0; // percent
    int frame = 0;        // "Rand", pixels of an 800 × 534 picture
    int previewHeight = 100;
    std::string font;
};

std::string TechnoPreviewMarkup(const TechnoPreview& preview);

} // namespace qor
