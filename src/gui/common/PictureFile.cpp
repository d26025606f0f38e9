#include "common/PictureFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QtMath>

namespace PictureFile {

namespace {

QString notValid()
{
    return QCoreApplication::translate("Errors", "Bitmap image is not valid");
}

[[noreturn]] void tooLarge(const QString &file, QSize size, const QString &limit)
{
    throw TooLarge(
        QCoreApplication::translate("Errors", "Bitmap image %1 is too large (%2 x %3 pixels; %4)")
            .arg(file)
            .arg(size.width())
            .arg(size.height())
            .arg(limit));
}

}

QPixmap load(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        Errors::cannotOpenFile(file);
    // The toolkit's own limit is below what MaxPixels needs; raised to that and no more.
    QImageReader::setAllocationLimit(AllocationLimitMiB);
    QImageReader reader(&f);
    if (!reader.canRead())
        throw EAuralisError(notValid());
    // Only the header has been read so far: a picture too large is refused before
    // anything is allocated for it.
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 pixels = qint64(size.width()) * size.height();
        if (pixels > MaxPixels)
            tooLarge(file, size,
                QCoreApplication::translate("Errors", "at most %1 million")
                    .arg(MaxPixels / 1000000));
        const QImage::Format format = reader.imageFormat();
        const int bits = format == QImage::Format_Invalid
            ? 32
            : qMax(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
        const qint64 bytes = pixels * bits / 8;
        if (bytes > (qint64(AllocationLimitMiB) << 20))
            tooLarge(file, size,
                QCoreApplication::translate("Errors", "%1 MB to decode; at most %2 MB")
                    .arg(qCeil(double(bytes) / 1e6))
                    .arg(MaxPixels * 4 / 1000000));
    }
    QImage image = reader.read();
    if (image.isNull())
        throw EAuralisError(
            reader.error() == QImageReader::UnknownError || reader.errorString().isEmpty()
                ? notValid()
                : reader.errorString());
    return QPixmap::fromImage(std::move(image));
}

}
