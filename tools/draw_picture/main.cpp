// Draws the main window's picture (document pages -> folded booklet) and the program's icon;
// kept so that both can be redrawn.
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdio>

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
const QColor kSheetOutline(36, 84, 196);

struct Sheet {
    QColor fill;
    QColor ink; // page number and text lines, chosen to read on the fill
    int number;
};

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

// How much of a sheet to draw, in the flat sheet's units; the icon needs
// bolder strokes and fewer lines than the picture to survive shrinking.
struct SheetLook {
    qreal outline;
    bool number;
    int textLines; // per half of the folded booklet; 0 for a plain sheet
    qreal textWidth;
};

const QRectF kFlatSheet(0, 0, 200, 130);

// The tilted quad a sheet occupies: turned about its bottom-left corner so a
// stack opens like a fan.
QPolygonF sheetQuad(const QPointF& origin, qreal fanDegrees) {
    QPolygonF quad;
    quad << QPointF(36, 0) << QPointF(232, 14) << QPointF(206, 140) << QPointF(0, 120);
    quad.translate(origin);
    const QPointF pivot = quad[3];
    return QTransform()
        .translate(pivot.x(), pivot.y())
        .rotate(fanDegrees)
        .translate(-pivot.x(), -pivot.y())
        .map(quad);
}

// Each sheet is drawn flat in its own coordinates, then mapped onto its
// quad so text and numbers share the same perspective.
void drawSheet(QPainter& p, const Sheet& sheet, const QPolygonF& quad, const SheetLook& look) {
    const QRectF flat = kFlatSheet;
    // QPolygonF(QRectF) is closed (five points); quadToQuad wants exactly four.
    QPolygonF corners;
    corners << flat.topLeft() << flat.topRight() << flat.bottomRight() << flat.bottomLeft();
    QTransform t;
    if (!QTransform::quadToQuad(corners, quad, t))
        return;

    p.save();
    p.setTransform(t, true);
    p.setBrush(sheet.fill);
    p.setPen(QPen(kSheetOutline, look.outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawRect(flat);

    if (look.number) {
        p.setPen(sheet.ink);
        p.setFont(font(14, true));
        p.drawText(QRectF(flat.right() - 60, 1, 54, 17), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(sheet.number));
    }

    if (look.textLines > 0) {
        // Folded booklet: a centre crease with a column of text on each half.
        QColor crease = sheet.ink;
        crease.setAlpha(140);
        p.setPen(QPen(crease, look.textWidth * 0.4, Qt::DashLine));
        p.drawLine(QPointF(flat.center().x(), 6), QPointF(flat.center().x(), flat.bottom() - 6));

        QColor line = sheet.ink;
        line.setAlpha(170);
        p.setPen(QPen(line, look.textWidth, Qt::SolidLine, Qt::FlatCap));
        const std::array<qreal, 6> lengths{0.9, 0.8, 0.9, 0.7, 0.85, 0.5};
        const int count = std::min(look.textLines, static_cast<int>(lengths.size()));
        const qreal pitch = 90.0 / count;
        for (int half = 0; half < 2; ++half) {
            const qreal left = 12 + half * flat.width() / 2;
            const qreal span = flat.width() / 2 - 24;
            for (int i = 0; i < count; ++i) {
                const qreal y = 30 + pitch * i;
                p.drawLine(QPointF(left, y),
                           QPointF(left + span * lengths[static_cast<size_t>(i)], y));
            }
        }
    }
    p.restore();
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
        const SheetLook look{2.2, true, i == 0 ? 6 : 0, 3};
        drawSheet(p, kSheets[static_cast<size_t>(i)], sheetQuad(front + step * i, -1.5 * i), look);
    }
}

constexpr int kIconSize = 256;

// The application icon: three sheets fanned like the picture's stack, the
// front one a folded booklet. Flat, bold shapes so it still reads at 48x48.
QImage drawIcon() {
    const std::array<Sheet, 3> sheets{{
        {kRed, QColor(255, 255, 255), 1},
        {QColor(255, 255, 255), QColor(40, 40, 40), 3},
        {kGround, QColor(40, 40, 40), 5},
    }};
    const QPointF step(30, -24);
    const qreal fanDegrees = -7;

    std::array<QPolygonF, 3> quads;
    QRectF bounds;
    for (size_t i = 0; i < quads.size(); ++i) {
        quads[i] = sheetQuad(step * static_cast<qreal>(i), fanDegrees * static_cast<qreal>(i));
        bounds |= quads[i].boundingRect();
    }

    // Scale the stack to fill the square, centred, leaving room for the outline.
    const qreal margin = 10;
    const qreal scale = (kIconSize - 2 * margin) / std::max(bounds.width(), bounds.height());
    const QPointF centre(kIconSize / 2.0, kIconSize / 2.0);

    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing);
    p.translate(centre);
    p.scale(scale, scale);
    p.translate(-bounds.center());
    for (int i = static_cast<int>(sheets.size()) - 1; i >= 0; --i) {
        const SheetLook look{9, false, i == 0 ? 3 : 0, 10};
        drawSheet(p, sheets[static_cast<size_t>(i)], quads[static_cast<size_t>(i)], look);
    }
    return image;
}

QImage drawPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    image.fill(kGround);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    drawPageColumn(p);
    drawArrow(p);
    drawSheetStack(p);
    return image;
}

// A name ending in ".rgb32" gets the raw pixels as the program keeps them (32-bit words
// 0xffRRGGBB, row after row, in this machine's byte order); any other, the format it names.
bool save(const QImage& image, const char* path) {
    const QString name = QString::fromLocal8Bit(path);
    if (name.endsWith(QLatin1String(".rgb32"))) {
        const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
        QFile file(name);
        if (file.open(QIODevice::WriteOnly) &&
            file.write(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()) ==
                pixels.sizeInBytes())
            return true;
    } else if (image.save(name)) {
        return true;
    }
    std::fprintf(stderr, "draw_picture: cannot write %s\n", path);
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Text rendering needs a platform plugin; offscreen works without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: draw_picture PICTURE.rgb32|PICTURE.png [ICON.png]\n");
        return 2;
    }
    if (!save(drawPicture(), argv[1]))
        return 1;
    if (argc == 3 && !save(drawIcon(), argv[2]))
        return 1;
    return 0;
}
