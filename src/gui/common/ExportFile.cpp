#include "common/ExportFile.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <future>

#include <png.h>
#include <zlib.h>

namespace ExportFile {

namespace {

[[noreturn]] void cannotCreate(const QString &path)
{
    throw EAuralisError(QCoreApplication::translate("Errors", "Cannot create file %1").arg(path));
}

void open(QSaveFile &file)
{
    if (!file.open(QIODevice::WriteOnly))
        cannotCreate(file.fileName());
}

void commit(QSaveFile &file)
{
    if (!file.commit())
        Errors::unableToWrite(file.fileName());
}

}

namespace {

void pngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto *device = static_cast<QIODevice *>(png_get_io_ptr(png));
    if (device->write(reinterpret_cast<const char *>(data), qint64(length)) != qint64(length))
        png_error(png, "write failed");
}

void pngFlush(png_structp) { }

// A PNG written a band of rows at a time. A picture of flat colours and text: each row
// against the one above and run-length deflate at the fastest level give a small file (a
// poster of the table in under a megabyte) in a fraction of the time the toolkit's default
// writer takes on a poster-sized picture.
class PngWriter
{
public:
    PngWriter()
    {
        m_png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    }
    ~PngWriter() { png_destroy_write_struct(&m_png, &m_info); }

    bool begin(QIODevice &device, QSize size, int dotsPerMeter)
    {
        if (!m_png || !(m_info = png_create_info_struct(m_png)) || setjmp(png_jmpbuf(m_png)))
            return false;
        png_set_write_fn(m_png, &device, pngWrite, pngFlush);
        png_set_IHDR(m_png, m_info, png_uint_32(size.width()), png_uint_32(size.height()), 8,
            PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
            PNG_FILTER_TYPE_DEFAULT);
        png_set_pHYs(m_png, m_info, png_uint_32(dotsPerMeter), png_uint_32(dotsPerMeter),
            PNG_RESOLUTION_METER);
        png_set_filter(m_png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
        png_set_compression_level(m_png, 1);
        png_set_compression_strategy(m_png, Z_RLE);
        png_write_info(m_png, m_info);
        // An RGB32 pixel is the 32-bit value 0xffRRGGBB in the machine's byte order.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_filler(m_png, 0, PNG_FILLER_AFTER);
        png_set_bgr(m_png);
#else
        png_set_filler(m_png, 0, PNG_FILLER_BEFORE);
#endif
        return true;
    }
    // `rows` rows of an RGB32 band from its row `first`.
    bool write(const QImage &band, int first, int rows)
    {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        for (int y = first; y < first + rows; ++y)
            png_write_row(m_png, band.constScanLine(y));
        return true;
    }
    bool end()
    {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        png_write_end(m_png, m_info);
        return true;
    }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};

// Rows painted and written at a time: a band stays in the caches, and no picture of tens of
// megabytes is made.
constexpr int BandRows = 256;
// Rows painted above and below a band but not written: the toolkit leaves text out of the
// first row inside a clip, which would draw a hairline through every symbol a band's edge
// crosses.
constexpr int BandOverlap = 2;

}

Kind kindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return Kind::Pdf;
    if (suffix == QLatin1String("svg"))
        return Kind::Svg;
    if (suffix == QLatin1String("png"))
        return Kind::Png;
    if (suffix == QLatin1String("csv"))
        return Kind::Csv;
    return Kind::Unknown;
}

QRectF fitted(const QSizeF &source, const QRectF &target)
{
    if (source.isEmpty() || target.isEmpty())
        return QRectF(target.topLeft(), QSizeF());
    const QSizeF size = source.scaled(target.size(), Qt::KeepAspectRatio);
    return QRectF(target.left() + (target.width() - size.width()) / 2,
        target.top() + (target.height() - size.height()) / 2, size.width(), size.height());
}

