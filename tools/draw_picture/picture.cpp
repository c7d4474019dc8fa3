#include "picture.h"

#include "sheet.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace draw {
namespace {

constexpr int kWidth = 652;
constexpr int kHeight = 357;
const char* const kFontFamily = "DejaVu Sans";

const QColor kGround(131, 188, 183);
const QColor kShadow(112, 166, 161);
const QColor kPaper(255, 255, 255);
const QColor kPaperEdge(96, 120, 118);
const QColor kTitleBar(43, 87, 154);
const QColor kTextLine(178, 182, 186);
const QColor kPageNumber(70, 70, 70);
const QColor kRed(206, 44, 44);
const QColor kRedDark(150, 26, 26);

// Front to back; only the front sheet is seen whole.
const std::array<Sheet, 6> kSheets{{
    {QColor(86, 160, 82), QColor(255, 255, 255), 1},
    {QColor(18, 102, 106), QColor(255, 255, 255), 3},
    {QColor(150, 148, 52), QColor(255, 255, 255), 5},
    {QColor(255, 255, 255), QColor(40, 40, 40), 7},
    {QColor(214, 216, 218), QColor(40, 40, 40), 9},
    {QColor(92, 96, 100), QColor(255, 255, 255), 11},
}};

QFont font(qreal pixelSize, bool bold) {
    QFont f(kFontFamily);
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void drawSmallPage(QPainter& p, const QRectF& r, const QString& number) {
    // Flat drop shadow keeps white pages readable on the pale ground.
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawRect(r.translated(3, 3));

    p.setBrush(kPaper);
    p.setPen(QPen(kPaperEdge, 1));
    p.drawRect(r);

    const QRectF bar(r.left(), r.top(), r.width(), 13);
    p.setPen(Qt::NoPen);
    p.setBrush(kTitleBar);
    p.drawRect(bar);
    p.setPen(Qt::white);
    p.setFont(font(9, true));
    p.drawText(bar, Qt::AlignCenter, QStringLiteral("Word"));

    p.setPen(QPen(kTextLine, 2, Qt::SolidLine, Qt::FlatCap));
    const qreal left = r.left() + 6;
    const std::array<qreal, 5> lengths{0.85, 0.75, 0.85, 0.6, 0.45};
    for (size_t i = 0; i < lengths.size(); ++i) {
        const qreal y = r.top() + 20 + 6 * static_cast<qreal>(i);
        p.drawLine(QPointF(left, y), QPointF(left + (r.width() - 12) * lengths[i], y));
    }

    p.setPen(kPageNumber);
    p.setFont(font(10, true));
    p.drawText(r.adjusted(0, 0, -5, -2), Qt::AlignRight | Qt::AlignBottom, number);
}

// Pages 1, 2, 3, an ellipsis of dots, then page N, down the left edge.
void drawPageColumn(QPainter& p) {
    const qreal x = 12, w = 62, h = 64, step = 73;
    for (int i = 0; i < 3; ++i)
        drawSmallPage(p, QRectF(x, 10 + i * step, w, h), QString::number(i + 1));

    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(x + w / 2, 236 + i * 14), 4, 4);

    drawSmallPage(p, QRectF(x, 281, w, h), QStringLiteral("N"));
}

void drawArrow(QPainter& p) {
    const qreal left = 112, right = 262, midY = 182;
    const qreal shaft = 20, head = 48, headStart = 198;
    QPolygonF arrow;
    arrow << QPointF(left, midY - shaft) << QPointF(headStart, midY - shaft)
          << QPointF(headStart, midY - head) << QPointF(right, midY)
          << QPointF(headStart, midY + head) << QPointF(headStart, midY + shaft)
          << QPointF(left, midY + shaft);

    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawPolygon(arrow.translated(4, 4));
    p.setBrush(kRed);
    p.setPen(QPen(kRedDark, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(arrow);
}

// Back sheets step up and to the right so each top-right number stays visible.
void drawSheetStack(QPainter& p) {
    const QPointF front(296, 154);
    const QPointF step(22, -15);

    QPainterPath shadow;
    shadow.addEllipse(QPointF(410, 293), 120, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawPath(shadow);

    for (int i = static_cast<int>(kSheets.size()) - 1; i >= 0; --i) {
        const Sheet& sheet = kSheets[static_cast<size_t>(i)];
        const QPolygonF quad = sheetQuad(front + step * i, -1.5 * i);
        paint(p, sheetShapes(sheet, quad, SheetLook{2.2, i == 0 ? 6 : 0, 3}));
        drawSheetNumber(p, sheet, quad, font(14, true));
    }
}

} // namespace

QImage drawPicture(int scale) {
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB888);
    image.fill(kGround);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(scale, scale);
    drawPageColumn(p);
    drawArrow(p);
    drawSheetStack(p);
    return image;
}

} // namespace draw
