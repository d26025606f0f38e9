#include "main/Unt_aura.h"

#include "base/Numbers.h"
#include "base/Texts.h"
#include "elements/Elements.h"
#include "toolbar/TB97.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleFactory>
#include <QToolTip>

namespace {

} // namespace

// Answers the tool-tip delay with the current mode's value. The delay between two tips
// in a row keeps the toolkit's short value, so a tip that follows another shows at once.
// The delay is the application's, shared by every widget drawn with this style.
class HintStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return delay;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // The toolkit's 500 ms until the first switch of mode.
    static inline int delay = 500;
};

int TfrmAuralis::hintDelay() const
{
    return HintStyle::delay;
}

QStyle *TfrmAuralis::hintStyle(QStyle *base)
{
    return new HintStyle(base);
}

void TfrmAuralis::installHintStyle()
{
    HintStyle::delay = 500; // a new window starts before the first switch
    if (dynamic_cast<HintStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(hintStyle(QStyleFactory::create(QApplication::style()->name())));
}

void TfrmAuralis::setHintMode(bool tileMode)
{
    HintStyle::delay = tileMode ? 0 : 800;
    QPalette pal = QToolTip::palette();
    const TColor colour = tileMode ? m_tileHintColor : m_defaultHintColor;
    pal.setColor(QPalette::ToolTipBase, colour.resolve(pal));
    // Also recolours a tip that is on screen now.
    QToolTip::setPalette(pal);
}

void TfrmAuralis::Status(QObject *sender)
{
    auto *tileSender = qobject_cast<TElement *>(sender);
    if (!tileSender && hintDelay() != 800)
        setHintMode(false);

    QString text;
    const Command *command = tileSender ? nullptr : commandOf(sender);
    if (command && command->button && this->*command->button == sender)
        text = tr(command->status);
    else if (sender == panLegend || qobject_cast<QLabel *>(sender))
        text = tr("Double-click here to setup colors");
    else if (tileSender) {
        if (hintDelay() != 0)
            setHintMode(true);
        text = tileSender->number() + QStringLiteral(": ") + tileSender->hint()
            + QStringLiteral(",  ") + tileSender->symbol() + QStringLiteral(",  ")
            + tileSender->electronConfig();
    }

    // Mouse moves arrive continuously; the panel is written only when its text changes.
    text = Texts::cut(text);
    if (m_statusPanels[0]->text() != text)
        m_statusPanels[0]->setText(text);
}

void TfrmAuralis::ClearStatus()
{
    if (hintDelay() != 800)
        setHintMode(false);
    if (!m_statusPanels[0]->text().isEmpty())
        m_statusPanels[0]->clear();
}

void TfrmAuralis::UpdateTempStatus()
{
    m_statusPanels[1]->setText(
        Numbers::temperatureStatusText(m_state.temperature(), m_state.decimalSeparator()));
    for (int z = 1; z <= m_state.elementCount(); ++z)
        describeTile(z);
}

void TfrmAuralis::ToolsResize()
{
    if (StatusBar)
        m_statusPanels[0]->setFixedWidth(StatusBar->width() * 6 / 10);
}

void TfrmAuralis::ToolbarClose()
{
    if (mnuToolbar)
        mnuToolbar->setChecked(false);
}

void TfrmAuralis::ToolbarDockChanged()
{
    if (!isVisible() || !ToolbarDock || !TempSlider || !butAbout)
        return;
    if (QLayout *l = clientArea->layout())
        l->activate();
    if (toolbarDocked())
        FormResize();
    else
        TempSlider->resize(butAbout->x() + butAbout->width(), TempSlider->height());
}
