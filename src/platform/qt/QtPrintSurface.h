#pragma once
// The print surface on a Qt printer or PDF writer. One painter transform scales 0.1 mm onto the
// device's pixels; y grows downwards there, so every y is negated on its way in. Fonts come from
// the program's font table ("Arial" is Liberation Sans), so the printout measures as the screen does.

#include "platform/PrintSurface.h"

#include <QColor>
#include <QFont>

class QPagedPaintDevice;
class QPainter;

namespace qor {

class QtPrintSurface : public PrintSurface {
public:
    // Lines are 0.2 mm wide: one pixel of a fine printer would hardly show where to cut.
    static constexpr double kLineWidth = 2.0;

    // `painter` is active on `device` and keeps its transform from now on.
    QtPrintSurface(QPainter& painter, QPagedPaintDevice& device);

    int PageWidth() const override { return m_pageWidth; }
    int PageHeight() const override { return m_pageHeight; }
    int DotsPerInchX() const override { return m_dpiX; }
    int DotsPerInchY() const override { return m_dpiY; }
    void SetFont(std::string_view name, int height, bool bold, bool italic) override;
    void SetTextColour(std::int32_t colour) override;
    int TextWidth(std::string_view text) const override;
    void DrawText(int x, int y, std::string_view text) override;
    void FillRect(int left, int top, int right, int bottom, std::int32_t colour) override;
    void Rectangle(int left, int top, int right, int bottom, std::int32_t colour) override;
    void Line(int x1, int y1, int x2, int y2, LineStyle style) override;
    void NewPage() override;

private:
    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    int m_dpiX = 0;
    int m_dpiY = 0;
    QFont m_font;
    QColor m_textColour = Qt::black;
};

} // namespace qor
