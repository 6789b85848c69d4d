// Renders the photograph of the QX-7720's component side that the main
// window shows, and writes it as a JPEG.
//
// The picture is painted rather than taken so that the jumpers and
// connectors sit exactly where the window's highlight circles expect them,
// and so that it can be rebuilt byte for byte: no clock, no unseeded
// randomness, text as outlines of one font family (DejaVu Sans, from
// fonts-dejavu-core), libjpeg with fixed settings.

#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <queue>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int PhotoWidth = 600;
constexpr int PhotoHeight = 567;
// Painted at twice the size and scaled down: softer edges, as a lens gives.
constexpr int Oversample = 2;
constexpr int JpegQuality = 90;
const QString FontFamily = QStringLiteral("DejaVu Sans");

// Where the window puts its highlight circles, in photo pixels. Each
// feature is centred in its rectangle.
constexpr double AddressX = 143.5, AddressY = 465.5, AddressPitch = 14;
constexpr double IrqX = 428.0, IrqY = 460.5, IrqPitch = 14;
constexpr double FilterLeftX = 192.5, FilterRightX = 420.5, FilterY = 60.5;
constexpr double FilterLeftPitch = 14, FilterRightPitch = 12;
constexpr double Port0X = 54.5, Port1X = 558.5, PortY = 264.5;

// Board outline: the bracket end on the left, the bus tab at the bottom.
constexpr double BoardTop = 8, BoardBottom = 498, BoardRight = 594;
constexpr double TabLeft = 84, TabRight = 552, TabBottom = 548;
constexpr double FingerPitch = 9.0, FingerTop = 508, FingerBottom = 545.5;
constexpr double EightBitFirst = 93, SixteenBitFirst = 390;

// A little cool as painted: the warm light of develop() makes it off-white.
const QColor Backdrop(240, 243, 251);
const QColor Substrate(30, 84, 50);
const QColor Copper(56, 124, 66);
const QColor Silk(232, 234, 224);
const QColor Tin(198, 200, 198);
const QColor Gold(222, 182, 96);

// splitmix64: the same numbers with every compiler and library, unlike
// the distributions of <random>.
struct TRandom
{
    quint64 state;

    quint64 next()
    {
        quint64 z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Roughly normal: the sum of four uniforms, scaled to unit variance.
    double gauss() { return (uniform() + uniform() + uniform() + uniform() - 2.0) * 1.7320508; }
};

// The three layers a part paints on: the board itself (copper, pads,
// silk), the shadow mask, and the part standing above the board.
struct TCanvas
{
    QPainter &board;
    QPainter &shadow;
    QPainter &parts;

    // tilt turns the part a little on its pads, as hand assembly leaves it.
    void place(QPointF centre, double angle, double tilt = 0)
    {
        for (QPainter *p : {&board, &shadow, &parts}) {
            p->save();
            p->translate(centre);
            p->rotate(p == &board ? angle : angle + tilt);
        }
    }
    void unplace()
    {
        for (QPainter *p : {&board, &shadow, &parts})
            p->restore();
    }
};

// ---------------------------------------------------------------- helpers

QColor shade(const QColor &c, double factor)
{
    auto ch = [factor](int v) { return qBound(0, qRound(v * factor), 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QFont markingFont(bool bold)
{
    QFont font(FontFamily);
    // Outlines at a large size, scaled afterwards: independent of screen
    // resolution and hinting.
    font.setPixelSize(100);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// Text as an outline whose ink box is centred on the origin (or starts
// there, for left-aligned text).
QPainterPath textPath(const QString &text, double size, bool bold = false, double stretch = 1.0,
                      bool leftAligned = false)
{
    QPainterPath path;
    path.addText(0, 0, markingFont(bold), text);
    const double s = size / 100.0;
    path = QTransform::fromScale(s * stretch, s).map(path);
    const QRectF ink = path.boundingRect();
    const double dx = leftAligned ? -ink.left() : -ink.center().x();
    return path.translated(dx, -ink.center().y());
}

void drawText(QPainter &p, const QString &text, QPointF at, double size, const QColor &color,
              bool bold = false, double stretch = 1.0, double angle = 0, bool leftAligned = false)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.fillPath(textPath(text, size, bold, stretch, leftAligned), color);
    p.restore();
}

// Silk-screen ink spreads a little; a faint wider copy under the text
// gives that soft rim.
void silkText(QPainter &p, const QString &text, QPointF at, double size, bool bold = false,
              double angle = 0, bool leftAligned = false)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    const QPainterPath path = textPath(text, size, bold, 1.0, leftAligned);
    p.strokePath(path, QPen(withAlpha(Silk, 60), 0.5));
    p.fillPath(path, withAlpha(Silk, 235));
    p.restore();
}

void silkRect(QPainter &p, const QRectF &r, double radius = 0)
{
    p.save();
    p.setPen(QPen(withAlpha(Silk, 225), 0.9));
    p.setBrush(Qt::NoBrush);
    if (radius > 0)
        p.drawRoundedRect(r, radius, radius);
    else
        p.drawRect(r);
    p.restore();
}

void castShadow(QPainter &shadow, const QPainterPath &outline, double height)
{
    // Light from the upper left, as from a window beside the desk.
    shadow.fillPath(outline.translated(height * 0.42, height * 0.62), QColor(0, 0, 0, 200));
    // Where the part meets the board the light never reaches.
    shadow.fillPath(outline, QColor(0, 0, 0, 120));
}

QPainterPath roundedRect(const QRectF &r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

// Copper under the green mask: lighter where it stands proud, with a
// faint sheen on the edge that faces the light.
void trace(QPainter &p, const QPainterPath &path, double width = 1.3)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(Copper, 0.93), width + 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0.25, 0.3));
    p.setPen(QPen(Copper, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(120, 190, 120, 45), width * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-0.25, -0.3));
    p.restore();
}

// Vias are covered by the mask: a small copper ring with a dimple.
void via(QPainter &p, QPointF at, double radius = 2.3)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(shade(Copper, 1.05));
    p.drawEllipse(at, radius, radius);
    QRadialGradient hole(at + QPointF(0.25, 0.3), radius * 0.55);
    hole.setColorAt(0, QColor(14, 44, 26));
    hole.setColorAt(1, QColor(30, 84, 50, 0));
    p.setBrush(hole);
    p.drawEllipse(at, radius * 0.6, radius * 0.6);
    p.restore();
}

// A tinned pad left bare by the mask.
void pad(QPainter &p, QPointF at, double radius, bool square = false)
{
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient g(at - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    g.setColorAt(0, QColor(236, 238, 236));
    g.setColorAt(0.6, Tin);
    g.setColorAt(1, QColor(140, 142, 140));
    p.setBrush(g);
    if (square)
        p.drawRect(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius));
    else
        p.drawEllipse(at, radius, radius);
    p.restore();
}

// ------------------------------------------------------------------ parts

struct TDip
{
    QPointF centre;
    int pins;
    double rows;     // 30 or 60: row spacing in photo pixels (0.3" or 0.6")
    double angle;    // 0: pin 1 at the lower left; 90: pin 1 at the upper left
    QStringList marking;
    bool socket = false;
    bool label = false; // a paper label, as programmed logic wears
    double tilt = 0;

    // Pin 1 counts from 1, anticlockwise from the notch, like a data sheet.
    QPointF pin(int number) const
    {
        const int half = pins / 2;
        const double first = -(half - 1) * 5.0;
        QPointF local = number <= half ? QPointF(first + (number - 1) * 10.0, rows / 2)
                                       : QPointF(first + (pins - number) * 10.0, -rows / 2);
        return QTransform().translate(centre.x(), centre.y()).rotate(angle).map(local);
    }
    double length() const { return pins / 2 * 10.0 + 3.0; }
};

