#include "Unt_spsh.h"

#include "base/ProgramName.h"

#include "common/Scale.h"
#include "toolbar/Glyphs.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <qdrawutil.h>

namespace {

QLabel *makeLabel(QWidget *parent, const QString &objectName, const QString &text, int left,
    int top, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(Scale::px(left), Scale::px(top));
    label->adjustSize();
    return label;
}

}

TfrmSplash::TfrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(Scale::size(460, 196));
    setFont(Scale::designFont(13));

    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    const int iconSize = Scale::px(32);
    imgIcon->setPixmap(Glyphs::icon(Glyphs::Program).pixmap(iconSize, iconSize));
    imgIcon->move(Scale::px(40), Scale::px(36));
    imgIcon->adjustSize();

    lblVer = makeLabel(
        this, QStringLiteral("lblVer"), ProgramName::title(), 116, 20, Scale::designFont(17));
    Label2 = makeLabel(
        this, QStringLiteral("Label2"), tr("Designed and created by:"), 116, 64, font());
    Label3
        = makeLabel(this, QStringLiteral("Label3"), tr("The Auralis developers"), 116, 84, font());
    Label4 = makeLabel(this, QStringLiteral("Label4"),
        tr("Copyright © 2026 The Auralis developers"), 116, 104, font());
    QFont bold = font();
    bold.setBold(true);
    Label5 = makeLabel(this, QStringLiteral("Label5"), QString(), 116, 136, bold);
    Label5->setFixedSize(Scale::size(305, 49));
    Label5->setWordWrap(false);

    // The texts size themselves; a longer one than the design's widens the window, as far
    // beyond the longest text as the icon stands from the left edge.
    int width = Scale::px(460);
    for (const QLabel *label : { lblVer, Label2, Label3, Label4 })
        width = std::max(width, label->x() + label->width() + imgIcon->x());
    setFixedSize(width, Scale::px(196));

    for (QWidget *w : { static_cast<QWidget *>(imgIcon), static_cast<QWidget *>(lblVer),
             static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label3),
             static_cast<QWidget *>(Label4), static_cast<QWidget *>(Label5) })
        w->installEventFilter(this);

    tmrSplash = new QTimer(this);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash->setInterval(1000);
    connect(tmrSplash, &QTimer::timeout, this, &TfrmSplash::tmrSplashTimer);
    tmrSplash->start();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
}

bool TfrmSplash::eventFilter(QObject *watched, QEvent *event)
{
    // A click: the left button released over the control it was pressed on.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint()))
            SplashClick();
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    // A raised dialog frame, two pixels deep.
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), false, &palette().brush(QPalette::Window));
}
