#pragma once

// What the tests look at and set up without a window: the shipped files, the text of an
// error, file contents, ini values, and pixels of a picture.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

namespace Probes {

// The folder of the shipped data, help file and picture, ending in "/".
QString shippedFolder();

// The message of the program's error the action throws; empty when it throws none.
QString errorOf(const std::function<void()> &action);

// The bytes of a file; empty when it cannot be read.
QByteArray contentOf(const QString &path);
// True when the whole of bytes was written.
bool writeFile(const QString &path, const QByteArray &bytes);

// A value as the program's ini layer reads it; "<absent>" when the key is missing.
QString iniValue(const QString &path, const QString &section, const QString &key);
// Section and key names of an ini file in file order: "[Section]" or "Key".
QStringList namesInOrder(const QString &path);
// An auralis.ini in folder that keeps the first show quiet (no first-run notice, no
// colour check) and the main window at a known place.
bool writeQuietSettings(const QString &folder);
// The shipped data file written to folder with the given lines (0-based) replaced.
bool writeDataWith(const QString &folder, const QMap<int, QByteArray> &lines);

// Pixels within the rectangle whose colour is within tolerance (sum of the channel
// differences) of c.
int countColour(const QImage &image, const QRect &r, const QColor &c, int tolerance = 48);
// Connected runs (8-neighbours) of such pixels, as bounding boxes sorted left to right.
QList<QRect> colourBlobs(const QImage &image, const QRect &r, const QColor &c, int tolerance = 48);

}
