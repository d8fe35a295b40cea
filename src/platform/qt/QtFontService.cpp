#include "platform/qt/QtFontService.h"

#include "platform/Cp1252.h"
#include "platform/GlyphBlend.h"
#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QStringList>
#include <algorithm>
#include <cstring>

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

QtFontService::LoadedFont& QtFontService::Load(const FontSpec& request) const {
    for (const RecentFont& recent : m_recent)
        if (recent.request.height == request.height && recent.request.heightIsCell == request.heightIsCell &&
            recent.request.bold == request.bold && recent.request.italic == request.italic &&
            recent.request.underline == request.underline && recent.request.name == request.name)
            return *recent.font;
    LoadedFont& loaded = LoadUncached(request);
    if (m_recent.size() < kRecentFonts) {
        m_recent.push_back({request, &loaded});
    } else {
        m_recent[m_nextRecent] = {request, &loaded};
        m_nextRecent = (m_nextRecent + 1) % kRecentFonts;
    }
    return loaded;
}

QtFontService::LoadedFont& QtFontService::LoadUncached(const FontSpec& request) const {
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
    loaded.underlinePosition = metrics.underlinePos();
    loaded.underlineThickness = std::max(1, metrics.lineWidth());
    QString all;
    for (int code = 0; code < 256; ++code)
        all += QChar(static_cast<char16_t>(CodePointFromCp1252(static_cast<unsigned char>(code))));
    QList<quint32> glyphs = loaded.raw.glyphIndexesForString(all);
    for (int code = 0; code < 256 && code < glyphs.size(); ++code) {
        loaded.glyphs[static_cast<std::size_t>(code)] = glyphs[code];
        // Control characters take no room: page texts carry them (line ends, tabs) without showing them.
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

const QtFontService::GlyphMask& QtFontService::MaskFor(LoadedFont& loaded, unsigned char code) {
    GlyphMask& mask = loaded.masks[code];
    if (mask.made)
        return mask;
    mask.made = true;
    // Room for overhangs (italics, accents above capitals) around the character's cell.
    const int padX = loaded.ascent + loaded.descent;
    const int padY = (loaded.ascent + loaded.descent) / 2 + 2;
    const int width = loaded.advances[code] + 2 * padX;
    const int height = loaded.ascent + loaded.descent + 2 * padY;
    QImage image(width, height, QImage::Format_Alpha8);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setPen(QColor(0, 0, 0, 255));
        QGlyphRun run;
        run.setRawFont(loaded.raw);
        run.setGlyphIndexes({loaded.glyphs[code]});
        run.setPositions({QPointF(0, 0)});
        painter.drawGlyphRun(QPointF(padX, padY + loaded.ascent), run);
    }
    int minX = width, minY = height, maxX = -1, maxY = -1;
    for (int row = 0; row < height; ++row) {
        const uchar* line = image.constScanLine(row);
        for (int column = 0; column < width; ++column)
            if (line[column]) {
                minX = std::min(minX, column);
                maxX = std::max(maxX, column);
                minY = std::min(minY, row);
                maxY = std::max(maxY, row);
            }
    }
    if (maxX < 0)
        return mask;
    mask.left = minX - padX;
    mask.top = minY - padY;
    mask.width = maxX - minX + 1;
    mask.height = maxY - minY + 1;
    mask.coverage.assign(static_cast<std::size_t>(3 * mask.width) * mask.height + kCoveragePadding, 0);
    std::uint8_t* coverage = mask.coverage.data();
    for (int row = 0; row < mask.height; ++row) {
        const uchar* line = image.constScanLine(minY + row) + minX;
        for (int column = 0; column < mask.width; ++column, coverage += 3)
            coverage[0] = coverage[1] = coverage[2] = line[column];
    }
    return mask;
}

void QtFontService::DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                             std::int32_t colour, const ClipRect* clip) const {
    if (!surface.bgr || surface.width <= 0 || surface.height <= 0 || text.empty())
        return;
    LoadedFont& loaded = Load(font);
    int clipLeft = 0, clipTop = 0, clipRight = surface.width, clipBottom = surface.height;
    if (clip) {
        clipLeft = std::max(clipLeft, clip->x);
        clipTop = std::max(clipTop, clip->y);
        clipRight = std::min(clipRight, clip->x + clip->width);
        clipBottom = std::min(clipBottom, clip->y + clip->height);
    }
    if (clipLeft >= clipRight || clipTop >= clipBottom)
        return;
    const int channel[3] = {(colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF}; // B, G, R
    if (m_colourBytesFor != colour) {
        m_colourBytesFor = colour;
        for (std::size_t i = 0; i < m_colourBytes.size(); ++i)
            m_colourBytes[i] = static_cast<std::uint8_t>(channel[i % 3]);
    }
    // The last byte of the surface: the blending may read and write back unchanged bytes past
    // the end of a row, but never past this one.
    const std::uint8_t* surfaceEnd =
        surface.bgr + static_cast<std::size_t>(surface.height - 1) * surface.stride + 3 * surface.width;
    static const BlendRowsFunction blendRows = BestBlendRows();
    auto blend = [&](int left, int top, int width, int height, const std::uint8_t* coverage) {
        const int x1 = std::max(left, clipLeft), x2 = std::min(left + width, clipRight);
        const int y1 = std::max(top, clipTop), y2 = std::min(top + height, clipBottom);
        if (x1 >= x2 || y1 >= y2)
            return;
        BlendRows rows;
        rows.pixel = surface.bgr + static_cast<std::size_t>(y1) * surface.stride + 3 * x1;
        rows.pixelStride = static_cast<std::ptrdiff_t>(surface.stride);
        rows.alpha = coverage + 3 * (static_cast<std::ptrdiff_t>(y1 - top) * width + (x1 - left));
        rows.alphaStride = 3 * static_cast<std::ptrdiff_t>(width);
        rows.rows = y2 - y1;
        rows.count = 3 * (x2 - x1);
        rows.colour = m_colourBytes.data();
        rows.end = surfaceEnd;
        blendRows(rows);
    };
    // The underline has full coverage.
    auto fill = [&](int left, int top, int width, int height) {
        const int x1 = std::max(left, clipLeft), x2 = std::min(left + width, clipRight);
        const int y1 = std::max(top, clipTop), y2 = std::min(top + height, clipBottom);
        for (int row = y1; row < y2; ++row) {
            std::uint8_t* pixel = surface.bgr + static_cast<std::size_t>(row) * surface.stride + 3 * x1;
            for (int column = x1; column < x2; ++column, pixel += 3)
                for (int k = 0; k < 3; ++k)
                    pixel[k] = BlendByte(pixel[k], channel[k], 255);
        }
    };
    int pen = 0;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 32) {
            const GlyphMask& mask = MaskFor(loaded, code);
            if (!mask.coverage.empty())
                blend(x + pen + mask.left, y + mask.top, mask.width, mask.height, mask.coverage.data());
        }
        pen += loaded.advances[code];
    }
    if (font.underline) {
        // The underline spans the whole text, blanks included, like the text output it replaces.
        fill(x, y + loaded.ascent + loaded.underlinePosition, pen, loaded.underlineThickness);
    }
}

} // namespace qor
