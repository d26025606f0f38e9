#include "Probes.h"

#include "base/Errors.h"
#include "settings/IniFile.h"

#include <QFile>
#include <algorithm>

namespace Probes {

QString shippedFolder()
{
    return QStringLiteral(AURALIS_SHIPPED_DATA "/");
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EAuralisError &e) {
        return e.message();
    }
    return QString();
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString iniValue(const QString &path, const QString &section, const QString &key)
{
    return IniFile(path).readString(section, key, QStringLiteral("<absent>"));
}

QStringList namesInOrder(const QString &path)
{
    QStringList names;
    for (const QByteArray &line : contentOf(path).split('\n')) {
        if (line.startsWith('['))
            names << QString::fromUtf8(line);
        else if (line.contains('='))
            names << QString::fromUtf8(line.left(line.indexOf('=')));
    }
    return names;
}

bool writeQuietSettings(const QString &folder)
{
    return writeFile(folder + QStringLiteral("/auralis.ini"),
        "[About]\r\nRead=1\r\n[Colors]\r\nBackground=Gray\r\n"
        "[Main Window]\r\nTop=5\r\nLeft=5\r\nWidth=700\r\nHeight=500\r\n");
}

bool writeDataWith(const QString &folder, const QMap<int, QByteArray> &replaced)
{
    QList<QByteArray> lines
        = contentOf(shippedFolder() + QStringLiteral("auralis.bkp")).split('\n');
    for (auto it = replaced.begin(); it != replaced.end(); ++it) {
        if (it.key() < 0 || it.key() >= lines.size())
            return false;
        QByteArray &line = lines[it.key()];
        line = it.value() + (line.endsWith('\r') ? "\r" : "");
    }
    return writeFile(folder + QStringLiteral("/auralis.bkp"), lines.join('\n'));
}

namespace {

bool near(const QColor &p, const QColor &c, int tolerance)
{
    return qAbs(p.red() - c.red()) + qAbs(p.green() - c.green()) + qAbs(p.blue() - c.blue())
        <= tolerance;
}

}

int countColour(const QImage &image, const QRect &r, const QColor &c, int tolerance)
{
    int n = 0;
    const QRect area = r.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (near(image.pixelColor(x, y), c, tolerance))
                ++n;
    return n;
}

QList<QRect> colourBlobs(const QImage &image, const QRect &r, const QColor &c, int tolerance)
{
    const QRect area = r.intersected(image.rect());
    QList<QRect> blobs;
    QVector<bool> seen(area.width() * area.height(), false);
    auto index
        = [&area](QPoint p) { return (p.y() - area.top()) * area.width() + (p.x() - area.left()); };
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint start(x, y);
            if (seen[index(start)] || !near(image.pixelColor(start), c, tolerance))
                continue;
            QRect box(start, QSize(1, 1));
            QList<QPoint> todo { start };
            seen[index(start)] = true;
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                box = box.united(QRect(p, QSize(1, 1)));
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (area.contains(q) && !seen[index(q)]
                            && near(image.pixelColor(q), c, tolerance)) {
                            seen[index(q)] = true;
                            todo.append(q);
                        }
                    }
            }
            blobs.append(box);
        }
    std::sort(blobs.begin(), blobs.end(),
        [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    return blobs;
}

}
