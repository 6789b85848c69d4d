#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

class QString;
class TJPEGImage;

// Holds at most one graphic, as a picture property of a control does. The
// graphic belongs to the picture; OnChange follows every change of content,
// including changes made through graphic().
class TPicture : public QObject
{
    Q_OBJECT
    // The encoded picture, as a page description stores it.
    Q_PROPERTY(QByteArray Data READ Data WRITE loadFromData)

public:
    explicit TPicture(QObject *parent = nullptr);
    ~TPicture() override;

    // nullptr while the picture is empty.
    TJPEGImage *graphic() const { return FGraphic.get(); }
    int width() const;
    int height() const;
    bool empty() const { return !FGraphic; }
    // The bytes the picture was last read from; empty otherwise.
    QByteArray Data() const { return FData; }

    // Copies source's content into this picture, which stays the same object.
    void assign(const TPicture &source);
    // Both throw EJPEGError and keep the previous content when reading fails.
    void loadFromFile(const QString &fileName);
    void loadFromData(const QByteArray &data);
    void clear();

signals:
    void OnChange(QObject *Sender);

private:
    void setGraphic(std::unique_ptr<TJPEGImage> graphic);

    std::unique_ptr<TJPEGImage> FGraphic;
    QByteArray FData;
};
