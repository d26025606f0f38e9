#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

// Pictures written to files and paper. The caller paints through one function that takes
// a painter and the rectangle to fill, so the window, a file and a printer all use the same
// drawing code; SVG and PDF keep lines as lines and text as text. Every file is written to
// a temporary file beside it and renamed over it at the end, so a failed write leaves no
// partial file.
namespace ExportFile {

enum class Kind { Unknown, Pdf, Svg, Png, Csv };

// By the file name's suffix, without regard to case.
Kind kindOf(const QString &path);

struct Options
{
    QSize pixels { 3508, 2480 }; // PNG
    QPageSize::PageSizeId page = QPageSize::A4; // PDF, landscape
    bool withPicture = false; // the window's background picture behind the chart
};

// The largest PNG side, so that a typo cannot ask for gigabytes.
constexpr int MaxPixels = 20000;

using Paint = std::function<void(QPainter &p, const QRectF &target)>;

// Paints into `path` as its suffix says (PDF, SVG or PNG). `logical` is the picture's
// natural size, used for SVG. Every device gets `dpi` as its resolution, the resolution
// the painted controls were laid out at, so their point-sized fonts keep their size.
// Throws "Cannot create file %s" / "Unable to write to %s".
void write(const QString &path, const QSizeF &logical, int dpi, const Options &options,
    const QString &title, const Paint &paint);

// Writes bytes through the same temporary-file-and-rename step.
void writeBytes(const QString &path, const QByteArray &bytes);

// One page, fitted inside the printer's margins (the caller sets orientation and margins).
// The printer's resolution should be the one the painted controls were laid out at (see
// write).
void print(QPrinter &printer, const Paint &paint);

// The rectangle of size `source` scaled to fit `target` and centred in it.
QRectF fitted(const QSizeF &source, const QRectF &target);

}
