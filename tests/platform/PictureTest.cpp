#include "platform/JPEGImage.h"
#include "platform/Picture.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QString photoPath()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../src/template/QX7720.jpg"));
}

} // namespace

TEST(Picture, StartsEmpty)
{
    TPicture picture;
    EXPECT_EQ(picture.graphic(), nullptr);
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(picture.width(), 0);
    EXPECT_EQ(picture.height(), 0);
}

TEST(Picture, EveryContentChangeIsReported)
{
    TPicture picture;
    QSignalSpy changes(&picture, &TPicture::OnChange);

    picture.loadFromFile(photoPath());
    ASSERT_NE(picture.graphic(), nullptr);
    EXPECT_EQ(picture.width(), 600);
    EXPECT_EQ(picture.height(), 567);
    EXPECT_EQ(changes.count(), 1);

    // Changes made through the graphic count as the picture's own.
    picture.graphic()->setTransparent(true);
    EXPECT_EQ(changes.count(), 2);

    picture.clear();
    EXPECT_EQ(picture.graphic(), nullptr);
    EXPECT_EQ(changes.count(), 3);
    picture.clear();
    EXPECT_EQ(changes.count(), 3);

    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last().at(0).value<QObject *>(), &picture);
}

TEST(Picture, AssignCopiesContentNotIdentity)
{
    TPicture source, target;
    source.loadFromFile(photoPath());
    source.graphic()->setTransparent(true);
    QSignalSpy changes(&target, &TPicture::OnChange);

    target.assign(source);
    ASSERT_NE(target.graphic(), nullptr);
    EXPECT_NE(target.graphic(), source.graphic());
    EXPECT_EQ(target.graphic()->image(), source.graphic()->image());
    EXPECT_TRUE(target.graphic()->transparent());
    EXPECT_EQ(changes.count(), 1);

    // The copy is independent: clearing the source leaves it alone.
    source.clear();
    EXPECT_EQ(target.width(), 600);

    target.assign(source);
    EXPECT_EQ(target.graphic(), nullptr);
    EXPECT_EQ(changes.count(), 2);
}

TEST(Picture, FailedLoadKeepsContent)
{
    TPicture picture;
    picture.loadFromFile(photoPath());
    TJPEGImage *before = picture.graphic();
    QSignalSpy changes(&picture, &TPicture::OnChange);

    EXPECT_THROW(picture.loadFromData(QByteArray("not a photograph")), EJPEGError);
    EXPECT_THROW(picture.loadFromFile(QStringLiteral("no such photo.jpg")), EJPEGError);
    EXPECT_EQ(picture.graphic(), before);
    EXPECT_EQ(picture.width(), 600);
    EXPECT_EQ(changes.count(), 0);
}
