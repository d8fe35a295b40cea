#include "settings/SuperDialogConversions.h"

#include "platform/Cp1252.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qor {

namespace {

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string FormatInt(const char* format, int value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Hex(std::int32_t colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%.6X", static_cast<unsigned>(colour) & 0xFFFFFFu);
    return buffer;
}

// A decimal number whose only decimal point is `separator`.
bool ReadDecimal(std::string_view text, char separator, double& value) {
    text = TrimmedBlanks(text);
    if (text.empty())
        return false;
    std::string plain(text);
    char other = separator == ',' ? '.' : ',';
    if (plain.find(other) != std::string::npos)
        return false;
    for (char& c : plain)
        if (c == separator)
            c = '.';
    char* end = nullptr;
    value = std::strtod(plain.c_str(), &end);
    return end == plain.c_str() + plain.size() && std::isfinite(value);
}

bool ReadInteger(std::string_view text, int& value) {
    std::string plain(TrimmedBlanks(text));
    if (plain.empty())
        return false;
    char* end = nullptr;
    long read = std::strtol(plain.c_str(), &end, 10);
    if (end != plain.c_str() + plain.size() || read < -1000000 || read > 1000000)
        return false;
    value = static_cast<int>(read);
    return true;
}

} // namespace

int PictureIntervalMs(int p) {
    if (p < 50)
        return 20 * p;
    if (p <= 90)
        return 100 * p - 4000;
    if (p > 140)
        return 5000 * p - 700000;
    return 500 * p - 40000;
}

int PictureIntervalPosition(int ms) {
    if (ms < 1000)
        return ms / 20;
    if (ms < 5000)
        return ms / 100 + 40;
    if (ms > 29999)
        return ms / 5000 + 140;
    return ms / 500 + 80;
}

std::string PictureIntervalLabel(int ms) {
    if (ms < 1000)
        return std::to_string(ms) + " ms";
    if (ms > 59999) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%d:%d min", ms / 60000, ms % 60000 / 1000);
        return buffer;
    }
    return Format("%g s", ms / 1000.0);
}

std::vector<std::string> TextIntervalItems(char decimalSeparator) {
    std::vector<std::string> items;
    for (int half = 1; half <= 16; ++half)
        items.push_back(TextIntervalText(half * 500, decimalSeparator));
    return items;
}

std::string TextIntervalText(int milliseconds, char decimalSeparator) {
    std::string text = Format("%1.1f", milliseconds / 1000.0);
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

int TextIntervalMs(std::string_view text, char decimalSeparator) {
    double seconds = 0;
    if (!ReadDecimal(text, decimalSeparator, seconds)) {
        std::string swapped(text);
        for (char& c : swapped)
            c = c == ',' ? '.' : c == '.' ? ',' : c;
        if (!ReadDecimal(swapped, decimalSeparator, seconds))
            return 0;
    }
    double ms = std::round(seconds * 1000);
    if (ms > 2e9 || ms < -2e9)
        return 0;
    return static_cast<int>(ms);
}

std::vector<std::string> DDIntervalItems() {
    return {"30 Sekunden", "1 Minute",  "2 Minuten",  "3 Minuten",
            "4 Minuten",   "5 Minuten", "10 Minuten", "20 Minuten"};
}

std::string DDIntervalText(int seconds) {
    if (seconds == 60)
        return "1 Minute";
    if (seconds > 59)
        return FormatInt("%d Minuten", seconds / 60);
    return FormatInt("%d Sekunden", seconds);
}

int DDIntervalSeconds(std::string_view text) {
    std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return 0;
    int number = 0;
    if (!ReadInteger(text.substr(0, blank), number))
        return 0;
    std::string_view unit = text.substr(blank + 1);
    if (unit == "Minute" || unit == "Minuten")
        return number * 60;
    if (unit == "Sekunden")
        return number;
    return 0;
}

std::string DDTextDelayLabel(int position) {
    return Format("%g s", position / 10.0);
}

std::string DDCharDelayLabel(int milliseconds) {
    return FormatInt("%d ms", milliseconds);
}

std::string VegasLabel(int percent) {
    return std::to_string(percent) + "%";
}

std::string TechnoPreviewMarkup(const TechnoPreview& preview) {
    std::string markup = "<body bgcolor=" + Hex(preview.background) + " text=" + Hex(preview.text) + ">";
    if (preview.hasPreviewPicture) {
        markup += "<box coords=0,0,160>";
        char tail[96];
        std::snprintf(tail, sizeof tail, " mode=%d transparent=%d>", preview.effect,
                      preview.transparency * 255 / 100);
        markup +=
            "<img src=\"" + preview.pictureFolder + "vorschau.jpg\" color=" + Hex(preview.picture) + tail;
    }
    int h = preview.previewHeight * preview.frame / 534;
    if (h > 0) {
        char boxes[128];
        std::snprintf(boxes, sizeof boxes,
                      "<box coords=0,0,160,%d color=#0 top><box coords=0,%d,160,%d color=#0 top>", h, 100 - h,
                      h);
        markup += boxes;
    }
    markup +=
        "<box coords=0,40,160 align=m><font face=\"" + preview.font + ", courier new\" size=2>*qor techno";
    return markup;
}

} // namespace qor
