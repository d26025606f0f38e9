// Writes the program's icon as files for the desktop: one SVG and the PNG sizes the icon
// theme asks for. The picture is the one the window uses, drawn by the same code.
//   auralis_icongen OUTPUT-FOLDER NAME SIZE...

#include "toolbar/Glyphs.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

bool writeSvg(const QIcon &icon, const QString &file)
{
    // The drawing is vector; a large canvas keeps the generator's rounding out of sight.
    constexpr int Side = 256;
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(Side, Side));
    svg.setViewBox(QRect(0, 0, Side, Side));
    svg.setResolution(96); // CSS pixels, so the canvas is 256 px wide
    svg.setTitle(QStringLiteral("Auralis"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    icon.paint(&p, QRect(0, 0, Side, Side));
    return p.end();
}

bool writePng(const QIcon &icon, int side, const QString &file)
{
    // The window's own pixmap at this size, so small sizes keep their pixel snapping.
    const QImage image = icon.pixmap(QSize(side, side)).toImage();
    return image.size() == QSize(side, side) && image.save(file, "PNG");
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: auralis_icongen OUTPUT-FOLDER NAME SIZE...\n");
        return 2;
    }
    const QDir out(args[0]);
    const QString name = args[1];
    const QIcon icon = Glyphs::icon(Glyphs::Program);

    if (!QDir().mkpath(out.filePath(QStringLiteral("scalable")))
        || !writeSvg(icon, out.filePath(QStringLiteral("scalable/%1.svg").arg(name)))) {
        std::fprintf(stderr, "auralis_icongen: cannot write the SVG icon\n");
        return 1;
    }
    for (const QString &text : args.mid(2)) {
        bool ok = false;
        const int side = text.toInt(&ok);
        const QString folder = QStringLiteral("%1x%1").arg(side);
        if (!ok || side <= 0 || !QDir().mkpath(out.filePath(folder))
            || !writePng(icon, side, out.filePath(QStringLiteral("%1/%2.png").arg(folder, name)))) {
            std::fprintf(stderr, "auralis_icongen: cannot write the %s icon\n", qPrintable(text));
            return 1;
        }
    }
    return 0;
}