void drawDip(TCanvas &c, const TDip &dip, TRandom &random)
{
    const int half = dip.pins / 2;
    const double len = dip.length();
    const double width = dip.rows - 5.5;
    const double first = -(half - 1) * 5.0;
    c.place(dip.centre, dip.angle, dip.tilt);

    // Footprint on the board: pads and the silk outline with its notch.
    for (int i = 0; i < half; ++i) {
        pad(c.board, QPointF(first + i * 10.0, dip.rows / 2), 2.9, i == 0);
        pad(c.board, QPointF(first + i * 10.0, -dip.rows / 2), 2.9);
    }
    const QRectF outline(-len / 2 - 2, -dip.rows / 2 + 4.5, len + 4, dip.rows - 9);
    c.board.save();
    c.board.setPen(QPen(withAlpha(Silk, 225), 0.9));
    c.board.drawLine(outline.topLeft(), outline.topRight());
    c.board.drawLine(outline.bottomLeft(), outline.bottomRight());
    c.board.drawLine(outline.topRight(), outline.bottomRight());
    c.board.drawLine(outline.topLeft(), QPointF(outline.left(), -3));
    c.board.drawLine(outline.bottomLeft(), QPointF(outline.left(), 3));
    c.board.drawArc(QRectF(outline.left() - 3, -3, 6, 6), 90 * 16, -180 * 16);
    c.board.restore();

    QPainter &p = c.parts;
    if (dip.socket) {
        const QRectF s(-len / 2 - 4, -dip.rows / 2 - 3.5, len + 8, dip.rows + 7);
        castShadow(c.shadow, roundedRect(s, 1.5), 6);
        QLinearGradient g(s.topLeft(), s.bottomLeft());
        g.setColorAt(0, QColor(58, 50, 44));
        g.setColorAt(1, QColor(34, 29, 26));
        p.setPen(QPen(QColor(20, 18, 16), 0.6));
        p.setBrush(g);
        p.drawRoundedRect(s, 1.5, 1.5);
        // The socket's contacts show as tin slots beside the chip.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < half; ++i) {
            for (double y : {dip.rows / 2, -dip.rows / 2}) {
                p.setBrush(QColor(20, 18, 16));
                p.drawRect(QRectF(first + i * 10.0 - 2.2, y - 2.2, 4.4, 4.4));
                p.setBrush(QColor(170, 168, 160));
                p.drawRect(QRectF(first + i * 10.0 - 1.2, y - 1.0, 2.4, 2.0));
            }
        }
    }

    // Legs: a tinned shoulder leaving the body, bent down into the pad.
    for (int i = 0; i < half; ++i) {
        for (int side : {-1, 1}) {
            const double x = first + i * 10.0;
            const double y0 = side * width / 2, y1 = side * (dip.rows / 2 + 1.2);
            QRectF leg(x - 1.6, std::min(y0, y1), 3.2, std::abs(y1 - y0));
            QLinearGradient g(QPointF(x - 1.6, 0), QPointF(x + 1.6, 0));
            g.setColorAt(0, QColor(226, 228, 226));
            g.setColorAt(0.45, QColor(186, 188, 186));
            g.setColorAt(1, QColor(110, 112, 112));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(leg);
            p.setBrush(QColor(60, 60, 60, 120));
            p.drawRect(QRectF(x - 1.6, side > 0 ? y1 - 1.0 : y1, 3.2, 1.0));
        }
    }

    // Moulded body: a bevelled rim round a flat top.
    const QRectF body(-len / 2, -width / 2, len, width);
    castShadow(c.shadow, roundedRect(body, 1.5), 4.5);
    QLinearGradient rim(body.topLeft(), body.bottomRight());
    rim.setColorAt(0, QColor(78, 78, 82));
    rim.setColorAt(0.5, QColor(38, 38, 41));
    rim.setColorAt(1, QColor(14, 14, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawRoundedRect(body, 1.5, 1.5);
    const QRectF top = body.adjusted(1.6, 1.6, -1.6, -1.6);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0, QColor(40, 40, 43));
    face.setColorAt(1, QColor(27, 27, 29));
    p.setBrush(face);
    p.drawRoundedRect(top, 1, 1);

    // Notch and ejector-pin dimple mark pin 1.
    QRadialGradient notch(QPointF(-len / 2 + 0.6, 0.6), 3.8);
    notch.setColorAt(0, QColor(12, 12, 12));
    notch.setColorAt(0.8, QColor(18, 18, 19));
    notch.setColorAt(1, QColor(60, 60, 64));
    p.setBrush(notch);
    p.drawPie(QRectF(-len / 2 - 3.4, -3.4, 6.8, 6.8), 90 * 16, -180 * 16);
    QRadialGradient dimple(QPointF(-len / 2 + 6.6, width / 2 - 5.4), 2.6);
    dimple.setColorAt(0, QColor(22, 22, 24));
    dimple.setColorAt(0.7, QColor(33, 33, 36));
    dimple.setColorAt(1, QColor(52, 52, 56));
    p.setBrush(dimple);
    p.drawEllipse(QPointF(-len / 2 + 6.5, width / 2 - 5.5), 2.4, 2.4);

    if (dip.label) {
        const QRectF paper(-len / 2 + 12, -width / 2 + 3, len - 24, width - 6);
        QLinearGradient g(paper.topLeft(), paper.bottomRight());
        g.setColorAt(0, QColor(246, 244, 236));
        g.setColorAt(1, QColor(214, 212, 202));
        p.setBrush(g);
        p.drawRect(paper);
        const double lineHeight = std::min(6.5, (paper.height() - 2) / dip.marking.size());
        for (int i = 0; i < dip.marking.size(); ++i)
            drawText(p, dip.marking[i],
                     QPointF(0, paper.center().y() + (i - (dip.marking.size() - 1) / 2.0) * lineHeight),
                     lineHeight * 0.78, QColor(40, 44, 110, 230), false, 0.9);
    } else {
        // Printed or laser-etched markings, slightly worn.
        const double lineHeight = std::min(7.5, (width - 6) / std::max<qsizetype>(2, dip.marking.size()));
        for (int i = 0; i < dip.marking.size(); ++i) {
            const QColor ink(196 + int(random.range(-6, 6)), 198, 192, 215);
            drawText(p, dip.marking[i],
                     QPointF(3, (i - (dip.marking.size() - 1) / 2.0) * lineHeight * 1.15),
                     lineHeight * 0.82, ink, false, 0.88);
        }
    }

    // Soft reflection of the light across the moulding.
    QLinearGradient gloss(QPointF(-len / 2, -width / 2), QPointF(-len / 2 + width * 0.9, width / 2));
    gloss.setColorAt(0, QColor(255, 255, 255, 26));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRoundedRect(top, 1, 1);
    c.unplace();
}

// A PLCC chip in its socket: the custom part that makes the card.
void drawPlcc(TCanvas &c, QPointF centre)
{
    c.place(centre, 0);
    QPainter &p = c.parts;
    const double s = 39, b = 30.5;
    // Socket pads around the outside.
    for (int i = 0; i < 11; ++i) {
        const double t = (i - 5) * 5.0;
        for (QPointF at : {QPointF(t, -s - 2.2), QPointF(t, s + 2.2), QPointF(-s - 2.2, t), QPointF(s + 2.2, t)})
            pad(c.board, at, 1.6);
    }
    const QRectF socket(-s, -s, 2 * s, 2 * s);
    castShadow(c.shadow, roundedRect(socket, 2), 6);
    QLinearGradient sg(socket.topLeft(), socket.bottomRight());
    sg.setColorAt(0, QColor(66, 58, 50));
    sg.setColorAt(1, QColor(30, 26, 23));
    p.setPen(QPen(QColor(16, 14, 12), 0.6));
    p.setBrush(sg);
    QPainterPath frame;
    frame.addRoundedRect(socket, 2, 2);
    frame.addRect(QRectF(-b - 3.5, -b - 3.5, 2 * b + 7, 2 * b + 7));
    p.drawPath(frame);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 13, 12));
    p.drawRect(QRectF(-b - 3.5, -b - 3.5, 2 * b + 7, 2 * b + 7));
    // Contact springs visible in the well, J-leads of the chip on them.
    for (int i = 0; i < 11; ++i) {
        const double t = (i - 5) * 5.0;
        QLinearGradient lg(QPointF(t - 1.1, 0), QPointF(t + 1.1, 0));
        lg.setColorAt(0, QColor(230, 230, 226));
        lg.setColorAt(1, QColor(120, 120, 118));
        p.setBrush(lg);
        p.drawRect(QRectF(t - 1.1, -b - 3.2, 2.2, 3.0));
        p.drawRect(QRectF(t - 1.1, b + 0.2, 2.2, 3.0));
        QLinearGradient lv(QPointF(0, t - 1.1), QPointF(0, t + 1.1));
        lv.setColorAt(0, QColor(230, 230, 226));
        lv.setColorAt(1, QColor(120, 120, 118));
        p.setBrush(lv);
        p.drawRect(QRectF(-b - 3.2, t - 1.1, 3.0, 2.2));
        p.drawRect(QRectF(b + 0.2, t - 1.1, 3.0, 2.2));
    }
    // The chip body, one corner chamfered.
    QPainterPath chip;
    chip.moveTo(-b + 4, -b);
    chip.lineTo(b, -b);
    chip.lineTo(b, b);
    chip.lineTo(-b, b);
    chip.lineTo(-b, -b + 4);
    chip.closeSubpath();
    castShadow(c.shadow, chip, 2.5);
    QLinearGradient rim(QPointF(-b, -b), QPointF(b, b));
    rim.setColorAt(0, QColor(84, 84, 88));
    rim.setColorAt(0.5, QColor(40, 40, 43));
    rim.setColorAt(1, QColor(14, 14, 15));
    p.setBrush(rim);
    p.drawPath(chip);
    const QRectF top(-b + 2.2, -b + 2.2, 2 * b - 4.4, 2 * b - 4.4);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0, QColor(42, 42, 45));
    face.setColorAt(1, QColor(28, 28, 30));
    p.setBrush(face);
    p.drawRect(top);
    QRadialGradient dot(QPointF(-b + 9, -b + 9), 3);
    dot.setColorAt(0, QColor(20, 20, 22));
    dot.setColorAt(1, QColor(50, 50, 54));
    p.setBrush(dot);
    p.drawEllipse(QPointF(-b + 9, -b + 9), 2.6, 2.6);
    const QColor ink(200, 202, 196, 220);
    drawText(p, QStringLiteral("QUILON"), QPointF(0, -10), 8.5, ink, true, 0.95);
    drawText(p, QStringLiteral("QX7720-A"), QPointF(0, 1), 6.8, ink, false, 0.9);
    drawText(p, QStringLiteral("9436 TAIWAN"), QPointF(0, 11), 5.4, ink, false, 0.9);
    QLinearGradient gloss(QPointF(-b, -b), QPointF(0, 10));
    gloss.setColorAt(0, QColor(255, 255, 255, 30));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRect(top);
    c.unplace();
    silkText(c.board, QStringLiteral("U11"), centre + QPointF(0, s + 10), 6.5);
}

// A half-size crystal oscillator: a tinned steel can on four pins.
void drawOscillator(TCanvas &c, QPointF centre)
{
    c.place(centre, 0);
    QPainter &p = c.parts;
    for (QPointF at : {QPointF(-15, -15), QPointF(15, -15), QPointF(-15, 15), QPointF(15, 15)})
        pad(c.board, at, 2.6);
    const QRectF can(-25, -25, 50, 50);
    c.board.save();
    c.board.setPen(QPen(withAlpha(Silk, 225), 0.9));
    c.board.setBrush(Qt::NoBrush);
    c.board.drawRoundedRect(can.adjusted(-2.5, -2.5, 2.5, 2.5), 6, 6);
    c.board.restore();
    QPainterPath outline;
    outline.moveTo(-25, -25);
    outline.lineTo(19, -25);
    outline.quadTo(25, -25, 25, -19);
    outline.lineTo(25, 19);
    outline.quadTo(25, 25, 19, 25);
    outline.lineTo(-19, 25);
    outline.quadTo(-25, 25, -25, 19);
    outline.closeSubpath();
    castShadow(c.shadow, outline, 7);
    QLinearGradient metal(can.topLeft(), can.bottomRight());
    metal.setColorAt(0, QColor(236, 236, 232));
    metal.setColorAt(0.35, QColor(196, 198, 196));
    metal.setColorAt(0.62, QColor(214, 216, 214));
    metal.setColorAt(1, QColor(134, 136, 136));
    p.setPen(QPen(QColor(110, 112, 112), 0.6));
    p.setBrush(metal);
    p.drawPath(outline);
    // Rolled rim of the can.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.drawPath(QTransform::fromScale(0.9, 0.9).map(outline));
    p.setPen(QPen(QColor(90, 90, 90, 70), 0.8));
    p.drawPath(QTransform::fromScale(0.86, 0.86).map(outline).translated(0.4, 0.4));
    // Brushing: fine streaks across the lid, fixed pattern.
    TRandom streaks{77};
    for (int i = 0; i < 40; ++i) {
        const double y = -21 + i * 1.05;
        p.setPen(QPen(QColor(255, 255, 255, int(streaks.range(0, 26))), 0.5));
        p.drawLine(QPointF(-21, y), QPointF(21, y + streaks.range(-0.3, 0.3)));
    }
    const QColor ink(50, 52, 58, 220);
    drawText(p, QStringLiteral("14.31818"), QPointF(0, -6), 7.5, ink, true, 0.92);
    drawText(p, QStringLiteral("MHz  KSS"), QPointF(0, 3.5), 5.5, ink, false, 0.92);
    drawText(p, QStringLiteral("4E 427"), QPointF(0, 11.5), 5.0, ink, false, 0.92);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(-18, 18), 1.5, 1.5);
    c.unplace();
    silkText(c.board, QStringLiteral("X1"), centre + QPointF(0, 34), 6.5);
}

