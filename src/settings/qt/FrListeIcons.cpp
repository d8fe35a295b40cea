#include "settings/qt/FrListeIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace qor {

namespace {

constexpr int kSize = 32;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 250);
const QColor kFolder(232, 184, 64);
const QColor kBlue(40, 90, 170);
const QColor kRed(200, 30, 30);
const QColor kGreen(30, 140, 60);

QIcon Painted(const std::function<void(QPainter&)>& paint) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.5));
    paint(painter);
    painter.end();
    return QIcon(picture);
}

void Sheet(QPainter& p) {
    QPainterPath page;
    page.moveTo(8, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(8, 29);
    page.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF{QPointF(19, 3), QPointF(19, 9), QPointF(25, 9)});
}

void Folder(QPainter& p) {
    p.setBrush(kFolder);
    p.drawRect(QRectF(3, 11, 26, 16));
    p.drawRect(QRectF(3, 8, 10, 3));
}

void Plus(QPainter& p, QPointF centre) {
    p.setPen(QPen(kGreen, 3));
    p.drawLine(centre + QPointF(-5, 0), centre + QPointF(5, 0));
    p.drawLine(centre + QPointF(0, -5), centre + QPointF(0, 5));
}

void Disk(QPainter& p) {
    p.setBrush(kBlue);
    p.drawRect(QRectF(4, 4, 24, 24));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(8, 18, 16, 10));
}

void Arrow(QPainter& p, bool right) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    const qreal tip = right ? 26 : 6;
    const qreal back = right ? 10 : 22;
    p.drawPolygon(QPolygonF{QPointF(tip, 16), QPointF(back, 5), QPointF(back, 27)});
}

void Letters(QPainter& p, const QString& text, const QColor& colour, int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

} // namespace

QIcon FrListeButtonIcon(std::string_view name) {
    if (name == "bNeu")
        return Painted(Sheet);
    if (name == "bLaden")
        return Painted(Folder);
    if (name == "bDazu")
        return Painted([](QPainter& p) {
            Folder(p);
            Plus(p, QPointF(22, 8));
        });
    if (name == "bSave")
        return Painted(Disk);
    if (name == "bInfo")
        return Painted([](QPainter& p) {
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(4, 4, 24, 24));
            Letters(p, QStringLiteral("i"), Qt::white, 18);
        });
    if (name == "bDrucken")
        return Painted([](QPainter& p) {
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 3, 14, 10));
            p.setBrush(QColor(170, 170, 170));
            p.drawRect(QRectF(3, 12, 26, 11));
            p.setBrush(kPaper);
            p.drawRect(QRectF(9, 19, 14, 10));
        });
    if (name == "bAlpha")
        return Painted([](QPainter& p) { Letters(p, QStringLiteral("A-Z"), kInk, 11); });
    if (name == "bKill")
        return Painted([](QPainter& p) {
            p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(8, 8, 24, 24);
            p.drawLine(24, 8, 8, 24);
        });
    if (name == "bTakeOver")
        return Painted([](QPainter& p) {
            p.setBrush(QColor(150, 40, 40));
            p.drawRect(QRectF(3, 6, 14, 20)); // the dictionary
            p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(18, 16, 28, 16);
            p.drawLine(23, 11, 28, 16);
            p.drawLine(23, 21, 28, 16);
        });
    if (name == "bRec")
        return Painted([](QPainter& p) {
            p.setBrush(kRed);
            p.drawEllipse(QRectF(7, 7, 18, 18));
        });
    if (name == "bPlay")
        return Painted([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawPolygon(QPolygonF{QPointF(10, 6), QPointF(26, 16), QPointF(10, 26)});
        });
    if (name == "SaveWAV")
        return Painted([](QPainter& p) {
            Disk(p);
            p.setBrush(kRed);
            p.drawEllipse(QRectF(19, 19, 11, 11));
        });
    if (name == "bLeft" || name == "bRight")
        return Painted([right = name == "bRight"](QPainter& p) { Arrow(p, right); });
    return {};
}

} // namespace qor
