#include "platform/JPEGImage.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <random>

namespace {

// The card photograph as committed; the tests run from the build tree.
QString photoPath()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../src/template/QX7720.jpg"));
}

QByteArray photoData()
{
    QFile file(photoPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance
           && std::abs(qGreen(actual) - qGreen(expected)) <= tolerance
           && std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

// 16 x 8, mid grey, one component.
const char GrayJpeg[] =
    "\xff\xd8\xff\xe0\x00\x10\x4a\x46\x49\x46\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00\xff\xdb\x00\x43"
    "\x00\x02\x01\x01\x01\x01\x01\x02\x01\x01\x01\x02\x02\x02\x02\x02\x04\x03\x02\x02\x02\x02\x05\x04"
    "\x04\x03\x04\x06\x05\x06\x06\x06\x05\x06\x06\x06\x07\x09\x08\x06\x07\x09\x07\x06\x06\x08\x0b\x08"
    "\x09\x0a\x0a\x0a\x0a\x0a\x06\x08\x0b\x0c\x0b\x0a\x0c\x09\x0a\x0a\x0a\xff\xc0\x00\x0b\x08\x00\x08"
    "\x00\x10\x01\x01\x11\x00\xff\xc4\x00\x15\x00\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x03\xff\xc4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00\x98\xff\xd9";

// 16 x 8, pure red as Adobe CMYK (stored inverted).
const char CmykJpeg[] =
    "\xff\xd8\xff\xee\x00\x0e\x41\x64\x6f\x62\x65\x00\x64\x00\x00\x00\x00\x02\xff\xdb\x00\x43\x00\x02"
    "\x01\x01\x01\x01\x01\x02\x01\x01\x01\x02\x02\x02\x02\x02\x04\x03\x02\x02\x02\x02\x05\x04\x04\x03"
    "\x04\x06\x05\x06\x06\x06\x05\x06\x06\x06\x07\x09\x08\x06\x07\x09\x07\x06\x06\x08\x0b\x08\x09\x0a"
    "\x0a\x0a\x0a\x0a\x06\x08\x0b\x0c\x0b\x0a\x0c\x09\x0a\x0a\x0a\xff\xdb\x00\x43\x01\x02\x02\x02\x02"
    "\x02\x02\x05\x03\x03\x05\x0a\x07\x06\x07\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a"
    "\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a"
    "\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\x0a\xff\xc0\x00\x14\x08\x00\x08\x00\x10\x04\x01\x11"
    "\x00\x02\x11\x01\x03\x11\x01\x04\x11\x00\xff\xc4\x00\x16\x00\x01\x01\x01\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\x08\x09\xff\xc4\x00\x14\x10\x01\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x00\x00\xff\xc4\x00\x16\x01\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\x08\x0a\xff\xc4\x00\x14\x11\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
    "\x00\x00\x00\x00\x00\x00\xff\xda\x00\x0e\x04\x01\x00\x02\x11\x03\x11\x04\x00\x00\x3f\x00\xb3\x15"
    "\x63\x3f\xed\xfc\x00\x7f\xff\xd9";

} // namespace

TEST(JPEGImage, DecodesThePhotograph)
{
    TJPEGImage jpeg;
    jpeg.loadFromFile(photoPath());

    ASSERT_FALSE(jpeg.empty());
    EXPECT_EQ(jpeg.width(), 600);
    EXPECT_EQ(jpeg.height(), 567);
    EXPECT_EQ(jpeg.palette(), nullptr);

    // Spots whose colour the photograph is about: a channel mix-up or a
    // wrong row stride shows here.
    const struct
    {
        const char *what;
        int x, y;
        QRgb colour;
    } spots[] = {
        {"solder mask", 300, 30, qRgb(32, 86, 50)},  {"edge finger", 138, 525, qRgb(213, 176, 96)},
        {"shunt on A3", 101, 465, qRgb(30, 26, 27)}, {"cloth below the card", 40, 540, qRgb(229, 226, 221)},
        {"bracket", 4, 300, qRgb(179, 178, 173)},    {"serial sticker", 548, 52, qRgb(235, 234, 216)},
    };
    const QImage &image = jpeg.image();
    for (const auto &spot : spots) {
        const QRgb actual = image.pixel(spot.x, spot.y);
        EXPECT_TRUE(near(actual, spot.colour, 12))
            << spot.what << ": got " << qRed(actual) << "," << qGreen(actual) << "," << qBlue(actual);
    }

    // RGB32 promises an opaque fourth byte; a stray one breaks painting.
    if (image.format() == QImage::Format_RGB32) {
        bool opaque = true;
        for (int y = 0; y < image.height() && opaque; ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                opaque = opaque && qAlpha(row[x]) == 255;
        }
        EXPECT_TRUE(opaque);
    }
}

TEST(JPEGImage, DecodesOtherColourSpaces)
{
    const struct
    {
        const char *what;
        QByteArray data;
        QRgb colour;
    } cases[] = {
        {"grayscale", QByteArray(GrayJpeg, sizeof GrayJpeg - 1), qRgb(128, 128, 128)},
        {"Adobe CMYK", QByteArray(CmykJpeg, sizeof CmykJpeg - 1), qRgb(255, 0, 0)},
    };
    for (const auto &c : cases) {
        TJPEGImage jpeg;
        jpeg.loadFromData(c.data);
        EXPECT_EQ(jpeg.image().size(), QSize(16, 8)) << c.what;
        const QRgb actual = jpeg.image().pixel(7, 3);
        EXPECT_TRUE(near(actual, c.colour, 6))
            << c.what << ": got " << qRed(actual) << "," << qGreen(actual) << "," << qBlue(actual);
    }
}

TEST(JPEGImage, RejectsBrokenDataAndKeepsThePicture)
{
    const QByteArray photo = photoData();
    ASSERT_FALSE(photo.isEmpty());
    std::mt19937 random(7720);
    QByteArray noise(4096, '\0');
    for (char &byte : noise)
        byte = char(random());

    const struct
    {
        const char *what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"truncated", photo.left(photo.size() / 2)},
        {"headers only", photo.left(700)},
        {"random bytes", noise},
        {"not an image", QByteArray("QX-7720 jumper settings\n")},
    };
    for (const auto &c : cases) {
        TJPEGImage jpeg;
        jpeg.loadFromData(photo);
        QSignalSpy changes(&jpeg, &TJPEGImage::OnChange);
        try {
            jpeg.loadFromData(c.data);
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const EJPEGError &e) {
            EXPECT_STRNE(e.what(), "") << c.what;
        }
        EXPECT_EQ(jpeg.width(), 600) << c.what;
        EXPECT_EQ(changes.count(), 0) << c.what;
    }
}