// A single-in-line resistor network standing on edge.
void drawSip(TCanvas &c, QPointF centre, int pins, double tilt, const QString &marking,
             const QColor &colour, const QString &ref, QPointF refOffset)
{
    c.place(centre, 0, tilt);
    const double len = pins * 10.0 - 1.0;
    for (int i = 0; i < pins; ++i)
        pad(c.board, QPointF((i - (pins - 1) / 2.0) * 10.0, 0), 2.6, i == 0);
    c.board.save();
    c.board.setPen(QPen(withAlpha(Silk, 225), 0.9));
    c.board.drawRect(QRectF(-len / 2 - 1.5, -6.5, len + 3, 13));
    c.board.drawLine(QPointF(-len / 2 + 8.5, -6.5), QPointF(-len / 2 + 8.5, 6.5));
    c.board.restore();
    const QRectF body(-len / 2, -4.6, len, 9.2);
    castShadow(c.shadow, roundedRect(body, 3), 12);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, shade(colour, 1.2));
    g.setColorAt(0.4, colour);
    g.setColorAt(1, shade(colour, 0.6));
    QPainter &p = c.parts;
    p.setPen(QPen(shade(colour, 0.45), 0.5));
    p.setBrush(g);
    p.drawRoundedRect(body, 3.5, 3.5);
    // The conformal coating is lumpy: a row of soft highlights.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < pins; ++i) {
        QRadialGradient bump(QPointF((i - (pins - 1) / 2.0) * 10.0 - 1, -1.6), 4.5);
        bump.setColorAt(0, QColor(255, 255, 255, 34));
        bump.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(bump);
        p.drawEllipse(QPointF((i - (pins - 1) / 2.0) * 10.0 - 1, -1.6), 4.5, 3.0);
    }
    // Ink that shows on the body: white on dark coatings, black on light.
    const QColor ink = colour.lightness() > 100 ? QColor(30, 26, 20, 210) : QColor(235, 235, 228, 215);
    drawText(p, marking, QPointF(2, 0.4), 5.4, ink, false, 0.9);
    p.setBrush(ink);
    p.drawEllipse(QPointF(-len / 2 + 4, 0.4), 1.2, 1.2);
    c.unplace();
    silkText(c.board, ref, centre + refOffset, 6);
}

// A dipped ceramic capacitor: a glossy blob on two legs.
void drawCeramic(TCanvas &c, QPointF centre, double angle, double tilt, const QColor &colour,
                 const QString &ref, QPointF refOffset)
{
    c.place(centre, angle, tilt);
    pad(c.board, QPointF(-5, 0), 2.4);
    pad(c.board, QPointF(5, 0), 2.4);
    QPainterPath blob;
    blob.addEllipse(QPointF(0, 0), 6.2, 3.6);
    castShadow(c.shadow, blob, 7);
    QPainter &p = c.parts;
    QRadialGradient g(QPointF(-2, -1.3), 7);
    g.setColorAt(0, shade(colour, 1.6));
    g.setColorAt(0.4, colour);
    g.setColorAt(1, shade(colour, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(blob);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QPointF(-2.4, -1.5), 1.6, 0.8);
    drawText(p, QStringLiteral("104"), QPointF(0.4, 0.8), 3.0, QColor(20, 20, 20, 140));
    c.unplace();
    if (!ref.isEmpty())
        silkText(c.board, ref, centre + refOffset, 5.5);
}

// A radial electrolytic capacitor seen from above: the scored aluminium
// lid inside its printed sleeve.
void drawElectrolytic(TCanvas &c, QPointF centre, double radius, const QString &ref, QPointF refOffset)
{
    c.place(centre, 0);
    c.board.save();
    c.board.setPen(QPen(withAlpha(Silk, 225), 0.9));
    c.board.setBrush(Qt::NoBrush);
    c.board.drawEllipse(QPointF(0, 0), radius + 2, radius + 2);
    c.board.restore();
    silkText(c.board, QStringLiteral("+"), QPointF(-radius - 5, -radius + 2), 7);
    QPainterPath can;
    can.addEllipse(QPointF(0, 0), radius, radius);
    castShadow(c.shadow, can, 16);
    QPainter &p = c.parts;
    QRadialGradient sleeve(QPointF(-radius * 0.3, -radius * 0.3), radius * 1.3);
    sleeve.setColorAt(0, QColor(60, 80, 150));
    sleeve.setColorAt(0.8, QColor(22, 34, 90));
    sleeve.setColorAt(1, QColor(10, 14, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(sleeve);
    p.drawPath(can);
    // The sleeve's negative stripe wraps over the shoulder.
    p.setBrush(QColor(176, 190, 214));
    p.drawPie(QRectF(-radius, -radius, 2 * radius, 2 * radius), -30 * 16, -55 * 16);
    const double lid = radius * 0.80;
    QLinearGradient metal(QPointF(-lid, -lid), QPointF(lid, lid));
    metal.setColorAt(0, QColor(232, 232, 230));
    metal.setColorAt(0.5, QColor(180, 182, 184));
    metal.setColorAt(1, QColor(120, 122, 126));
    p.setBrush(metal);
    p.drawEllipse(QPointF(0, 0), lid, lid);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(80, 82, 86, 190), 0.9));
    p.drawLine(QPointF(-lid * 0.7, 0), QPointF(lid * 0.7, 0));
    p.drawLine(QPointF(0, -lid * 0.7), QPointF(0, lid * 0.7));
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.6));
    p.drawLine(QPointF(-lid * 0.7, -0.7), QPointF(lid * 0.7, -0.7));
    p.drawLine(QPointF(-0.7, -lid * 0.7), QPointF(-0.7, lid * 0.7));
    QRadialGradient spot(QPointF(-lid * 0.4, -lid * 0.45), lid * 0.6);
    spot.setColorAt(0, QColor(255, 255, 255, 130));
    spot.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    p.drawEllipse(QPointF(0, 0), lid, lid);
    c.unplace();
    silkText(c.board, ref, centre + refOffset, 6.5);
}

// A carbon-film resistor with its colour bands, leads bent into the pads.
void drawResistor(TCanvas &c, QPointF centre, double angle, double tilt, std::initializer_list<QColor> bands,
                  const QString &ref, QPointF refOffset)
{
    c.place(centre, angle, tilt);
    pad(c.board, QPointF(-20, 0), 2.6);
    pad(c.board, QPointF(20, 0), 2.6);
    QPainter &p = c.parts;
    QLinearGradient wire(QPointF(0, -0.8), QPointF(0, 0.8));
    wire.setColorAt(0, QColor(238, 238, 236));
    wire.setColorAt(1, QColor(120, 122, 122));
    p.setPen(Qt::NoPen);
    p.setBrush(wire);
    p.drawRect(QRectF(-20, -0.8, 40, 1.6));
    QPainterPath body;
    body.addRoundedRect(QRectF(-12.5, -4.4, 25, 8.8), 4.2, 4.2);
    body.addRoundedRect(QRectF(-9, -3.7, 18, 7.4), 2, 2);
    body.setFillRule(Qt::WindingFill);
    castShadow(c.shadow, body.simplified(), 6);
    QLinearGradient g(QPointF(0, -4.4), QPointF(0, 4.4));
    g.setColorAt(0, QColor(236, 214, 170));
    g.setColorAt(0.35, QColor(206, 180, 130));
    g.setColorAt(1, QColor(120, 96, 62));
    p.setBrush(g);
    p.drawPath(body.simplified());
    double x = -8.5;
    for (const QColor &band : bands) {
        QLinearGradient bg(QPointF(0, -4.2), QPointF(0, 4.2));
        bg.setColorAt(0, shade(band, 1.4));
        bg.setColorAt(0.35, band);
        bg.setColorAt(1, shade(band, 0.45));
        p.setBrush(bg);
        const bool end = x > 6;
        const double h = (x < -8 || end) ? 4.2 : 3.6;
        p.drawRect(QRectF(x, -h, 1.9, 2 * h));
        x += end ? 0 : (x > 0 ? 8.0 : 3.7);
    }
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(-11, -3.2, 22, 1.3), 0.6, 0.6);
    c.unplace();
    silkText(c.board, ref, centre + refOffset, 5.5);
}

