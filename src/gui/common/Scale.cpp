#include "common/Scale.h"

#include "common/Guarded.h"
#include <QGuiApplication>

#include <QLabel>
#include <QScreen>

namespace Scale {

namespace {
constexpr int DesignDpi = 120;
// Without a screen (no display yet) assume the common 96 dpi.
constexpr double NoScreenFactor = 96.0 / DesignDpi;
}

double factor()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->logicalDotsPerInch() <= 0)
        return NoScreenFactor;
    return screen->logicalDotsPerInch() / DesignDpi;
}

int px(int designPixels)
{
    return qRound(designPixels * factor());
}

QSize size(int designWidth, int designHeight)
{
    return QSize(px(designWidth), px(designHeight));
}

QRect rect(int designLeft, int designTop, int designWidth, int designHeight)
{
    return QRect(px(designLeft), px(designTop), px(designWidth), px(designHeight));
}

QFont pointFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(qMax(1, pointSize));
    font.setBold(bold);
    return font;
}

QFont designFont(int designPixelHeight, bool bold)
{
    // Points = pixels × 72 / 120, to the nearest whole point: 13 px is 8 pt, 17 px 10 pt,
    // 23 px 14 pt. Points are then scaled to the screen by the toolkit.
    return pointFont((designPixelHeight * 72 + DesignDpi / 2) / DesignDpi, bold);
}

QLabel *placedLabel(
    QWidget *parent, const char *name, const QString &text, int designLeft, int designTop)
{
    auto *label = new GuardedLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(px(designLeft), px(designTop));
    label->adjustSize();
    return label;
}

}
