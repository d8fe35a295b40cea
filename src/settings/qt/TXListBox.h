#pragma once
// The self-drawn list control. Its rules live in TXListBoxModel; this widget paints the visible
// lines into an off-screen bitmap (text through the program's font service), keeps the scroll bar
// in step and forwards mouse, keys and wheel.

#include "platform/Fonts.h"
#include "settings/TXListBoxModel.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QScrollBar;

namespace qor {

class TXListBox : public QWidget {
    Q_OBJECT
public:
    explicit TXListBox(QWidget* parent = nullptr);

    const TXListBoxModel& Model() const { return m_model; }

    ListenTyp Typ() const { return m_model.Typ(); }
    void SetListenTyp(ListenTyp typ);

    // Items are Windows-1252 line texts ("§Haus&n", "$maison").
    const std::vector<std::string>& Items() const { return m_model.Items(); }
    void SetItems(std::vector<std::string> items);
    // For edits in place; call Refresh afterwards.
    std::vector<std::string>& MutableItems() { return m_model.MutableItems(); }
    // After the items changed: top line and selection are checked, scroll bar and picture updated.
    void Refresh();

    int Selected() const { return m_model.Selected(); }
    void SetSelected(int index);
    int Topline() const { return m_model.Topline(); }
    void SetTopline(int topline);
    int ItemHeight() const { return m_model.ItemHeight(); }
    void SetItemHeight(int itemHeight);
    int VisibleLines() const { return m_model.VisibleLines(); }

    // Windows colour values (0x00BBGGRR).
    void SetColor(std::int32_t colour);
    void SetFarbeAn(std::int32_t colour);
    void SetFarbeAus(std::int32_t colour);
    std::int32_t Color() const { return m_color; }
    std::int32_t FarbeAn() const { return m_farbeAn; }
    std::int32_t FarbeAus() const { return m_farbeAus; }

    // A picture control behind the list whose picture shows through (takes precedence over Image).
    void SetHintergrund(QLabel* hintergrund);
    void SetImage(const QImage& image);
    void SetIcons(const QImage& icon1, const QImage& icon2);
    void SetLineFont(const FontSpec& font);

    const std::string& LastClickedText() const { return m_model.LastClickedText(); }

    // The off-screen bitmap as the next paint shows it (without the scroll bar).
    QImage Render();
    QScrollBar* ScrollBar() const { return m_scrollBar; }

signals:
    void OnChange();
    void OnPaint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Changed();
    void SyncScrollBar();
    void EnsureFitted();
    void FitSize();
    void PaintBackground(QImage& image) const;

    TXListBoxModel m_model;
    QScrollBar* m_scrollBar;
    QPointer<QLabel> m_hintergrund;
    QImage m_image;
    QImage m_icon1;
    QImage m_icon2;
    FontSpec m_font;
    std::int32_t m_color = kListDefaultColor;
    std::int32_t m_farbeAn = kListDefaultFarbeAn;
    std::int32_t m_farbeAus = kListDefaultFarbeAus;
    bool m_syncing = false;
};

} // namespace qor
