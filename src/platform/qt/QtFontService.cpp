#include "platform/qt/QtFontService.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
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

QtFontService::QtFontService() = default;
QtFontService::~QtFontService() = default;

bool QtFontService::IsInstalled(std::string_view fontName) const {
    return !FamilyFor(fontName).isEmpty();
}

const QtFontService::LoadedFont& QtFontService::Load(const FontSpec& request) const {
    std::string key = UpperCp1252(request.name);
    key += '|' + std::to_string(request.height) + (request.heightIsCell ? "c" : "") +
           (request.bold ? "b" : "") + (request.italic ? "i" : "") + (request.underline ? "u" : "");
    std::unique_ptr<LoadedFont>& slot = m_fonts[key];
    if (slot)
        return *slot;
    slot = std::make_unique<LoadedFont>();
    LoadedFont& loaded = *slot;
    loaded.font = FontFor(request);
    loaded.raw = QRawFont::fromFont(loaded.font);
    QFontMetrics metrics(loaded.font);
    loaded.ascent = metrics.ascent();
    loaded.descent = metrics.descent();
    QString all;
    for (int code = 0; code < 256; ++code)
        all += QChar(static_cast<char16_t>(CodePointFromCp1252(static_cast<unsigned char>(code))));
    QList<quint32> glyphs = loaded.raw.glyphIndexesForString(all);
    for (int code = 0; code < 256 && code < glyphs.size(); ++code) {
        loaded.glyphs[static_cast<std::size_t>(code)] = glyphs[code];
        // Control characters take no room, as in the original text output.
        loaded.advances[static_cast<std::size_t>(code)] =
            code < 32 ? 0 : metrics.horizontalAdvance(all[code]);
    }
    return loaded;
}

TextMetrics QtFontService::Measure(const FontSpec& font, std::string_view text) const {
    const LoadedFont& loaded = Load(font);
    TextMetrics result;
    for (char c : text)
        result.width += loaded.advances[static_cast<unsigned char>(c)];
    result.ascent = loaded.ascent;
    result.descent = loaded.descent;
    result.height = result.ascent + result.descent;
    return result;
}

void QtFontService::DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                             std::int32_t colour, const ClipRect* clip) const {
    if (!surface.bgr || surface.width <= 0 || surface.height <= 0 || text.empty())
        return;
    const LoadedFont& loaded = Load(font);
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(static_cast<qsizetype>(text.size()));
    positions.reserve(static_cast<qsizetype>(text.size()));
    int pen = 0;
    for (char c : text) {
        auto code = static_cast<unsigned char>(c);
        if (code >= 32) {
            glyphs.append(loaded.glyphs[code]);
            positions.append(QPointF(pen, 0));
        }
        pen += loaded.advances[code];
    }
    // Draws straight into the caller's pixels.
    QImage image(surface.bgr, surface.width, surface.height, static_cast<qsizetype>(surface.stride),
                 QImage::Format_BGR888);
    QPainter painter(&image);
    if (clip)
        painter.setClipRect(clip->x, clip->y, clip->width, clip->height);
    QColor qtColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    QGlyphRun run;
    run.setRawFont(loaded.raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.setPen(qtColour);
    painter.drawGlyphRun(QPointF(x, y + loaded.ascent), run);
    if (font.underline) {
        // The underline spans the whole text, blanks included, like the text output it replaces.
        QFontMetrics metrics(loaded.font);
        int thickness = std::max(1, metrics.lineWidth());
        painter.fillRect(x, y + loaded.ascent + metrics.underlinePos(), pen, thickness, qtColour);
    }
}

} // namespace qor