void write(const QString &path, const QSizeF &logical, int dpi, const Options &options,
    const QString &title, const Paint &paint)
{
    QSaveFile file(path);
    switch (kindOf(path)) {
    case Kind::Pdf: {
        open(file);
        {
            QPdfWriter pdf(&file);
            pdf.setTitle(title);
            pdf.setCreator(QStringLiteral("Auralis"));
            pdf.setResolution(dpi);
            pdf.setPageLayout(QPageLayout(QPageSize(options.page), QPageLayout::Landscape,
                QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
            QPainter p;
            if (!p.begin(&pdf))
                Errors::unableToWrite(path);
            // The painter's origin is the top-left corner inside the margins.
            const QRect inside = pdf.pageLayout().paintRectPixels(pdf.resolution());
            paint(p, QRectF(QPointF(0, 0), QSizeF(inside.size())));
            p.end();
        }
        break;
    }
    case Kind::Svg: {
        open(file);
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setTitle(title);
        svg.setResolution(dpi);
        svg.setSize(logical.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), logical));
        QPainter p;
        if (!p.begin(&svg))
            Errors::unableToWrite(path);
        paint(p, QRectF(QPointF(0, 0), logical));
        p.end();
        break;
    }
    case Kind::Png: {
        const QSize size = options.pixels;
        // Two bands: the next is painted while the one before is compressed on another
        // thread (libpng and the file are only ever used by one thread at a time, and
        // the painting stays on this one).
        QImage bands[2];
        for (QImage &band : bands) {
            band = QImage(size.width(), qMin(BandRows, size.height()) + 2 * BandOverlap,
                QImage::Format_RGB32);
            if (band.isNull())
                throw EAuralisError(QCoreApplication::translate(
                    "Errors", "Not enough memory for a picture of %1 × %2 pixels")
                                        .arg(size.width())
                                        .arg(size.height()));
            band.setDotsPerMeterX(qRound(dpi / 0.0254));
            band.setDotsPerMeterY(qRound(dpi / 0.0254));
        }
        open(file);
        PngWriter png;
        if (!png.begin(file, size, bands[0].dotsPerMeterX()))
            Errors::unableToWrite(path);
        // However this ends, the future's end waits for the band still being written, before
        // the writer and the file go.
        std::future<bool> written;
        int index = 0;
        for (int top = 0; top < size.height(); top += BandRows, index ^= 1) {
            QImage &band = bands[index];
            band.fill(Qt::white);
            {
                QPainter p(&band);
                p.setRenderHint(QPainter::TextAntialiasing);
                p.translate(0, BandOverlap - top);
                p.setClipRect(QRect(0, top - BandOverlap, size.width(), band.height()));
                paint(p, QRectF(QPointF(0, 0), QSizeF(size)));
            }
            if (written.valid() && !written.get())
                Errors::unableToWrite(path);
            const int rows = qMin(BandRows, size.height() - top);
            written = std::async(std::launch::async,
                [&png, &band, rows] { return png.write(band, BandOverlap, rows); });
        }
        if (written.valid() && !written.get())
            Errors::unableToWrite(path);
        if (!png.end())
            Errors::unableToWrite(path);
        break;
    }
    default:
        throw EAuralisError(
            QCoreApplication::translate("Errors", "%1: the name must end in .pdf, .svg or .png")
                .arg(path));
    }
    commit(file);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    open(file);
    if (file.write(bytes) != bytes.size())
        Errors::unableToWrite(path);
    commit(file);
}

void print(QPrinter &printer, const Paint &paint)
{
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // Recorded first and then played to the printer: controls painted straight onto a
    // printer are turned into one bitmap by the toolkit; a recording keeps lines and text.
    QPicture recording;
    {
        QPainter r(&recording);
        paint(r, QRectF(QPointF(0, 0), QSizeF(page.size())));
    }
    QPainter p;
    if (!p.begin(&printer))
        throw EAuralisError(
            QCoreApplication::translate("Errors", "The printer could not be started"));
    recording.play(&p);
    p.end();
}

}
