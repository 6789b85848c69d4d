#include "SetupCtrls/RadioPanel.h"
#include "SetupCtrls/TwoJumper.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr unsigned Gray = 0x808080;   // BaseColor 8421504
constexpr unsigned Yellow = 0xFFFF00; // PinColor 65535
constexpr unsigned Maroon = 0x800000; // JumperColor 128: red 128
constexpr unsigned Black = 0x000000;

// Smallest rectangle holding every pixel of the colour within the area.
QRect boundsIn(const QImage &image, unsigned rgb, const QRect &area)
{
    QRect r;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Rgb(image, x, y) == rgb)
                r |= QRect(x, y, 1, 1);
    return r;
}

// The same within columns [x0, x1).
QRect boundsOf(const QImage &image, unsigned rgb, int x0, int x1)
{
    return boundsIn(image, rgb, QRect(x0, 0, x1 - x0, image.height()));
}

struct PixelCase
{
    const char *name;
    bool closed;
    Vcl::TBorderStyle border;
    int x, y;
    int expected; // a page colour, or -1 for the button-face background
};

class JumperPixels : public ::testing::TestWithParam<PixelCase>
{
};

TEST_P(JumperPixels, LyingDrawingHasTheGeometryOfA34By18Header)
{
    const PixelCase &c = GetParam();
    TTwoJumper jumper;
    jumper.setClosed(c.closed);
    jumper.setBorderStyle(c.border);
    const QImage image = Render(&jumper);
    const unsigned expected = c.expected < 0 ? RgbOf(Colors::clBtnFace) : unsigned(c.expected);
    EXPECT_EQ(Rgb(image, c.x, c.y), expected) << c.name;
}

// Open: body from (1, 1) to (33, 17) with 9 x 9 corner ellipses, outlined
// black; closed: the cap covers all, outlined black unless bsNone.
INSTANTIATE_TEST_SUITE_P(
    Geometry, JumperPixels,
    ::testing::Values(PixelCase{"open margin left", false, Vcl::bsSingle, 0, 9, -1},
                      PixelCase{"open margin top", false, Vcl::bsSingle, 16, 0, -1},
                      PixelCase{"open rounded corner", false, Vcl::bsSingle, 1, 1, -1},
                      PixelCase{"open outline left", false, Vcl::bsSingle, 1, 9, Black},
                      PixelCase{"open outline bottom", false, Vcl::bsSingle, 16, 16, Black},
                      PixelCase{"open body between pins", false, Vcl::bsSingle, 16, 9, Gray},
                      PixelCase{"open body right end", false, Vcl::bsSingle, 31, 9, Gray},
                      PixelCase{"open bsNone edge is body", false, Vcl::bsNone, 1, 9, Gray},
                      PixelCase{"open bsNone margin stays", false, Vcl::bsNone, 0, 9, -1},
                      PixelCase{"closed outline corner", true, Vcl::bsSingle, 0, 0, Black},
                      PixelCase{"closed outline far corner", true, Vcl::bsSingle, 33, 17, Black},
                      PixelCase{"closed cap", true, Vcl::bsSingle, 1, 1, Maroon},
                      PixelCase{"closed cap middle", true, Vcl::bsSingle, 16, 9, Maroon},
                      PixelCase{"closed bsNone corner", true, Vcl::bsNone, 0, 0, Maroon},
                      PixelCase{"closed bsNone far corner", true, Vcl::bsNone, 33, 17, Maroon},
                      PixelCase{"pin centre open", false, Vcl::bsSingle, 11, 9, Yellow},
                      PixelCase{"pin centre closed", true, Vcl::bsSingle, 22, 9, Yellow}),
    [](const auto &info) {
        std::string n = info.param.name;
        std::replace(n.begin(), n.end(), ' ', '_');
        return n;
    });

TEST(TwoJumper, PinsFillTheirBoxesInBothStates)
{
    for (bool closed : {false, true}) {
        TTwoJumper jumper;
        jumper.setClosed(closed);
        const QImage image = Render(&jumper);
        // a = nearest(34 / 3.5) = 10, cx = 11, r = min(10 div 3, nearest(4.5)) = 3, cy = 9.
        EXPECT_EQ(boundsOf(image, Yellow, 0, 17), QRect(QPoint(8, 6), QPoint(13, 11))) << closed;
        EXPECT_EQ(boundsOf(image, Yellow, 17, 34), QRect(QPoint(20, 6), QPoint(25, 11))) << closed;
    }
}

TEST(TwoJumper, PinRadiusRoundsQuarterHeightHalvesToEven)
{
    // Wide enough that a div 3 (9) never limits the radius.
    const struct { int h; int r; } rows[] = {{18, 4}, {14, 4}, {10, 2}, {6, 2}};
    for (const auto &row : rows) {
        TTwoJumper jumper;
        jumper.resize(100, row.h);
        const QImage image = Render(&jumper);
        const QRect pin = boundsOf(image, Yellow, 0, 50);
        EXPECT_EQ(pin.height(), 2 * row.r) << "h = " << row.h;
        EXPECT_EQ(pin.center().x() + 1, 30) << "h = " << row.h; // cx = nearest(100 / 3.5) + 1
    }
}

