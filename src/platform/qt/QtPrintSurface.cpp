#include "platform/qt/QtPrintSurface.h"

#include "platform/Fonts.h"
#include "platform/qt/QtFontService.h"
#include "platform/qt/QtText.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace qor {

namespace {

constexpr double kTenthsPerInch = 254.0;

QColor ColourOf(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QRectF RectOf(int left, int top, int right, int bottom) {
    return QRectF(QPointF(left, -top), QPointF(right, -bottom)).normalized();
}

} // namespace

QtPrintSurface::QtPrintSurface(QPainter& painter, QPagedPaintDevice& device)
    : m_painter(painter), m_device(device), m_dpiX(device.logicalDpiX()), m_dpiY(device.logicalDpiY()) {
    const double scaleX = m_dpiX / kTenthsPerInch;
    const double scaleY = m_dpiY / kTenthsPerInch;
    m_pageWidth = static_cast<int>(std::lround(device.width() / scaleX));
    m_pageHeight = static_cast<int>(std::lround(device.height() / scaleY));
    m_painter.setTransform(QTransform::fromScale(scaleX, scaleY));
    m_painter.setRenderHint(QPainter::Antialiasing);
    SetFont("Arial", 33, false, false);
}

void QtPrintSurface::SetFont(std::string_view name, int height, bool bold, bool italic) {
    FontSpec request;
    request.name = std::string(name);
    request.height = height;
    request.heightIsCell = true;
    request.bold = bold;
    request.italic = italic;
    m_font = QtFontService::FontFor(request);
    m_font.setKerning(false);
}

void QtPrintSurface::SetTextColour(std::int32_t colour) {
    m_textColour = ColourOf(colour);
}

int QtPrintSurface::TextWidth(std::string_view text) const {
    return static_cast<int>(std::lround(QFontMetricsF(m_font).horizontalAdvance(ToQString(text))));
}

void QtPrintSurface::DrawText(int x, int y, std::string_view text) {
    m_painter.setFont(m_font);
    m_painter.setPen(m_textColour);
    m_painter.drawText(QPointF(x, -y + QFontMetricsF(m_font).ascent()), ToQString(text));
}

void QtPrintSurface::FillRect(int left, int top, int right, int bottom, std::int32_t colour) {
    m_painter.fillRect(RectOf(left, top, right, bottom), ColourOf(colour));
}

void QtPrintSurface::Rectangle(int left, int top, int right, int bottom, std::int32_t colour) {
    m_painter.setPen(QPen(ColourOf(colour), kLineWidth));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(RectOf(left, top, right, bottom));
}

void QtPrintSurface::Line(int x1, int y1, int x2, int y2, LineStyle style) {
    m_painter.setPen(
        QPen(Qt::black, kLineWidth, style == LineStyle::Dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(QPointF(x1, -y1), QPointF(x2, -y2));
}

void QtPrintSurface::NewPage() {
    m_device.newPage();
}

} // namespace qor
