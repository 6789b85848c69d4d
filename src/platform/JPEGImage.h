#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <stdexcept>

class QByteArray;
class QPainter;
class QRect;
class QString;

// Raised for any picture that cannot be read: libjpeg's own message for
// broken, truncated or foreign data, or why the file could not be opened.
class EJPEGError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a picture file; throws EJPEGError when it cannot be read.
QByteArray ReadPictureFile(const QString &fileName);

// A JPEG picture, decoded by libjpeg itself so that reading never depends on
// which Qt image plugins happen to be installed.
class TJPEGImage : public QObject
{
    Q_OBJECT

public:
    explicit TJPEGImage(QObject *parent = nullptr);

    // Both keep the previous picture when they throw EJPEGError.
    void loadFromData(const QByteArray &data);
    void loadFromFile(const QString &fileName);
    // Copies picture and flags from source.
    void assign(const TJPEGImage &source);

    int width() const { return FImage.width(); }
    int height() const { return FImage.height(); }
    bool empty() const { return FImage.isNull(); }
    // RGB32, or RGB888 with a libjpeg that cannot write four-byte pixels.
    const QImage &image() const { return FImage; }

    // Stored for the owner only: a JPEG has no transparent colour.
    bool transparent() const { return FTransparent; }
    void setTransparent(bool transparent);
    bool paletteModified() const { return FPaletteModified; }
    void setPaletteModified(bool modified) { FPaletteModified = modified; }
    // Always nullptr: decoded JPEGs are true colour.
    const QList<QRgb> *palette() const { return nullptr; }

    // Stretches the picture to dest with the painter's own render hints.
    void draw(QPainter &painter, const QRect &dest) const;

signals:
    void OnChange(QObject *Sender);

private:
    QImage FImage;
    bool FTransparent = false;
    bool FPaletteModified = false;
};