TEST(TwoJumper, EachOrientationTurnsTheLyingDrawing)
{
    TTwoJumper reference;
    reference.setClosed(true);
    const QImage lying = Render(&reference);
    const int w = lying.width(), h = lying.height();

    const struct {
        TTwoJumper::TOrientationType orientation;
        QSize size;
        std::function<QPoint(int, int)> target;
    } rows[] = {
        {TTwoJumper::otUp, {34, 18}, [](int x, int y) { return QPoint(x, y); }},
        {TTwoJumper::otDown, {34, 18}, [&](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); }},
        {TTwoJumper::otLeft, {18, 34}, [&](int x, int y) { return QPoint(y, w - 1 - x); }},
        {TTwoJumper::otRight, {18, 34}, [&](int x, int y) { return QPoint(h - 1 - y, x); }},
    };
    for (const auto &row : rows) {
        TTwoJumper jumper;
        jumper.setClosed(true);
        jumper.resize(row.size);
        jumper.setOrientation(row.orientation);
        const QImage turned = Render(&jumper);
        ASSERT_EQ(turned.size(), row.size);
        int mismatches = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QPoint t = row.target(x, y);
                mismatches += Rgb(turned, t.x(), t.y()) != Rgb(lying, x, y);
            }
        EXPECT_EQ(mismatches, 0) << "orientation " << row.orientation;
    }
}

TEST(TwoJumper, StandingLeftJumperHasItsFirstPinAtTheBottom)
{
    TTwoJumper jumper;
    jumper.resize(18, 34);
    jumper.setOrientation(TTwoJumper::otLeft);
    const QImage image = Render(&jumper);
    // The drawing's first pin (columns 8..13) lands on rows 33 - 13 .. 33 - 8.
    EXPECT_EQ(boundsIn(image, Yellow, QRect(0, 17, 18, 17)), QRect(QPoint(6, 20), QPoint(11, 25)));
}

TEST(TwoJumper, TurningSwapsWidthAndHeightOnlyAfterTheFirstPaint)
{
    TTwoJumper unpainted;
    unpainted.setOrientation(TTwoJumper::otLeft);
    Render(&unpainted);
    EXPECT_EQ(unpainted.size(), QSize(34, 18)) << "the first paint discards the pending exchange";

    TTwoJumper painted;
    Render(&painted);
    painted.setOrientation(TTwoJumper::otDown);
    Render(&painted);
    EXPECT_EQ(painted.size(), QSize(34, 18)) << "a turn within the lying pair keeps the size";
    painted.setOrientation(TTwoJumper::otLeft);
    EXPECT_EQ(painted.size(), QSize(34, 18)) << "the exchange waits for the paint";
    Render(&painted);
    EXPECT_EQ(painted.size(), QSize(18, 34));
    painted.setOrientation(TTwoJumper::otRight);
    Render(&painted);
    EXPECT_EQ(painted.size(), QSize(18, 34));
    painted.setOrientation(TTwoJumper::otUp);
    Render(&painted);
    EXPECT_EQ(painted.size(), QSize(34, 18));
}

TEST(TwoJumper, RepaintsOnlyWhenAPropertyChanges)
{
    QWidget window;
    window.resize(100, 60);
    auto *jumper = new TTwoJumper(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TPaintCounter counter;
    jumper->installEventFilter(&counter);

    const std::function<void(bool)> setters[] = {
        [&](bool change) { jumper->setClosed(change); },
        [&](bool change) { jumper->setBaseColor(change ? Colors::clRed : Colors::clGray); },
        [&](bool change) { jumper->setPinColor(change ? Colors::clRed : Colors::clYellow); },
        [&](bool change) { jumper->setJumperColor(change ? Colors::clRed : Colors::clMaroon); },
        [&](bool change) { jumper->setOrientation(change ? TTwoJumper::otDown : TTwoJumper::otUp); },
        [&](bool change) { jumper->setBorderStyle(change ? Vcl::bsNone : Vcl::bsSingle); },
    };
    int i = 0;
    for (const auto &set : setters) {
        QTest::qWait(20);
        counter.Paints = 0;
        set(false);
        QTest::qWait(20);
        EXPECT_EQ(counter.Paints, 0) << "setter " << i << " with the current value";
        set(true);
        QTest::qWait(20);
        EXPECT_GT(counter.Paints, 0) << "setter " << i << " with a new value";
        set(false);
        ++i;
    }
}

TEST(TwoJumper, BackgroundComesFromARadioPanelParent)
{
    QWidget plain;
    auto *onForm = new TTwoJumper(&plain);
    EXPECT_EQ(Rgb(Render(onForm), 0, 9), RgbOf(Colors::clBtnFace));

    TRadioPanel panel;
    panel.setColor(Colors::clAqua);
    auto *inPanel = new TTwoJumper(&panel);
    EXPECT_EQ(Rgb(Render(inPanel), 0, 9), RgbOf(Colors::clAqua));
}

TEST(TwoJumper, ClickTogglesThenRaisesOnClick)
{
    QWidget window;
    auto *jumper = new TTwoJumper(&window);
    window.show();
    bool closedInHandler = false;
    QObject *sender = nullptr;
    QObject::connect(jumper, &TTwoJumper::OnClick, [&](QObject *s) {
        sender = s;
        closedInHandler = jumper->Closed();
    });
    QTest::mouseClick(jumper, Qt::LeftButton);
    EXPECT_TRUE(jumper->Closed());
    EXPECT_TRUE(closedInHandler);
    EXPECT_EQ(sender, jumper);
    QTest::mouseClick(jumper, Qt::LeftButton);
    EXPECT_FALSE(jumper->Closed());

    jumper->setEnabled(false);
    QTest::mouseClick(jumper, Qt::LeftButton);
    EXPECT_FALSE(jumper->Closed()) << "a disabled jumper gets no clicks";
    EXPECT_EQ(Render(jumper), [&] { TTwoJumper enabled; return Render(&enabled); }())
        << "and looks the same";
}

TEST(TwoJumper, RightButtonDoesNotClick)
{
    QWidget window;
    auto *jumper = new TTwoJumper(&window);
    window.show();
    QTest::mouseClick(jumper, Qt::RightButton);
    EXPECT_FALSE(jumper->Closed());
}

} // namespace