// A row of two-pin jumpers standing upright: pins one above the other.
// strip: one continuous header (2 x n); otherwise separate headers.
void drawJumpers(TCanvas &c, double centreX, double centreY, double pitch, const std::vector<bool> &closed,
                 bool strip)
{
    const int n = int(closed.size());
    const double x0 = centreX - (n - 1) * pitch / 2;
    QPainter &p = c.parts;
    const double w = 9.6, h = 19.6;
    if (strip) {
        const QRectF base(x0 - w / 2, centreY - h / 2, (n - 1) * pitch + w, h);
        silkRect(c.board, base.adjusted(-2, -2, 2, 2));
        castShadow(c.shadow, roundedRect(base, 0.8), 4);
        QLinearGradient g(base.topLeft(), base.bottomLeft());
        g.setColorAt(0, QColor(52, 52, 54));
        g.setColorAt(1, QColor(20, 20, 22));
        p.setPen(QPen(QColor(8, 8, 8), 0.5));
        p.setBrush(g);
        p.drawRoundedRect(base, 0.8, 0.8);
    }
    for (int i = 0; i < n; ++i) {
        const double x = x0 + i * pitch;
        const QRectF base(x - w / 2, centreY - h / 2, w, h);
        if (!strip) {
            silkRect(c.board, base.adjusted(-1.6, -1.6, 1.6, 1.6));
            castShadow(c.shadow, roundedRect(base, 0.8), 4);
            QLinearGradient g(base.topLeft(), base.bottomRight());
            g.setColorAt(0, QColor(58, 58, 60));
            g.setColorAt(1, QColor(18, 18, 20));
            p.setPen(QPen(QColor(8, 8, 8), 0.5));
            p.setBrush(g);
            p.drawRoundedRect(base, 0.8, 0.8);
        }
        // The plastic between the two pins dips a little.
        p.setPen(QPen(QColor(10, 10, 10, 160), 0.6));
        p.drawLine(QPointF(x - w / 2 + 0.6, centreY), QPointF(x + w / 2 - 0.6, centreY));
        for (double y : {centreY - 4.9, centreY + 4.9}) {
            QRadialGradient hole(QPointF(x, y), 3.4);
            hole.setColorAt(0, QColor(16, 16, 16));
            hole.setColorAt(1, QColor(40, 40, 42, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(hole);
            p.drawEllipse(QPointF(x, y), 3.4, 3.4);
        }
        if (closed[std::size_t(i)]) {
            const QRectF shunt(x - 5.3, centreY - 11.2, 10.6, 22.4);
            castShadow(c.shadow, roundedRect(shunt, 1.4), 9);
            QLinearGradient g(shunt.topLeft(), shunt.topRight());
            g.setColorAt(0, QColor(64, 64, 68));
            g.setColorAt(0.25, QColor(36, 36, 40));
            g.setColorAt(1, QColor(10, 10, 12));
            p.setPen(QPen(QColor(4, 4, 4), 0.5));
            p.setBrush(g);
            p.drawRoundedRect(shunt, 1.4, 1.4);
            // Grip ridges on the top end; the pin tips show through the
            // two openings.
            p.setPen(QPen(QColor(86, 86, 92, 150), 0.6));
            for (double ry : {centreY - 9.6, centreY - 8.4})
                p.drawLine(QPointF(x - 4, ry), QPointF(x + 4, ry));
            p.setPen(Qt::NoPen);
            for (double y : {centreY - 3.8, centreY + 4.9}) {
                p.setBrush(QColor(6, 6, 6));
                p.drawRect(QRectF(x - 1.9, y - 1.9, 3.8, 3.8));
                p.setBrush(QColor(176, 142, 64, 190));
                p.drawRect(QRectF(x - 1.0, y - 1.0, 2.0, 2.0));
            }
            p.setBrush(QColor(255, 255, 255, 26));
            p.drawRoundedRect(QRectF(x - 4.4, centreY - 10.6, 2.2, 21.2), 1, 1);
        } else {
            for (double y : {centreY - 4.9, centreY + 4.9}) {
                const QRectF pin(x - 1.4, y - 1.4, 2.8, 2.8);
                QPainterPath square;
                square.addRect(pin);
                castShadow(c.shadow, square, 9);
                // A square gold post with a pyramid tip: four lit faces.
                QLinearGradient g(pin.topLeft(), pin.bottomRight());
                g.setColorAt(0, QColor(255, 240, 170));
                g.setColorAt(0.45, Gold);
                g.setColorAt(1, QColor(120, 88, 30));
                p.setBrush(g);
                p.drawRect(pin);
                p.setBrush(QColor(255, 250, 220, 200));
                p.drawEllipse(QPointF(x - 0.45, y - 0.45), 0.6, 0.6);
            }
        }
    }
}

// A shrouded 2 x 25 header for the port cable; the key slot faces the
// board edge.
void drawShroud(TCanvas &c, QPointF centre, bool keyLeft, const QString &label, const QString &ref)
{
    const double w = 40, h = 282;
    c.place(centre, 0);
    for (int r = 0; r < 25; ++r)
        for (double x : {-5.0, 5.0})
            pad(c.board, QPointF(x, (r - 12) * 10.0), 2.7, r == 0 && x < 0);
    const QRectF outer(-w / 2, -h / 2, w, h);
    silkRect(c.board, outer.adjusted(-2.5, -2.5, 2.5, 2.5));
    c.unplace();
    silkText(c.board, label, centre + QPointF(0, -h / 2 - 11), 8.5, true);
    silkText(c.board, QStringLiteral("1"), centre + QPointF(keyLeft ? -w / 2 - 7 : w / 2 + 7, -120), 6);
    silkText(c.board, QStringLiteral("49"), centre + QPointF(keyLeft ? -w / 2 - 8 : w / 2 + 8, 120), 6);
    silkText(c.board, ref, centre + QPointF(0, h / 2 + 10), 6.5);

    c.place(centre, 0);
    QPainter &p = c.parts;
    castShadow(c.shadow, roundedRect(outer, 2), 14);
    // Walls: lit from the upper left, so the left and top faces are
    // brighter.
    QLinearGradient wall(outer.topLeft(), outer.topRight());
    wall.setColorAt(0, QColor(76, 76, 80));
    wall.setColorAt(0.12, QColor(46, 46, 49));
    wall.setColorAt(0.88, QColor(34, 34, 37));
    wall.setColorAt(1, QColor(16, 16, 17));
    p.setPen(QPen(QColor(8, 8, 8), 0.6));
    p.setBrush(wall);
    p.drawRoundedRect(outer, 2, 2);
    const QRectF well(-w / 2 + 4, -h / 2 + 5, w - 8, h - 10);
    QLinearGradient floor(well.topLeft(), well.topRight());
    floor.setColorAt(0, QColor(10, 10, 11));
    floor.setColorAt(0.3, QColor(24, 24, 26));
    floor.setColorAt(1, QColor(30, 30, 33));
    p.setPen(Qt::NoPen);
    p.setBrush(floor);
    p.drawRect(well);
    // The wall's own shadow falls into the well.
    QLinearGradient inner(well.topLeft(), well.topLeft() + QPointF(0, 8));
    inner.setColorAt(0, QColor(0, 0, 0, 150));
    inner.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(inner);
    p.drawRect(well);
    // Key slot in the outer wall, and the latch recesses at both ends.
    const double kx = keyLeft ? -w / 2 : w / 2 - 4;
    p.setBrush(QColor(14, 14, 15));
    p.drawRect(QRectF(kx, -9, 4, 18));
    p.setBrush(QColor(24, 24, 26));
    p.drawRect(QRectF(-7, -h / 2 + 0.6, 14, 3.0));
    p.drawRect(QRectF(-7, h / 2 - 3.6, 14, 3.0));
    // Square gold posts.
    for (int r = 0; r < 25; ++r) {
        for (double x : {-5.0, 5.0}) {
            const QPointF at(x, (r - 12) * 10.0);
            QLinearGradient g(at - QPointF(1.4, 1.4), at + QPointF(1.4, 1.4));
            g.setColorAt(0, QColor(255, 238, 168));
            g.setColorAt(0.5, Gold);
            g.setColorAt(1, QColor(116, 84, 28));
            p.setBrush(QColor(0, 0, 0, 90));
            p.drawRect(QRectF(at.x() - 0.6, at.y() - 0.2, 3.6, 3.6));
            p.setBrush(g);
            p.drawRect(QRectF(at.x() - 1.4, at.y() - 1.4, 2.8, 2.8));
            p.setBrush(QColor(255, 252, 226, 190));
            p.drawEllipse(at - QPointF(0.4, 0.4), 0.55, 0.55);
        }
    }
    p.setBrush(QColor(255, 255, 255, 38));
    p.drawRect(QRectF(-w / 2 + 0.8, -h / 2 + 1, 1.6, h - 2));
    c.unplace();
}

// The mounting bracket, seen edge on along the left end, with the screw
// that holds it to the board.
void drawBracket(TCanvas &c)
{
    QPainter &p = c.parts;
    QPainterPath plate;
    plate.moveTo(0, 0);
    plate.lineTo(7.5, 0);
    plate.lineTo(7.5, 520);
    plate.lineTo(5.5, 548);
    plate.lineTo(4.5, 561);
    plate.lineTo(0, 561);
    plate.closeSubpath();
    castShadow(c.shadow, plate, 18);
    QLinearGradient steel(QPointF(0, 0), QPointF(7.5, 0));
    steel.setColorAt(0, QColor(120, 124, 128));
    steel.setColorAt(0.3, QColor(224, 226, 228));
    steel.setColorAt(0.55, QColor(176, 180, 184));
    steel.setColorAt(1, QColor(92, 96, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawPath(plate);
    // Zinc plating: faint lengthwise streaks.
    TRandom streaks{4242};
    for (int i = 0; i < 14; ++i) {
        const double x = 0.5 + i * 0.5;
        p.setPen(QPen(QColor(255, 255, 255, int(streaks.range(0, 40))), 0.35));
        p.drawLine(QPointF(x, 0), QPointF(x, 518));
    }

    // The bent tab lying on the board, with its screw.
    for (double y : {14.0, 452.0}) {
        const QRectF tab(6.5, y, 20, 26);
        castShadow(c.shadow, roundedRect(tab, 2), 3);
        QLinearGradient g(tab.topLeft(), tab.bottomRight());
        g.setColorAt(0, QColor(226, 228, 230));
        g.setColorAt(0.5, QColor(168, 172, 176));
        g.setColorAt(1, QColor(116, 120, 124));
        p.setPen(QPen(QColor(80, 84, 88), 0.5));
        p.setBrush(g);
        p.drawRoundedRect(tab, 2, 2);
        const QPointF screw = tab.center() + QPointF(1, 0);
        QPainterPath head;
        head.addEllipse(screw, 6.2, 6.2);
        castShadow(c.shadow, head, 4);
        QRadialGradient hg(screw - QPointF(2.2, 2.4), 8);
        hg.setColorAt(0, QColor(246, 246, 244));
        hg.setColorAt(0.5, QColor(176, 178, 180));
        hg.setColorAt(1, QColor(84, 86, 90));
        p.setPen(QPen(QColor(70, 72, 76), 0.5));
        p.setBrush(hg);
        p.drawPath(head);
        // A Phillips recess, turned as the screw happened to stop.
        p.save();
        p.translate(screw);
        p.rotate(y < 100 ? 17 : -28);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 42, 46));
        p.drawRect(QRectF(-3.6, -0.8, 7.2, 1.6));
        p.drawRect(QRectF(-0.8, -3.6, 1.6, 7.2));
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawRect(QRectF(-3.6, 0.8, 7.2, 0.5));
        p.restore();
    }
}

// The serial-number sticker from final test.
void drawSticker(TCanvas &c, QPointF centre, double tilt, TRandom &random)
{
    c.place(centre, 0, tilt);
    const QRectF paper(-32, -13, 64, 26);
    castShadow(c.shadow, roundedRect(paper, 1), 1.2);
    QPainter &p = c.parts;
    QLinearGradient g(paper.topLeft(), paper.bottomRight());
    g.setColorAt(0, QColor(250, 250, 244));
    g.setColorAt(1, QColor(222, 222, 212));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(paper, 1, 1);
    p.setBrush(QColor(24, 24, 26));
    double x = -27;
    while (x < 26) {
        const double bar = 0.45 + 0.45 * int(random.uniform() * 3);
        p.drawRect(QRectF(x, -10, bar, 12));
        x += bar + 0.45 + 0.45 * int(random.uniform() * 3);
    }
    drawText(p, QStringLiteral("S/N 4A01275"), QPointF(0, 7.2), 5.6, QColor(24, 24, 26), false, 0.95);
    c.unplace();
}

// ----------------------------------------------------------- the router

// A small maze router. Traces laid by it look like those of an auto-routed
// card of the time: long straight runs, 45-degree bends, even spacing and
// detours round whatever is in the way.
struct TRouter
{
    // Grid points at 2 + 2.5k photo pixels; most pins sit on them.
    static constexpr double Cell = 2.5;
    static constexpr double Origin = 2.0;
    static constexpr double Clearance = 1.25;
    static constexpr double HalfTrace = 0.65;

    int cols = int((PhotoWidth - Origin) / Cell) + 1;
    int rows = int((PhotoHeight - Origin) / Cell) + 1;
    // Which net's trace may be centred on a grid point: 0 any, -1 none.
    std::vector<int> owner = std::vector<int>(std::size_t(cols * rows), 0);
    int nets = 0;

    int newNet() { return ++nets; }
    QPoint cellOf(QPointF p) const
    {
        return QPoint(qRound((p.x() - Origin) / Cell), qRound((p.y() - Origin) / Cell));
    }
    QPointF pointOf(QPoint c) const { return QPointF(Origin + c.x() * Cell, Origin + c.y() * Cell); }
    bool inside(QPoint c) const { return c.x() >= 0 && c.y() >= 0 && c.x() < cols && c.y() < rows; }
    int index(QPoint c) const { return c.y() * cols + c.x(); }

    void claim(QPoint c, int net)
    {
        if (!inside(c))
            return;
        int &o = owner[std::size_t(index(c))];
        if (o == 0)
            o = net;
        else if (o != net)
            o = -1;
    }
    // Copper of the given radius at centre: no other net's trace may come
    // closer than the clearance.
    void claimDisc(QPointF centre, double radius, int net)
    {
        const double r = radius + Clearance + HalfTrace;
        const QPoint lo = cellOf(centre - QPointF(r, r)), hi = cellOf(centre + QPointF(r, r));
        for (int y = lo.y(); y <= hi.y(); ++y)
            for (int x = lo.x(); x <= hi.x(); ++x)
                if (QLineF(pointOf(QPoint(x, y)), centre).length() < r)
                    claim(QPoint(x, y), net);
    }
    void claimPath(const QPainterPath &path, double halfWidth, int net)
    {
        for (int i = 0; i + 1 < path.elementCount(); ++i) {
            const QPointF a = path.elementAt(i), b = path.elementAt(i + 1);
            const int steps = std::max(1, int(QLineF(a, b).length() / 0.5));
            for (int s = 0; s <= steps; ++s)
                claimDisc(a + (b - a) * (double(s) / steps), halfWidth, net);
        }
    }
    bool isFree(QPointF at, double radius, int net) const
    {
        const QPoint lo = cellOf(at - QPointF(radius, radius)), hi = cellOf(at + QPointF(radius, radius));
        for (int y = lo.y(); y <= hi.y(); ++y) {
            for (int x = lo.x(); x <= hi.x(); ++x) {
                const QPoint c(x, y);
                if (!inside(c))
                    return false;
                const int o = owner[std::size_t(index(c))];
                if (o != 0 && o != net && QLineF(pointOf(c), at).length() <= radius)
                    return false;
            }
        }
        return true;
    }
    void block(const QRectF &area)
    {
        const QPoint lo = cellOf(area.topLeft()), hi = cellOf(area.bottomRight());
        for (int y = lo.y(); y <= hi.y(); ++y)
            for (int x = lo.x(); x <= hi.x(); ++x)
                if (inside(QPoint(x, y)))
                    owner[std::size_t(index(QPoint(x, y)))] = -1;
    }

    // A* over (grid point, heading): a heading change costs extra, so runs
    // stay straight; sharper than 90 degrees is not allowed.
    bool route(QPointF from, QPointF to, int net, QPainterPath &path) const
    {
        static constexpr int Dx[8] = {1, 1, 0, -1, -1, -1, 0, 1};
        static constexpr int Dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        const QPoint start = cellOf(from), goal = cellOf(to);
        if (!inside(start) || !inside(goal))
            return false;
        const int margin = 36;
        const int x0 = std::max(0, std::min(start.x(), goal.x()) - margin);
        const int x1 = std::min(cols - 1, std::max(start.x(), goal.x()) + margin);
        const int y0 = std::max(0, std::min(start.y(), goal.y()) - margin);
        const int y1 = std::min(rows - 1, std::max(start.y(), goal.y()) + margin);
        auto estimate = [&](QPoint c) {
            const int dx = std::abs(c.x() - goal.x()), dy = std::abs(c.y() - goal.y());
            return 10 * std::max(dx, dy) + 4 * std::min(dx, dy);
        };
        const std::size_t states = std::size_t(cols * rows) * 9;
        std::vector<int> cost(states, INT_MAX);
        std::vector<int> back(states, -1);
        using TEntry = std::pair<int, int>; // estimated total, state
        std::priority_queue<TEntry, std::vector<TEntry>, std::greater<TEntry>> open;
        const int first = index(start) * 9 + 8;
        cost[std::size_t(first)] = 0;
        open.push({estimate(start), first});
        int found = -1;
        while (!open.empty()) {
            const auto [f, state] = open.top();
            open.pop();
            const int cell = state / 9, heading = state % 9;
            const QPoint c(cell % cols, cell / cols);
            const int g = cost[std::size_t(state)];
            if (f > g + estimate(c))
                continue;
            if (c == goal) {
                found = state;
                break;
            }
            for (int d = 0; d < 8; ++d) {
                int turn = 0;
                if (heading != 8) {
                    int diff = std::abs(d - heading);
                    diff = std::min(diff, 8 - diff);
                    if (diff > 2)
                        continue;
                    turn = diff == 1 ? 7 : diff == 2 ? 45 : 0;
                }
                const QPoint n(c.x() + Dx[d], c.y() + Dy[d]);
                if (n.x() < x0 || n.x() > x1 || n.y() < y0 || n.y() > y1)
                    continue;
                const int o = owner[std::size_t(index(n))];
                if (n != goal && o != 0 && o != net)
                    continue;
                const int ng = g + (d % 2 ? 14 : 10) + turn;
                const int ns = index(n) * 9 + d;
                if (ng < cost[std::size_t(ns)]) {
                    cost[std::size_t(ns)] = ng;
                    back[std::size_t(ns)] = state;
                    open.push({ng + estimate(n), ns});
                }
            }
        }
        if (found < 0)
            return false;
        std::vector<QPoint> cells;
        for (int s = found; s >= 0; s = back[std::size_t(s)])
            cells.push_back(QPoint((s / 9) % cols, (s / 9) / cols));
        std::reverse(cells.begin(), cells.end());
        // Keep the corners only.
        path = QPainterPath(from);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0 && i + 1 < cells.size() && cells[i] - cells[i - 1] == cells[i + 1] - cells[i])
                continue;
            path.lineTo(pointOf(cells[i]));
        }
        path.lineTo(to);
        return true;
    }
};

