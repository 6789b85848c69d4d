#include "SetupCtrls/BoardImage.h"
#include "TestSupport.h"
#include "platform/JPEGImage.h"

#include <QBuffer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A plain-coloured JPEG of the given size, as test material.
QByteArray jpegOf(QSize size, QColor color = Qt::red)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 100);
    return bytes;
}

bool nearColor(QRgb actual, QColor expected)
{
    return std::abs(qRed(actual) - expected.red()) < 8 && std::abs(qGreen(actual) - expected.green()) < 8
           && std::abs(qBlue(actual) - expected.blue()) < 8;
}

TEST(BoardImage, StartsAsSpecifiedBeforeAnyPicture)
{
    TBoardImage image;
    EXPECT_EQ(image.size(), QSize(105, 105));
    EXPECT_DOUBLE_EQ(image.AspectRatio(), 1.0);
    EXPECT_TRUE(image.AutoSize());
    EXPECT_TRUE(image.Scale());
    EXPECT_TRUE(image.CenterOnForm());
    EXPECT_FALSE(image.Stretch());
    EXPECT_FALSE(image.Center());
    EXPECT_FALSE(image.Transparent());
    EXPECT_EQ(image.Menu(), nullptr);
    EXPECT_EQ(image.First(), nullptr);
    EXPECT_FALSE(image.HomeSaved());
}

TEST(BoardImage, APictureSetsTheAspectRatioAndAutoSize)
{
    TBoardImage image;
    image.Picture()->loadFromData(jpegOf({600, 567}));
    EXPECT_DOUBLE_EQ(image.AspectRatio(), 0.945);
    EXPECT_EQ(image.size(), QSize(600, 567));
    EXPECT_TRUE(image.testAttribute(Qt::WA_OpaquePaintEvent));

    image.setAutoSize(false);
    image.resize(400, 378);
    image.Picture()->clear();
    EXPECT_DOUBLE_EQ(image.AspectRatio(), 0.945) << "an empty picture keeps the ratio";
    EXPECT_EQ(image.size(), QSize(400, 378));
    EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage shown = Render(&image);
    EXPECT_EQ(Rgb(shown, 200, 200), 0xFF00FFu) << "nothing is drawn";
}

TEST(BoardImage, AutoSizeFollowsTheAlignment)
{
    const struct { Vcl::TAlign align; QSize size; } rows[] = {
        {Vcl::alNone, {60, 40}}, {Vcl::alLeft, {60, 90}}, {Vcl::alTop, {80, 40}}, {Vcl::alClient, {80, 90}},
    };
    for (const auto &row : rows) {
        TBoardImage image;
        image.Picture()->loadFromData(jpegOf({60, 40}));
        image.setAlign(row.align);
        image.setWidth(80);
        image.setHeight(90);
        EXPECT_EQ(image.size(), row.size) << row.align;
    }
}

TEST(BoardImage, ScaleKeepsTheRatioOnlyAtDesignTime)
{
    for (bool designing : {true, false}) {
        TBoardImage image;
        image.setAutoSize(false);
        image.Picture()->loadFromData(jpegOf({600, 567}));
        SetDesigning(&image, designing);
        image.resize(400, 100);
        Render(&image);
        EXPECT_EQ(image.height(), designing ? 378 : 100);
    }
}

TEST(BoardImage, CentresOnItsParentAtEveryPaint)
{
    QWidget parent;
    parent.resize(395, 600);
    auto *image = new TBoardImage(&parent);
    image->setAutoSize(false);
    image->setGeometry(10, 20, 400, 378);
    Render(&parent);
    EXPECT_EQ(image->pos(), QPoint(-2, 111)) << "(395 - 400) div 2 truncates toward zero";
    EXPECT_EQ(QPoint(image->HomeLeft(), image->HomeTop()), QPoint(10, 20))
        << "home is where it was laid out, though the same paint centred it";

    parent.resize(500, 600);
    Render(&parent);
    EXPECT_EQ(image->pos(), QPoint(50, 111));
    EXPECT_EQ(QPoint(image->HomeLeft(), image->HomeTop()), QPoint(10, 20));

    image->setCenterOnForm(false);
    image->move(7, 8);
    Render(&parent);
    EXPECT_EQ(image->pos(), QPoint(7, 8));
}