TEST(JPEGImage, MissingFileThrows)
{
    TJPEGImage jpeg;
    EXPECT_THROW(jpeg.loadFromFile(QStringLiteral("no such photo.jpg")), EJPEGError);
    EXPECT_TRUE(jpeg.empty());
}

// Damaged copies of the photograph must either decode or throw; under the
// sanitizers this also shows that libjpeg's error path leaks nothing into
// memory it should not touch.
TEST(JPEGImage, SurvivesDamagedCopies)
{
    const QByteArray photo = photoData();
    ASSERT_FALSE(photo.isEmpty());
    std::mt19937 random(0x7720);
    int decoded = 0, rejected = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray copy = photo;
        if (round % 3 == 0) {
            copy.truncate(qsizetype(random() % quint32(photo.size())));
        } else {
            // Headers matter most: aim half of the damage at the first
            // kilobyte.
            const int flips = 1 + int(random() % 8);
            for (int i = 0; i < flips; ++i) {
                const quint32 span = random() % 2 ? 1024u : quint32(photo.size());
                const qsizetype at = qsizetype(random() % span);
                copy[at] = char(random());
            }
        }
        TJPEGImage jpeg;
        try {
            jpeg.loadFromData(copy);
            EXPECT_GT(jpeg.width() * jpeg.height(), 0);
            ++decoded;
        } catch (const EJPEGError &) {
            ++rejected;
        }
    }
    EXPECT_GT(decoded, 0);
    EXPECT_GT(rejected, 0);
}

TEST(JPEGImage, DrawFillsOnlyTheDestination)
{
    TJPEGImage jpeg;
    jpeg.loadFromFile(photoPath());
    QImage canvas(700, 600, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        jpeg.draw(painter, QRect(50, 20, 600, 567));
    }
    const QImage &image = jpeg.image();
    for (QPoint p : {QPoint(0, 0), QPoint(599, 566), QPoint(138, 525), QPoint(300, 30)})
        EXPECT_EQ(canvas.pixel(p + QPoint(50, 20)), image.pixel(p)) << p.x() << "," << p.y();
    EXPECT_EQ(canvas.pixel(49, 20), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(650, 586), qRgb(255, 255, 255));

    // Stretched to half the size it still covers exactly the rectangle.
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        jpeg.draw(painter, QRect(10, 10, 300, 284));
    }
    EXPECT_NE(canvas.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_NE(canvas.pixel(309, 293), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(310, 200), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(200, 294), qRgb(255, 255, 255));
}

TEST(JPEGImage, ReportsChanges)
{
    TJPEGImage jpeg;
    QSignalSpy changes(&jpeg, &TJPEGImage::OnChange);
    jpeg.loadFromFile(photoPath());
    EXPECT_EQ(changes.count(), 1);
    jpeg.setTransparent(true);
    jpeg.setTransparent(true);
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(jpeg.transparent());
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last().at(0).value<QObject *>(), &jpeg);

    TJPEGImage copy;
    copy.assign(jpeg);
    EXPECT_EQ(copy.image(), jpeg.image());
    EXPECT_TRUE(copy.transparent());
}