// A connection to lay: points joined in order; a point on no pad becomes
// a via, where the signal goes on along the other side of the board.
struct TNet
{
    std::vector<QPointF> points;
    double width = 1.3;
};

// ------------------------------------------------------------- the board

QPainterPath boardOutline()
{
    QPainterPath path;
    path.moveTo(-2, BoardTop);
    path.lineTo(BoardRight - 3, BoardTop);
    path.quadTo(BoardRight, BoardTop, BoardRight, BoardTop + 3);
    path.lineTo(BoardRight, BoardBottom - 3);
    path.quadTo(BoardRight, BoardBottom, BoardRight - 3, BoardBottom);
    path.lineTo(TabRight, BoardBottom);
    path.lineTo(TabRight, TabBottom - 3);
    path.lineTo(TabRight - 3, TabBottom);
    // The key notch between the 8-bit and 16-bit rows of fingers.
    const double notch = SixteenBitFirst - 13;
    path.lineTo(notch + 4, TabBottom);
    path.lineTo(notch + 4, TabBottom - 21);
    path.quadTo(notch, TabBottom - 25, notch - 4, TabBottom - 21);
    path.lineTo(notch - 4, TabBottom);
    path.lineTo(TabLeft + 3, TabBottom);
    path.lineTo(TabLeft, TabBottom - 3);
    path.lineTo(TabLeft, BoardBottom + 6);
    path.lineTo(TabLeft - 6, BoardBottom);
    path.lineTo(-2, BoardBottom);
    path.closeSubpath();
    return path;
}

std::vector<double> fingerXs()
{
    std::vector<double> xs;
    for (int i = 0; i < 31; ++i)
        xs.push_back(EightBitFirst + i * FingerPitch);
    for (int i = 0; i < 18; ++i)
        xs.push_back(SixteenBitFirst + i * FingerPitch);
    return xs;
}

// Where the trace of finger A1..A31 or C1..C18 meets the masked board.
constexpr double FingerJoin = 502;
QPointF fingerA(int n)
{
    return QPointF(EightBitFirst + (n - 1) * FingerPitch, FingerJoin);
}

QImage blurAlpha(const QImage &source, int radius, int passes);

// The card rests on its soldered leads, a few millimetres above the cloth:
// a soft shadow offset away from the lamp, and a wider, fainter one from
// the light of the room. At the oversampled size, black with alpha.
QImage boardShadow(const QPainterPath &outline)
{
    const int W = PhotoWidth * Oversample, H = PhotoHeight * Oversample;
    auto mask = [&](QPointF offset, int radius) {
        QImage img(W, H, QImage::Format_Alpha8);
        img.fill(0);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Oversample, Oversample);
        p.fillPath(outline.translated(offset), Qt::black);
        p.end();
        return blurAlpha(img, radius, 3);
    };
    const QImage near = mask(QPointF(1.8, 2.6), 6);
    const QImage wide = mask(QPointF(5, 7.5), 16);
    QImage shadow(W, H, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < H; ++y) {
        const uchar *a = near.constScanLine(y), *b = wide.constScanLine(y);
        auto *row = reinterpret_cast<QRgb *>(shadow.scanLine(y));
        // Integer blending: the same bytes from every build.
        for (int x = 0; x < W; ++x) {
            const int keep = (255 - a[x] * 100 / 255) * (255 - b[x] * 48 / 255) / 255;
            row[x] = qRgba(0, 0, 0, 255 - keep);
        }
    }
    return shadow;
}

void drawBoard(QPainter &p, TRandom &random)
{
    // The backdrop: a pale linen cloth, brighter towards the lamp.
    QRadialGradient cloth(QPointF(120, 60), 760);
    cloth.setColorAt(0, shade(Backdrop, 1.015));
    cloth.setColorAt(1, shade(Backdrop, 0.985));
    p.fillRect(QRectF(0, 0, PhotoWidth, PhotoHeight), cloth);
    // Broad unevenness of the cloth, from a generator of its own so that
    // the board's texture and wiring do not depend on it.
    TRandom folds{0x11AE7};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(folds.range(-40, PhotoWidth + 40), folds.range(-40, PhotoHeight + 40));
        const double r = folds.range(25, 80);
        QRadialGradient g(at, r);
        g.setColorAt(0, folds.uniform() < 0.5 ? QColor(255, 255, 250, 30) : QColor(120, 110, 95, 22));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(g);
        p.drawEllipse(at, r, r);
    }
    // Its weave, faintly: loose threads and fibres.
    for (int i = 0; i < 900; ++i) {
        const QPointF at(random.range(0, PhotoWidth), random.range(0, PhotoHeight));
        p.setPen(QPen(QColor(110, 100, 86, int(random.range(3, 10)) * 3), random.range(0.4, 1.0)));
        p.drawLine(at, at + QPointF(random.range(-6, 6), random.range(-6, 6)));
    }

    const QPainterPath outline = boardOutline();
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, boardShadow(outline));
    p.restore();
    // Cut FR4 edge, then the masked face just inside it.
    p.fillPath(outline, QColor(150, 150, 110));
    p.save();
    p.setClipPath(outline);
    p.fillPath(outline.translated(0.9, 0.9), Substrate);

    // Unevenness of the mask: broad faint blotches.
    for (int i = 0; i < 60; ++i) {
        const QPointF at(random.range(0, PhotoWidth), random.range(0, PhotoHeight));
        const double r = random.range(30, 90);
        QRadialGradient g(at, r);
        const bool light = random.uniform() < 0.5;
        g.setColorAt(0, light ? QColor(90, 160, 110, 12) : QColor(0, 20, 0, 14));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(at, r, r);
    }
    p.restore();
}