TEST(BoardImage, FollowsItsShownWindowsSize)
{
    QWidget window;
    window.resize(600, 500);
    auto *image = new TBoardImage(&window);
    image->setAutoSize(false);
    image->setGeometry(10, 20, 400, 378);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(image->pos(), QPoint(100, 61));
    window.resize(800, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(image->pos(), QPoint(200, 161)) << "without waiting for a paint";
    EXPECT_EQ(QPoint(image->HomeLeft(), image->HomeTop()), QPoint(10, 20));
}

TEST(BoardImage, DrawsAtNaturalSizeCentredOrStretched)
{
    const struct {
        const char *name;
        bool center, stretch;
        int firstPictureColumn;
    } rows[] = {
        {"natural size at the left", false, false, 0},
        {"centred: (110 - 101) div 2", true, false, 4},
        {"stretch wins over centre", true, true, 0},
    };
    for (const auto &row : rows) {
        TBoardImage image;
        image.setAutoSize(false);
        image.resize(110, 60);
        image.setCenter(row.center);
        image.setStretch(row.stretch);
        image.Picture()->loadFromData(jpegOf({101, 30}, Qt::blue));
        const QImage shown = Render(&image);
        int first = -1;
        for (int x = 0; x < shown.width() && first < 0; ++x)
            if (nearColor(shown.pixel(x, row.stretch ? 45 : (row.center ? 30 : 15)), Qt::blue))
                first = x;
        EXPECT_EQ(first, row.firstPictureColumn) << row.name;
        if (row.stretch) {
            EXPECT_TRUE(nearColor(shown.pixel(109, 59), Qt::blue)) << row.name;
        }
    }
}

TEST(BoardImage, StretchedCopyFollowsANewPictureOfTheSameSize)
{
    TBoardImage image;
    image.setAutoSize(false);
    image.resize(80, 60);
    image.setStretch(true);
    image.Picture()->loadFromData(jpegOf({40, 30}, Qt::blue));
    EXPECT_TRUE(nearColor(Render(&image).pixel(40, 30), Qt::blue));
    image.Picture()->loadFromData(jpegOf({40, 30}, Qt::green));
    EXPECT_TRUE(nearColor(Render(&image).pixel(40, 30), Qt::green)) << "the kept copy was of the old picture";
    image.resize(100, 70);
    EXPECT_TRUE(nearColor(Render(&image).pixel(99, 69), Qt::green)) << "the copy follows the new size";
}

TEST(BoardImage, UnchangedPropertiesDoNotRepaint)
{
    QWidget window;
    window.resize(300, 300);
    auto *image = new TBoardImage(&window);
    image->setCenterOnForm(false);
    image->Picture()->loadFromData(jpegOf({50, 50}));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    TPaintCounter counter;
    image->installEventFilter(&counter);
    image->setStretch(false);
    image->setCenter(false);
    image->setScale(true);
    image->setTransparent(false);
    image->setCenterOnForm(false);
    QTest::qWait(30);
    EXPECT_EQ(counter.Paints, 0);
    image->setStretch(true);
    QTest::qWait(30);
    EXPECT_GT(counter.Paints, 0);
}

TEST(BoardImage, DraggingDoesNotMoveIt)
{
    QWidget window;
    window.resize(300, 300);
    auto *image = new TBoardImage(&window);
    image->setCenterOnForm(false);
    image->move(30, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(image, QPoint(60, 70));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(60, 70));
    EXPECT_EQ(image->pos(), QPoint(30, 40));
}

TEST(BoardImage, AModifiedPaletteMarkIsClearedWhenThereIsNoPalette)
{
    QWidget window;
    auto *image = new TBoardImage(&window);
    image->Picture()->loadFromData(jpegOf({20, 20}));
    image->Picture()->graphic()->setPaletteModified(true);
    image->setStretch(true);
    EXPECT_TRUE(image->Picture()->graphic()->paletteModified()) << "not visible: left alone";
    window.show();
    image->setStretch(false);
    EXPECT_FALSE(image->Picture()->graphic()->paletteModified());
    EXPECT_EQ(image->GetPalette(), nullptr);
}

TEST(BoardImage, TransparentIsPassedToTheGraphic)
{
    TBoardImage image;
    image.Picture()->loadFromData(jpegOf({20, 20}));
    image.setTransparent(true);
    EXPECT_TRUE(image.Picture()->graphic()->transparent());
    EXPECT_FALSE(image.testAttribute(Qt::WA_OpaquePaintEvent));
}

} // namespace
