#include "platform/Picture.h"

#include "platform/JPEGImage.h"

#include <QByteArray>
#include <QString>

TPicture::TPicture(QObject *parent)
    : QObject(parent)
{
}

TPicture::~TPicture() = default;

int TPicture::width() const
{
    return FGraphic ? FGraphic->width() : 0;
}

int TPicture::height() const
{
    return FGraphic ? FGraphic->height() : 0;
}

void TPicture::assign(const TPicture &source)
{
    if (&source == this)
        return;
    if (!source.FGraphic) {
        clear();
        return;
    }
    auto copy = std::make_unique<TJPEGImage>();
    copy->assign(*source.FGraphic);
    FData = source.FData;
    setGraphic(std::move(copy));
}

void TPicture::loadFromFile(const QString &fileName)
{
    // Read into a fresh graphic so that a broken file leaves ours alone.
    loadFromData(ReadPictureFile(fileName));
}

void TPicture::loadFromData(const QByteArray &data)
{
    auto graphic = std::make_unique<TJPEGImage>();
    graphic->loadFromData(data);
    FData = data;
    setGraphic(std::move(graphic));
}

void TPicture::clear()
{
    FData.clear();
    if (FGraphic)
        setGraphic(nullptr);
}

void TPicture::setGraphic(std::unique_ptr<TJPEGImage> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        connect(FGraphic.get(), &TJPEGImage::OnChange, this, [this] { emit OnChange(this); });
    emit OnChange(this);
}