// Gold edge fingers on the bare tab; joined ones get a short plated lead
// up to the mask.
void drawFingers(TCanvas &c, const std::vector<double> &joined)
{
    QPainter &b = c.board;
    b.fillRect(QRectF(TabLeft + 3, FingerJoin + 3, TabRight - TabLeft - 6, TabBottom - FingerJoin - 3),
               QColor(38, 96, 58));
    for (double x : joined) {
        QLinearGradient g(QPointF(x - 0.8, 0), QPointF(x + 0.8, 0));
        g.setColorAt(0, QColor(240, 210, 130));
        g.setColorAt(1, QColor(160, 120, 50));
        b.fillRect(QRectF(x - 0.8, FingerJoin, 1.6, FingerTop - FingerJoin + 2), g);
    }
    for (double x : fingerXs()) {
        const QRectF f(x - 3.1, FingerTop, 6.2, FingerBottom - FingerTop);
        QLinearGradient g(f.topLeft(), f.topRight());
        g.setColorAt(0, QColor(250, 226, 150));
        g.setColorAt(0.3, QColor(232, 194, 104));
        g.setColorAt(0.7, QColor(200, 158, 70));
        g.setColorAt(1, QColor(150, 108, 40));
        b.setPen(Qt::NoPen);
        b.setBrush(g);
        b.drawRoundedRect(f, 2.6, 2.6);
        // A streak of reflected light running across the fingers, and the
        // dull wear where the slot's springs have rubbed.
        QLinearGradient v(f.topLeft(), f.bottomLeft());
        v.setColorAt(0, QColor(255, 255, 255, 0));
        v.setColorAt(0.35, QColor(255, 250, 220, 110));
        v.setColorAt(0.55, QColor(255, 255, 255, 0));
        v.setColorAt(0.75, QColor(90, 70, 30, 40));
        v.setColorAt(1, QColor(60, 40, 0, 30));
        b.setBrush(v);
        b.drawRoundedRect(f, 2.6, 2.6);
    }
}

// ------------------------------------------------------------ the layout

// Chip placement: centres on the routing grid so that pins land on it.
const std::vector<TDip> &dips()
{
    static const std::vector<TDip> all = {
        {QPointF(147, 259.5), 40, 60, 90, {"P82C55A-2", "9431 KR", "L3381742"}, false, false, 0.2},
        {QPointF(467, 259.5), 40, 60, -90, {"P82C55A-2", "9428 KR", "L3376205"}, false, false, -0.15},
        {QPointF(249.5, 129.5), 20, 30, 0, {"SN74LS245N", "9422"}, false, false, 0.35},
        {QPointF(367, 129.5), 20, 30, 0, {"SN74LS244N", "9419"}, false, false, -0.25},
        {QPointF(249.5, 192), 20, 30, 0, {"QX7720 U5", "V1.2 94/08"}, true, true, 0.0},
        {QPointF(357, 192), 16, 30, 0, {"SN74LS138N", "9412"}, false, false, 0.3},
        {QPointF(257, 394.5), 20, 30, 0, {"74HCT688N", "9426"}, false, false, -0.3},
        {QPointF(232, 339.5), 14, 30, 0, {"74LS04N", "9410"}, false, false, 0.25},
        {QPointF(322, 339.5), 14, 30, 0, {"74LS32N", "9416"}, false, false, -0.2},
        {QPointF(444.5, 402), 14, 30, 0, {"74LS125AN", "9425"}, false, false, 0.3},
    };
    return all;
}

constexpr QPointF PlccCentre(292, 267);
constexpr QPointF OscCentre(384.5, 267);
constexpr QPointF Rn1Centre(144.5, 404.5), Rn2Centre(192, 87), Rn3Centre(419.5, 87);
constexpr QPointF C1Centre(541, 469);

// Two-legged parts: where they stand and which way their legs point.
struct TSpot
{
    QPointF centre;
    double angle;
};
const TSpot Ceramics[] = {{QPointF(309.5, 99.5), 0}, {QPointF(304.5, 162), 0}, {QPointF(147, 376), 0},
                          {QPointF(467, 143), 0},  {QPointF(184.5, 362), 0}, {QPointF(407, 384.5), 90},
                          {QPointF(367, 312), 0},    {QPointF(419.5, 192), 90}};
const TSpot Resistors[] = {{QPointF(397, 332), 0}, {QPointF(397, 347), 0}, {QPointF(397, 362), 0}};

QPointF leg(const TSpot &spot, double offset)
{
    return spot.centre + QTransform().rotate(spot.angle).map(QPointF(offset, 0));
}

QPointF sipPin(QPointF centre, int pins, int n)
{
    return centre + QPointF((n - 1 - (pins - 1) / 2.0) * 10.0, 0);
}

// The PLCC's socket pads: top, right, bottom, left, eleven each.
QPointF plccPad(int side, int i)
{
    const double t = (i - 5) * 5.0, d = 41.2;
    const QPointF offsets[4] = {QPointF(t, -d), QPointF(d, t), QPointF(t, d), QPointF(-d, t)};
    return PlccCentre + offsets[side];
}

QPointF jumperPin(double centreX, double centreY, double pitch, int count, int i, bool upper)
{
    return QPointF(centreX + (i - (count - 1) / 2.0) * pitch, centreY + (upper ? -4.9 : 4.9));
}

QPointF portPin(double portX, int row, bool inner)
{
    const bool left = portX < PhotoWidth / 2;
    return QPointF(portX + ((left == inner) ? 5.0 : -5.0), PortY + (row - 12) * 10.0);
}

struct TPad
{
    QPointF at;
    double radius;
    bool stubbable; // may get a short run to a via when nothing else joins it
};

std::vector<TPad> allPads()
{
    std::vector<TPad> pads;
    for (const TDip &d : dips())
        for (int n = 1; n <= d.pins; ++n)
            pads.push_back({d.pin(n), 2.9, true});
    for (int side = 0; side < 4; ++side)
        for (int i = 0; i < 11; ++i)
            pads.push_back({plccPad(side, i), 1.6, false});
    for (QPointF o : {QPointF(-15, -15), QPointF(15, -15), QPointF(-15, 15), QPointF(15, 15)})
        pads.push_back({OscCentre + o, 2.6, true});
    for (int n = 1; n <= 9; ++n)
        pads.push_back({sipPin(Rn1Centre, 9, n), 2.6, true});
    for (int n = 1; n <= 13; ++n) {
        pads.push_back({sipPin(Rn2Centre, 13, n), 2.6, true});
        pads.push_back({sipPin(Rn3Centre, 13, n), 2.6, true});
    }
    for (int row = 0; row < 25; ++row) {
        for (bool inner : {false, true}) {
            pads.push_back({portPin(Port0X, row, inner), 2.7, false});
            pads.push_back({portPin(Port1X, row, inner), 2.7, false});
        }
    }
    for (bool upper : {false, true}) {
        for (int i = 0; i < 7; ++i)
            pads.push_back({jumperPin(AddressX, AddressY, AddressPitch, 7, i, upper), 2.4, false});
        for (int i = 0; i < 11; ++i)
            pads.push_back({jumperPin(IrqX, IrqY, IrqPitch, 11, i, upper), 2.4, false});
        for (int i = 0; i < 12; ++i) {
            pads.push_back({jumperPin(FilterLeftX, FilterY, FilterLeftPitch, 12, i, upper), 2.4, false});
            pads.push_back({jumperPin(FilterRightX, FilterY, FilterRightPitch, 12, i, upper), 2.4, false});
        }
    }
    for (const TSpot &s : Ceramics)
        for (double o : {-5.0, 5.0})
            pads.push_back({leg(s, o), 2.4, true});
    for (const TSpot &s : Resistors)
        for (double o : {-20.0, 20.0})
            pads.push_back({leg(s, o), 2.6, true});
    pads.push_back({C1Centre - QPointF(5, 0), 2.6, true});
    pads.push_back({C1Centre + QPointF(5, 0), 2.6, true});
    return pads;
}

// The connections worth showing. Most of them follow what such a card
// needs (port lines to the 8255s, address compare, jumpers to their
// pull-ups); the rest of the signals change sides through vias.
std::vector<TNet> netlist()
{
    const std::vector<TDip> &d = dips();
    const TDip &u1 = d[0], &u2 = d[1], &u3 = d[2], &u4 = d[3], &u5 = d[4], &u6 = d[5], &u7 = d[6],
               &u8 = d[7], &u9 = d[8], &u10 = d[9];
    std::vector<TNet> nets;
    auto add = [&nets](std::initializer_list<QPointF> points, double width = 1.3) {
        nets.push_back({points, width});
    };

    // Port lines straight across to the 8255s.
    for (int k = 1; k <= 20; ++k) {
        if (k >= 5 && k <= 9)
            continue;
        add({portPin(Port0X, k + 1, true), u1.pin(k)});
        add({portPin(Port1X, 22 - k, true), u2.pin(k)});
    }
    // The 8255s' far-side port lines run round the chips' ends, innermost
    // first so that they nest.
    add({u1.pin(40), portPin(Port0X, 1, true)});
    add({u1.pin(39), portPin(Port0X, 0, true)});
    add({u1.pin(38), portPin(Port0X, 1, false)});
    add({u1.pin(37), portPin(Port0X, 0, false)});
    for (int k = 0; k < 5; ++k)
        add({u1.pin(21 + k), k < 3 ? portPin(Port0X, 22 + k, true) : portPin(Port0X, 20 + k, false)});
    for (int k = 0; k < 5; ++k)
        add({u2.pin(21 + k), k < 2 ? portPin(Port1X, 1 - k, true) : portPin(Port1X, 4 - k, false)});
    for (int k = 0; k < 4; ++k)
        add({u2.pin(40 - k), k < 3 ? portPin(Port1X, 22 + k, true) : portPin(Port1X, 24, false)});

    // Short hops between neighbouring chips.
    for (int k = 0; k < 3; ++k)
        add({u4.pin(2 + 2 * k), u6.pin(15 - 2 * k)});
    for (int k = 0; k < 5; ++k) {
        add({sipPin(Rn2Centre, 13, 9 + k), u3.pin(19 - k)});
        add({sipPin(Rn3Centre, 13, 2 + k), u4.pin(15 - k)});
    }
    add({u3.pin(1), u5.pin(19)});
    add({u3.pin(9), u5.pin(17)});

    // Filter jumpers to their resistor networks.
    for (int j = 0; j < 12; ++j) {
        add({jumperPin(FilterLeftX, FilterY, FilterLeftPitch, 12, j, false), sipPin(Rn2Centre, 13, j + 2)});
        add({jumperPin(FilterRightX, FilterY, FilterRightPitch, 12, j, false), sipPin(Rn3Centre, 13, j + 2)});
        const double up = 38 - (j % 2) * 6;
        add({jumperPin(FilterLeftX, FilterY, FilterLeftPitch, 12, j, true),
             QPointF(FilterLeftX + (j - 5.5) * FilterLeftPitch, up)});
        add({jumperPin(FilterRightX, FilterY, FilterRightPitch, 12, j, true),
             QPointF(FilterRightX + (j - 5.5) * FilterRightPitch, up)});
    }

    // The data bus fans into the custom chip from both 8255s.
    add({OscCentre + QPointF(15, 15), plccPad(1, 10)});
    for (int b = 0; b < 8; ++b) {
        add({u1.pin(34 - b), plccPad(3, 1 + b)});
        add({u2.pin(34 - b), plccPad(1, 9 - b)});
    }
    add({u5.pin(6), plccPad(0, 0)});
    add({u5.pin(8), plccPad(0, 2)});
    add({u5.pin(9), plccPad(0, 4)});
    add({u6.pin(1), plccPad(0, 8)});
    add({u6.pin(2), plccPad(0, 10)});
    add({u8.pin(9), plccPad(2, 0)});
    add({u8.pin(8), plccPad(2, 2)});
    add({u9.pin(13), plccPad(2, 6)});
    add({u9.pin(12), plccPad(2, 8)});
    add({u9.pin(11), plccPad(2, 10)});

    // Address jumpers: each one's upper pin to its pull-up; the lower pins
    // share ground.
    for (int k = 0; k < 7; ++k)
        add({jumperPin(AddressX, AddressY, AddressPitch, 7, k, true), sipPin(Rn1Centre, 9, k + 2)});
    TNet ground{{QPointF(199.5, 487)}, 2.0};
    for (int k = 6; k >= 0; --k)
        ground.points.push_back(jumperPin(AddressX, AddressY, AddressPitch, 7, k, false));
    nets.push_back(ground);
    // Address lines from the bus to the comparator.
    const int p[4] = {2, 4, 6, 8};
    for (int k = 0; k < 4; ++k)
        add({fingerA(15 + k), u7.pin(p[k])});

    // IRQ jumpers: the upper pins share the buffered interrupt, each lower
    // pin leaves for its bus line through a via.
    TNet irq{{u10.pin(3)}};
    for (int i = 10; i >= 0; --i)
        irq.points.push_back(jumperPin(IrqX, IrqY, IrqPitch, 11, i, true));
    nets.push_back(irq);
    for (int i = 0; i < 11; ++i)
        add({jumperPin(IrqX, IrqY, IrqPitch, 11, i, false), QPointF(IrqX + (i - 5) * IrqPitch, 485 + (i % 2) * 6)});

    // Supply for the bulk capacitor.
    add({C1Centre - QPointF(5, 0), QPointF(C1Centre.x() - 14.5, 489.5)}, 2.4);
    add({C1Centre + QPointF(5, 0), QPointF(C1Centre.x() + 13, 489.5)}, 2.4);
    return nets;
}

