#include "platform/JPEGImage.h"

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QRect>
#include <QString>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Anything larger comes from a damaged header, not from a photograph;
// refusing it keeps a corrupt file from claiming gigabytes.
constexpr unsigned long long MaxPixels = 64ull * 1024 * 1024;
// A damaged progressive file can announce scans without end; real ones
// use about a dozen.
constexpr int MaxScans = 1000;

// libjpeg only knows pub; the rest rides along behind it.
struct TErrorManager
{
    jpeg_error_mgr pub;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

TErrorManager *managerOf(j_common_ptr cinfo)
{
    return reinterpret_cast<TErrorManager *>(cinfo->err);
}

} // namespace

// libjpeg calls these through C function pointers. error_exit must never
// return, and unwinding a C++ exception through libjpeg's C frames is not
// safe, so it jumps back to decompress() instead.
extern "C" {

[[noreturn]] static void failDecoding(j_common_ptr cinfo)
{
    TErrorManager *manager = managerOf(cinfo);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// A warning means libjpeg made up pixels (a truncated file is padded with
// grey, for one); we would rather say the file is broken than show that.
static void emitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        failDecoding(cinfo);
}

static void outputMessage(j_common_ptr) {}

static void watchScans(j_common_ptr cinfo)
{
    const auto *dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > MaxScans) {
        TErrorManager *manager = managerOf(cinfo);
        std::snprintf(manager->message, sizeof manager->message,
                      "JPEG has more than %d scans", MaxScans);
        std::longjmp(manager->jump, 1);
    }
}

} // extern "C"

namespace {

void fail(TErrorManager &manager, const char *message)
{
    std::snprintf(manager.message, sizeof manager.message, "%s", message);
}

// Converts one row of Adobe's inverted CMYK, or plain CMYK, to RGB32.
void cmykToRgb(const JSAMPLE *src, QRgb *dst, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, src += 4) {
        int c = src[0], m = src[1], y = src[2], k = src[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        dst[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Returns false with manager.message set when libjpeg gives up. Everything
// with a destructor lives in the caller: the longjmp back here skips only
// libjpeg's frames, and nothing declared after setjmp is read after it.
bool decompress(jpeg_decompress_struct &cinfo, TErrorManager &manager, const QByteArray &data, QImage &image)
{
    if (setjmp(manager.jump))
        return false;

    jpeg_create_decompress(&cinfo);
    manager.progress.progress_monitor = watchScans;
    cinfo.progress = &manager.progress;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);

    if (static_cast<unsigned long long>(cinfo.image_width) * cinfo.image_height > MaxPixels) {
        fail(manager, "JPEG image is too large");
        return false;
    }

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    QImage::Format format = QImage::Format_RGB32;
    if (cmyk) {
        cinfo.out_color_space = JCS_CMYK;
    } else {
#if defined(JCS_ALPHA_EXTENSIONS)
        // The alpha variants promise an opaque fourth byte, as RGB32 needs.
        cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
#else
        cinfo.out_color_space = JCS_RGB;
        format = QImage::Format_RGB888;
#endif
    }
    jpeg_start_decompress(&cinfo);

    image = QImage(int(cinfo.output_width), int(cinfo.output_height), format);
    if (image.isNull()) {
        fail(manager, "Not enough memory for the JPEG image");
        return false;
    }

    if (cmyk) {
        JSAMPARRAY buffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                        cinfo.output_width * 4, 1);
        while (cinfo.output_scanline < cinfo.output_height) {
            const int y = int(cinfo.output_scanline);
            jpeg_read_scanlines(&cinfo, buffer, 1);
            cmykToRgb(buffer[0], reinterpret_cast<QRgb *>(image.scanLine(y)), cinfo.output_width,
                      cinfo.saw_Adobe_marker);
        }
    } else {
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

QImage decode(const QByteArray &data)
{
    // Zeroed so that jpeg_destroy_decompress is harmless even when
    // jpeg_create_decompress itself failed.
    jpeg_decompress_struct cinfo{};
    TErrorManager manager{};
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = failDecoding;
    manager.pub.emit_message = emitMessage;
    manager.pub.output_message = outputMessage;

    QImage image;
    const bool decoded = decompress(cinfo, manager, data, image);
    jpeg_destroy_decompress(&cinfo);
    if (!decoded)
        throw EJPEGError(manager.message[0] ? manager.message : "Cannot read JPEG image");
    return image;
}

} // namespace

TJPEGImage::TJPEGImage(QObject *parent)
    : QObject(parent)
{
}

void TJPEGImage::loadFromData(const QByteArray &data)
{
    FImage = decode(data);
    emit OnChange(this);
}

QByteArray ReadPictureFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EJPEGError(QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString()).toStdString());
    return file.readAll();
}

void TJPEGImage::loadFromFile(const QString &fileName)
{
    loadFromData(ReadPictureFile(fileName));
}

void TJPEGImage::assign(const TJPEGImage &source)
{
    if (&source == this)
        return;
    FImage = source.FImage;
    FTransparent = source.FTransparent;
    FPaletteModified = source.FPaletteModified;
    emit OnChange(this);
}

void TJPEGImage::setTransparent(bool transparent)
{
    if (FTransparent == transparent)
        return;
    FTransparent = transparent;
    emit OnChange(this);
}

void TJPEGImage::draw(QPainter &painter, const QRect &dest) const
{
    if (!FImage.isNull())
        painter.drawImage(dest, FImage);
}
