#pragma once
// A print surface that remembers what was drawn, page by page. Every character is height / 2
// units wide, so wrapping and centring are easy to predict.

#include "platform/PrintSurface.h"
#include "vocab/print/PrintJobs.h"

#include <memory>
#include <string>
#include <vector>

namespace qor::test {

struct PrintedText {
    int page = 0; // from 0
    int x = 0;
    int y = 0;
    std::string text;
    int height = 0;
    bool bold = false;
    bool italic = false;
    std::int32_t colour = 0;
};

struct PrintedShape {
    enum Kind { Fill, Outline, SolidLine, DashedLine } kind = Fill;
    int page = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t colour = 0;
    bool operator==(const PrintedShape&) const = default;
};

class RecordingPrintSurface : public PrintSurface {
public:
    RecordingPrintSurface(int width = 2100, int height = 2970, int dpi = 600)
        : m_width(width), m_height(height), m_dpi(dpi) {}

    int PageWidth() const override { return m_width; }
    int PageHeight() const override { return m_height; }
    int DotsPerInchX() const override { return m_dpi; }
    int DotsPerInchY() const override { return m_dpi; }
    void SetFont(std::string_view, int height, bool bold, bool italic) override {
        m_fontHeight = height;
        m_bold = bold;
        m_italic = italic;
    }
    void SetTextColour(std::int32_t colour) override { m_colour = colour; }
    int TextWidth(std::string_view text) const override {
        return static_cast<int>(text.size()) * (m_fontHeight / 2);
    }
    void DrawText(int x, int y, std::string_view text) override {
        texts.push_back({pages - 1, x, y, std::string(text), m_fontHeight, m_bold, m_italic, m_colour});
    }
    void FillRect(int left, int top, int right, int bottom, std::int32_t colour) override {
        shapes.push_back({PrintedShape::Fill, pages - 1, left, top, right, bottom, colour});
    }
    void Rectangle(int left, int top, int right, int bottom, std::int32_t colour) override {
        shapes.push_back({PrintedShape::Outline, pages - 1, left, top, right, bottom, colour});
    }
    void Line(int x1, int y1, int x2, int y2, LineStyle style) override {
        shapes.push_back({style == LineStyle::Solid ? PrintedShape::SolidLine : PrintedShape::DashedLine,
                          pages - 1, x1, y1, x2, y2, kPrintBlack});
    }
    void NewPage() override { ++pages; }

    // The texts that read exactly `text`.
    std::vector<PrintedText> Find(std::string_view text) const {
        std::vector<PrintedText> found;
        for (const PrintedText& printed : texts)
            if (printed.text == text)
                found.push_back(printed);
        return found;
    }
    int Count(PrintedShape::Kind kind) const {
        int n = 0;
        for (const PrintedShape& shape : shapes)
            n += shape.kind == kind;
        return n;
    }

    int pages = 1;
    std::vector<PrintedText> texts;
    std::vector<PrintedShape> shapes;

private:
    int m_width;
    int m_height;
    int m_dpi;
    int m_fontHeight = 0;
    bool m_bold = false;
    bool m_italic = false;
    std::int32_t m_colour = 0;
};

// Each job on a surface of its own; `refuse` makes BeginJob fail.
class RecordingPrintJobs : public PrintJobs {
public:
    PrintSurface* BeginJob(std::string_view title) override {
        titles.emplace_back(title);
        if (refuse)
            return nullptr;
        jobs.push_back(std::make_unique<RecordingPrintSurface>());
        return jobs.back().get();
    }
    void EndJob() override { ++ended; }

    bool refuse = false;
    int ended = 0;
    std::vector<std::string> titles;
    std::vector<std::unique_ptr<RecordingPrintSurface>> jobs;
};

} // namespace qor::test