// Lays every trace and via on the board layer; returns the fingers that
// got a trace.
std::vector<double> drawWiring(QPainter &b, TRandom &random)
{
    TRouter router;

    // The board's edges, the bracket and the bare tab are out of bounds.
    const QPainterPath outline = boardOutline();
    for (int y = 0; y < router.rows; ++y) {
        for (int x = 0; x < router.cols; ++x) {
            const QPointF at = router.pointOf(QPoint(x, y));
            bool ok = at.x() > 12 && at.y() < FingerJoin + 1;
            for (QPointF o : {QPointF(-4, -4), QPointF(4, -4), QPointF(-4, 4), QPointF(4, 4)})
                ok = ok && outline.contains(at + o);
            if (!ok)
                router.owner[std::size_t(router.index(QPoint(x, y)))] = -1;
        }
    }
    // Keep the card's name readable.
    router.block(QRectF(254, 440, 86, 50));

    std::vector<TNet> nets = netlist();
    const std::vector<TPad> pads = allPads();
    auto near = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 0.01; };

    // Each pad belongs to the net that names it, or to a net of its own.
    // Connections that meet on a pad are one net.
    std::vector<int> padNet(pads.size(), 0);
    std::vector<int> netIds(nets.size(), 0);
    for (std::size_t n = 0; n < nets.size(); ++n) {
        for (QPointF pt : nets[n].points) {
            for (std::size_t i = 0; i < pads.size(); ++i) {
                if (!near(pads[i].at, pt))
                    continue;
                if (!netIds[n]) {
                    netIds[n] = padNet[i] ? padNet[i] : router.newNet();
                } else if (padNet[i] && padNet[i] != netIds[n]) {
                    const int merged = padNet[i];
                    std::replace(padNet.begin(), padNet.end(), merged, netIds[n]);
                    std::replace(netIds.begin(), netIds.end(), merged, netIds[n]);
                }
                padNet[i] = netIds[n];
            }
        }
        if (!netIds[n])
            netIds[n] = router.newNet();
    }
    std::vector<QPointF> vias;
    std::vector<double> joined;
    for (std::size_t n = 0; n < nets.size(); ++n) {
        for (QPointF pt : nets[n].points) {
            if (std::any_of(pads.begin(), pads.end(), [&](const TPad &p) { return near(p.at, pt); }))
                continue;
            if (std::abs(pt.y() - FingerJoin) < 0.01)
                joined.push_back(pt.x());
            else
                vias.push_back(pt);
            router.claimDisc(pt, 2.4, netIds[n]);
        }
    }
    for (std::size_t i = 0; i < pads.size(); ++i) {
        if (!padNet[i])
            padNet[i] = router.newNet();
        router.claimDisc(pads[i].at, pads[i].radius, padNet[i]);
    }
    // Fingers without a net block their column too.
    for (double x : fingerXs()) {
        if (std::find(joined.begin(), joined.end(), x) == joined.end())
            router.claimDisc(QPointF(x, FingerJoin), 1.0, router.newNet());
    }

    int failed = 0;
    for (std::size_t n = 0; n < nets.size(); ++n) {
        const TNet &net = nets[n];
        for (std::size_t i = 1; i < net.points.size(); ++i) {
            QPainterPath path;
            if (!router.route(net.points[i], net.points[i - 1], netIds[n], path)) {
                ++failed;
                continue;
            }
            trace(b, path, net.width);
            router.claimPath(path, net.width / 2, netIds[n]);
        }
    }
    if (failed)
        std::fprintf(stderr, "makephoto: %d connections found no way through\n", failed);

    // Pins nobody joined: most leave for the other side through a via
    // close by, as on any two-layer card.
    for (std::size_t i = 0; i < pads.size(); ++i) {
        if (!pads[i].stubbable || random.uniform() < 0.3)
            continue;
        bool used = false;
        for (const TNet &net : nets)
            for (QPointF pt : net.points)
                used = used || near(pt, pads[i].at);
        if (used)
            continue;
        const QPointF at = pads[i].at;
        // Away from the part: try the four directions, nearest via first.
        const QPointF dirs[4] = {QPointF(0, -1), QPointF(0, 1), QPointF(-1, 0), QPointF(1, 0)};
        const int startDir = int(random.uniform() * 4);
        const double length = random.uniform() < 0.5 ? 7.5 : 12.5;
        for (int k = 0; k < 4; ++k) {
            const QPointF end = at + dirs[(startDir + k) % 4] * length;
            bool clear = router.isFree(end, 4.4, padNet[i]);
            for (double s = 3.5; clear && s < length; s += 1.0)
                clear = router.isFree(at + dirs[(startDir + k) % 4] * s, 2.0, padNet[i]);
            if (!clear)
                continue;
            const QPainterPath path = polyline({at, end});
            trace(b, path);
            router.claimPath(path, 0.65, padNet[i]);
            router.claimDisc(end, 2.3, padNet[i]);
            vias.push_back(end);
            break;
        }
    }
    // Idle fingers mostly get a stub and a via as well.
    for (double x : fingerXs()) {
        if (std::find(joined.begin(), joined.end(), x) != joined.end() || random.uniform() < 0.35)
            continue;
        const int net = router.newNet();
        for (double len : {7.0, 13.0}) {
            const QPointF end(x, FingerJoin - len);
            if (!router.isFree(end, 4.4, net))
                continue;
            trace(b, polyline({QPointF(x, FingerJoin + 2), end}), 1.6);
            router.claimDisc(end, 2.3, net);
            vias.push_back(end);
            joined.push_back(x);
            break;
        }
    }
    for (QPointF at : vias)
        via(b, at);
    for (double x : joined)
        trace(b, polyline({QPointF(x, FingerJoin - 1), QPointF(x, FingerJoin + 2)}), 1.6);
    return joined;
}

// ------------------------------------------------------- photographing

QImage blurAlpha(const QImage &source, int radius, int passes)
{
    // Repeated box blurs approach a Gaussian; integer sums keep it exact
    // from build to build.
    QImage img = source.convertToFormat(QImage::Format_Alpha8);
    const int w = img.width(), h = img.height();
    std::vector<int> line(std::size_t(std::max(w, h)));
    const int span = 2 * radius + 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < h; ++y) {
            uchar *row = img.scanLine(y);
            for (int x = 0; x < w; ++x)
                line[std::size_t(x)] = row[x];
            int sum = 0;
            for (int x = -radius; x <= radius; ++x)
                sum += line[std::size_t(qBound(0, x, w - 1))];
            for (int x = 0; x < w; ++x) {
                row[x] = uchar((sum + span / 2) / span);
                sum += line[std::size_t(qMin(x + radius + 1, w - 1))] - line[std::size_t(qMax(x - radius, 0))];
            }
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y)
                line[std::size_t(y)] = img.constScanLine(y)[x];
            int sum = 0;
            for (int y = -radius; y <= radius; ++y)
                sum += line[std::size_t(qBound(0, y, h - 1))];
            for (int y = 0; y < h; ++y) {
                img.scanLine(y)[x] = uchar((sum + span / 2) / span);
                sum += line[std::size_t(qMin(y + radius + 1, h - 1))] - line[std::size_t(qMax(y - radius, 0))];
            }
        }
    }
    return img;
}

void applyShadow(QImage &board, const QImage &shadow, double strength)
{
    const int k = qRound(strength * 256);
    for (int y = 0; y < board.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(board.scanLine(y));
        const uchar *a = shadow.constScanLine(y);
        for (int x = 0; x < board.width(); ++x) {
            const int keep = 256 - (a[x] * k >> 8);
            const QRgb c = row[x];
            row[x] = qRgb(qRed(c) * keep >> 8, qGreen(c) * keep >> 8, qBlue(c) * keep >> 8);
        }
    }
}

// Nobody photographs a card straight out of the clean room.
void drawDust(QPainter &p, TRandom &random)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(random.range(10, PhotoWidth - 10), random.range(10, PhotoHeight - 30));
        const double r = random.range(0.25, 0.8);
        p.setBrush(QColor(220, 220, 210, int(random.range(40, 130))));
        p.drawEllipse(at, r, r * random.range(0.6, 1.0));
    }
    for (int i = 0; i < 5; ++i) {
        const QPointF a(random.range(40, PhotoWidth - 40), random.range(30, PhotoHeight - 80));
        const QPointF b = a + QPointF(random.range(-14, 14), random.range(-14, 14));
        QPainterPath hair(a);
        hair.cubicTo(a + QPointF(random.range(-8, 8), random.range(-8, 8)),
                     b + QPointF(random.range(-8, 8), random.range(-8, 8)), b);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(210, 210, 200, 70), 0.35));
        p.drawPath(hair);
    }
}

