#include "platform/qt/QtFontService.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QStringList>

namespace qor {

namespace {

struct FontName {
    const char* programName; // in capitals
    const char* family;
};

// The Windows names our pages use and the Liberation family with the same metrics.
constexpr FontName kFontTable[] = {
    {"ARIAL", "Liberation Sans"},         {"HELVETICA", "Liberation Sans"},
    {"MS SANS SERIF", "Liberation Sans"}, {"TIMES NEW ROMAN", "Liberation Serif"},
    {"TIMES", "Liberation Serif"},        {"COURIER NEW", "Liberation Mono"},
    {"COURIER", "Liberation Mono"},
};

constexpr const char* kFontFiles[] = {
    "LiberationSans-Regular.ttf",    "LiberationSans-Bold.ttf",        "LiberationSans-Italic.ttf",
    "LiberationSans-BoldItalic.ttf", "LiberationSerif-Regular.ttf",    "LiberationSerif-Bold.ttf",
    "LiberationSerif-Italic.ttf",    "LiberationSerif-BoldItalic.ttf", "LiberationMono-Regular.ttf",
    "LiberationMono-Bold.ttf",       "LiberationMono-Italic.ttf",      "LiberationMono-BoldItalic.ttf",
};

} // namespace

bool QtFontService::LoadFontFiles() {
    bool all = true;
    for (const char* file : kFontFiles) {
        QString path = QStringLiteral(QOR_LIBERATION_DIR "/") + QString::fromLatin1(file);
        if (QFontDatabase::addApplicationFont(path) < 0)
            all = false;
    }
    return all;
}

QString QtFontService::FamilyFor(std::string_view fontName) {
    std::string upper = UpperCp1252(fontName);
    for (const FontName& entry : kFontTable)
        if (upper == entry.programName)
            return QString::fromLatin1(entry.family);
    return {};
}

QFont QtFontService::FontFor(const FontSpec& request) {
    QString family = FamilyFor(request.name);
    if (family.isEmpty())
        family = QStringLiteral("Liberation Serif");
    QFont font(family);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(request.bold);
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    int pixels = request.height > 0 ? request.height : 1;
    if (request.heightIsCell) {
        // A cell height includes the internal leading: scale the em size down to fit.
        font.setPixelSize(100);
        QFontMetrics metrics(font);
        int cell = metrics.ascent() + metrics.descent();
        pixels = cell > 0 ? std::max(1, pixels * 100 / cell) : pixels;
    }
    font.setPixelSize(pixels);
    return font;
}

bool QtFontService::IsInstalled(std::string_view fontName) const {
    return !FamilyFor(fontName).isEmpty();
}

TextMetrics QtFontService::Measure(const FontSpec& font, std::string_view text) const {
    QFontMetrics metrics(FontFor(font));
    TextMetrics result;
    result.width = metrics.horizontalAdvance(ToQString(text));
    result.ascent = metrics.ascent();
    result.descent = metrics.descent();
    result.height = result.ascent + result.descent;
    return result;
}

} // namespace qor

namespace qor {

void QtFontService::DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                             std::int32_t colour, const ClipRect* clip) const {
    if (!surface.bgr || surface.width <= 0 || surface.height <= 0)
        return;
    // Draws straight into the caller's pixels.
    QImage image(surface.bgr, surface.width, surface.height, static_cast<qsizetype>(surface.stride),
                 QImage::Format_BGR888);
    QPainter painter(&image);
    if (clip)
        painter.setClipRect(clip->x, clip->y, clip->width, clip->height);
    QFont qtFont = FontFor(font);
    painter.setFont(qtFont);
    painter.setPen(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    QFontMetrics metrics(qtFont);
    painter.drawText(x, y + metrics.ascent(), ToQString(text));
}

} // namespace qor
