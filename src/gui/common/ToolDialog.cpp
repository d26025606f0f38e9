#include "common/ToolDialog.h"

#include "common/FrameBounds.h"
#include "common/PageKeys.h"
#include "common/Placement.h"
#include "common/Scale.h"
#include "common/TextFit.h"
#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"

#include <QPushButton>
#include <QTabWidget>

ToolDialog::ToolDialog(const SharedState &state, QWidget *owner, const QString &objectName,
    const QString &title, QSize designSize, const PlaceKeys &keys)
    : m_state(state)
    , m_owner(owner)
    , m_keys(keys)
{
    setObjectName(objectName);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(title);
    setModal(true);
    setFont(Scale::designFont(13));
    setFixedSize(Scale::size(designSize.width(), designSize.height()));
}

void ToolDialog::createButtonRow(const ButtonRow &row, const std::function<void(QObject *)> &click)
{
    auto makeButton = [&](const char *name, const QString &caption, int left) {
        auto *button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(Scale::rect(left, row.top, 93, 28));
        if (!row.autoDefault)
            button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [click, button] { click(button); });
        return button;
    };
    butHelp = makeButton("butHelp", tr("&Help"), row.okLeft - 208);
    butCancel = makeButton("butCancel", row.cancelCaption, row.okLeft - 104);
    butOK = makeButton("butOK", tr("&OK"), row.okLeft);
    butOK->setDefault(true);
}

void ToolDialog::setStoredPages(QTabWidget *pages, const std::function<void(int)> &turn)
{
    m_pages = pages;
    new PageKeys(this, pages, turn);
}

void ToolDialog::fitToTexts()
{
    TextFit::fit(this, { { butHelp, butCancel, butOK } });
}

void ToolDialog::readPlace(const IniFile &ini)
{
    const int page = m_pages && m_keys.tab ? m_keys.tab->read(ini) : -1;
    if (m_pages && page >= 0 && page < m_pages->count()) {
        m_pages->setCurrentIndex(page);
        move(m_keys.left->read(ini), m_keys.top->read(ini));
        return;
    }
    const QPoint centred = Placement::centredOver(Placement::ownerFrame(m_owner), size());
    move(m_keys.left->read(ini, centred.x()), m_keys.top->read(ini, centred.y()));
}

void ToolDialog::writePlace(IniFile &ini) const
{
    if (m_pages && m_keys.tab)
        m_keys.tab->write(ini, m_pages->currentIndex());
    FrameBounds::writePosition(ini, *m_keys.left, *m_keys.top, pos());
}