// No lens draws a one-pixel edge: spread a little of each pixel to its
// neighbours.
void soften(QImage &photo)
{
    const QImage source = photo.copy();
    const int w = photo.width(), h = photo.height();
    for (int y = 0; y < h; ++y) {
        const auto *up = reinterpret_cast<const QRgb *>(source.constScanLine(qMax(y - 1, 0)));
        const auto *mid = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        const auto *down = reinterpret_cast<const QRgb *>(source.constScanLine(qMin(y + 1, h - 1)));
        auto *out = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int l = qMax(x - 1, 0), r = qMin(x + 1, w - 1);
            auto mix = [&](int (*channel)(QRgb)) {
                return (channel(mid[x]) * 8 + channel(mid[l]) + channel(mid[r]) + channel(up[x])
                        + channel(down[x]) + 6)
                       / 12;
            };
            out[x] = qRgb(mix(qRed), mix(qGreen), mix(qBlue));
        }
    }
}

// Light falloff, lens vignetting and sensor noise on the final picture.
void develop(QImage &photo, TRandom &random)
{
    const double cx = PhotoWidth / 2.0, cy = PhotoHeight / 2.0;
    const double diag = std::hypot(cx, cy);
    for (int y = 0; y < photo.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const double r = std::hypot(x - cx, y - cy) / diag;
            const double lamp = std::hypot(x - 140.0, y - 90.0) / 700.0;
            // A window to the upper left, and the lens darkening the corners;
            // gently, or the pale cloth turns grey in the far corner.
            const double light = 1.05 - 0.14 * lamp - 0.05 * r * r * r * r;
            // The glossy mask mirrors a broad, soft band of the window.
            const double band = ((x - 610.0) * 0.55 + (y - 30.0)) / 80.0;
            const double sheen = 9.0 * std::exp(-band * band);
            const QRgb c = row[x];
            const double grain = random.gauss() * 2.0;
            // Warm light: a touch more red, a touch less blue.
            auto out = [&](int v, double gain, double tint) {
                const double value = v * light * gain + sheen * tint + grain + random.gauss() * 0.9;
                return qBound(0, int(std::lround(value)), 255);
            };
            row[x] = qRgb(out(qRed(c), 1.03, 0.9), out(qGreen(c), 1.0, 1.0), out(qBlue(c), 0.95, 1.1));
        }
    }
}

QImage renderPhoto()
{
    const int W = PhotoWidth * Oversample, H = PhotoHeight * Oversample;
    QImage board(W, H, QImage::Format_RGB32);
    QImage shadow(W, H, QImage::Format_ARGB32_Premultiplied);
    QImage parts(W, H, QImage::Format_ARGB32_Premultiplied);
    board.fill(Qt::black);
    shadow.fill(Qt::transparent);
    parts.fill(Qt::transparent);

    QPainter pb(&board), ps(&shadow), pp(&parts);
    for (QPainter *p : {&pb, &ps, &pp}) {
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::SmoothPixmapTransform);
        p->scale(Oversample, Oversample);
    }
    TCanvas canvas{pb, ps, pp};
    TRandom random{0x7720};

    drawBoard(pb, random);
    const std::vector<double> joined = drawWiring(pb, random);
    drawFingers(canvas, joined);

    drawShroud(canvas, QPointF(Port0X, PortY), true, QStringLiteral("PORT 0"), QStringLiteral("J1"));
    drawShroud(canvas, QPointF(Port1X, PortY), false, QStringLiteral("PORT 1"), QStringLiteral("J2"));

    const std::vector<TDip> &chips = dips();
    for (std::size_t i = 0; i < chips.size(); ++i) {
        const TDip &d = chips[i];
        drawDip(canvas, d, random);
        const QPointF at = d.angle == 0 ? d.centre + QPointF(-d.length() / 2 - 8, 0)
                                        : d.centre + QPointF(0, (d.angle > 0 ? -1 : 1) * (d.length() / 2 + 9));
        silkText(pb, QStringLiteral("U%1").arg(i + 1), at, 6.5, false, d.angle == 0 ? -90 : 0);
    }
    drawPlcc(canvas, PlccCentre);
    drawOscillator(canvas, OscCentre);

    drawSip(canvas, Rn1Centre, 9, 0.6, QStringLiteral("L091S103"), QColor(40, 40, 44), QStringLiteral("RN1"),
            QPointF(-56, 0));
    drawSip(canvas, Rn2Centre, 13, -0.4, QStringLiteral("L131S472"), QColor(178, 146, 72), QStringLiteral("RN2"),
            QPointF(-76, 0));
    drawSip(canvas, Rn3Centre, 13, 0.5, QStringLiteral("L131S472"), QColor(178, 146, 72), QStringLiteral("RN3"),
            QPointF(76, 0));

    const QColor blue(50, 90, 170), yellow(214, 170, 60);
    const struct
    {
        QColor colour;
        double tilt;
        QPointF ref;
    } ceramicLooks[] = {{blue, 3, QPointF(13, 0)},    {blue, -4, QPointF(0, 7)},  {yellow, 2, QPointF(-14, 0)},
                        {yellow, -3, QPointF(14, 0)}, {blue, 5, QPointF(0, -7)},  {blue, 4, QPointF(-8, 0)},
                        {yellow, -2, QPointF(0, -7)}, {blue, 3, QPointF(9, 0)}};
    for (int i = 0; i < 8; ++i)
        drawCeramic(canvas, Ceramics[i].centre, Ceramics[i].angle, ceramicLooks[i].tilt, ceramicLooks[i].colour,
                    QStringLiteral("C%1").arg(i + 3), ceramicLooks[i].ref);
    drawElectrolytic(canvas, C1Centre, 12.5, QStringLiteral("C1"), QPointF(-2, -19));

    const QColor brown(110, 60, 30), black(20, 20, 20), red(190, 30, 30), orange(220, 110, 20),
        bandYellow(230, 200, 40), violet(120, 60, 150), goldBand(190, 150, 60);
    drawResistor(canvas, Resistors[0].centre, Resistors[0].angle, 1.5, {brown, black, red, goldBand},
                 QStringLiteral("R1"), QPointF(-27, 0));
    drawResistor(canvas, Resistors[1].centre, Resistors[1].angle, -1.0, {brown, black, red, goldBand},
                 QStringLiteral("R2"), QPointF(-27, 0));
    drawResistor(canvas, Resistors[2].centre, Resistors[2].angle, 2.0, {bandYellow, violet, orange, goldBand},
                 QStringLiteral("R3"), QPointF(-27, 0));

    // Factory setting: I/O base 300h, IRQ 5, some filters on.
    const std::vector<bool> address = {true, true, true, true, true, false, false};
    const std::vector<bool> irq = {false, false, false, false, false, false, false, false, true, false, false};
    const std::vector<bool> filterLeft = {true, true, true, true, false, false, true, true, true, true, false, false};
    const std::vector<bool> filterRight = {false, false, false, false, true, true, false, false, false, false, false,
                                           false};
    drawJumpers(canvas, AddressX, AddressY, AddressPitch, address, false);
    drawJumpers(canvas, IrqX, IrqY, IrqPitch, irq, false);
    drawJumpers(canvas, FilterLeftX, FilterY, FilterLeftPitch, filterLeft, false);
    drawJumpers(canvas, FilterRightX, FilterY, FilterRightPitch, filterRight, true);

    // Silk labels for the jumpers.
    for (int i = 0; i < 7; ++i)
        silkText(pb, QStringLiteral("A%1").arg(3 + i), QPointF(AddressX + (i - 3) * AddressPitch, 438), 6.6);
    const int irqs[] = {15, 14, 12, 11, 10, 9, 7, 6, 5, 4, 3};
    for (int i = 0; i < 11; ++i)
        silkText(pb, QString::number(irqs[i]), QPointF(IrqX + (i - 5) * IrqPitch, 438), 6.4);
    silkText(pb, QStringLiteral("IRQ"), QPointF(IrqX - 5 * IrqPitch - 13, IrqY), 6.5, true, -90);
    silkText(pb, QStringLiteral("ADDRESS"), QPointF(AddressX - 3 * AddressPitch - 14, AddressY), 6.0, true, -90);
    silkText(pb, QStringLiteral("JP1"), QPointF(AddressX - 3 * AddressPitch - 2, 429), 5.5);
    silkText(pb, QStringLiteral("ON=0"), QPointF(AddressX + 3 * AddressPitch + 2, 429), 5.5);
    silkText(pb, QStringLiteral("JP2"), QPointF(IrqX + 5 * IrqPitch + 17, 438), 5.5);
    silkText(pb, QStringLiteral("JP3  FILTER 0"), QPointF(FilterLeftX, 18), 6.5, true);
    silkText(pb, QStringLiteral("JP4  FILTER 1"), QPointF(FilterRightX, 18), 6.5, true);
    for (int i : {0, 11}) {
        silkText(pb, QString::number(i + 1), QPointF(FilterLeftX + (i - 5.5) * FilterLeftPitch, 76.5), 5.0);
        silkText(pb, QString::number(i + 1), QPointF(FilterRightX + (i - 5.5) * FilterRightPitch, 76.5), 5.0);
    }

    // The card's name, maker and revision.
    silkText(pb, QStringLiteral("QX-7720"), QPointF(297, 452), 15, true);
    silkText(pb, QStringLiteral("Quilon"), QPointF(297, 472), 10.5, true);
    silkText(pb, QStringLiteral("REV B  \u00A9 1994"), QPointF(297, 485), 5.5);

    drawSticker(canvas, QPointF(548, 42), -1.5, random);
    drawBracket(canvas);

    pb.end();
    ps.end();
    pp.end();

    applyShadow(board, blurAlpha(shadow, 5, 3), 0.62);
    {
        QPainter p(&board);
        p.drawImage(0, 0, parts);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Oversample, Oversample);
        drawDust(p, random);
    }
    QImage photo = board.scaled(PhotoWidth, PhotoHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    soften(photo);
    develop(photo, random);
    return photo;
}

bool writeJpeg(const QImage &image, const char *fileName)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::FILE *file = std::fopen(fileName, "wb");
    if (!file) {
        std::perror(fileName);
        return false;
    }
    // The default error handler prints and exits, which suits a build tool.
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, JpegQuality, TRUE);
    cinfo.optimize_coding = TRUE;
    cinfo.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makephoto OUTPUT.jpg\n");
        return 2;
    }
    // Another family would change every label; better to stop than to
    // write a photograph that differs from the committed one.
    const QFontInfo font(markingFont(false));
    if (font.family() != FontFamily) {
        std::fprintf(stderr, "makephoto: font \"%s\" is not installed (got \"%s\")\n", qPrintable(FontFamily),
                     qPrintable(font.family()));
        return 1;
    }
    return writeJpeg(renderPhoto(), argv[1]) ? 0 : 1;
}
