#include "core/Numbers.h"
#include "elements/Elements.h"
#include "main/Unt_aura.h"
#include "settings/IniFile.h"
#include "settings/SettingsPath.h"
#include "windows/ErrorBox.h"

#include <QAction>
#include <QCloseEvent>
#include <QScrollBar>

QString TfrmAuralis::chooseSettingsFolder(const QStringList &arguments) const
{
    return SettingsPath::folderFromArguments(arguments, programFolder());
}

void TfrmAuralis::LoadColours() {}

void TfrmAuralis::LoadSettings()
{
    SelectedElement = 1;
    if (TElement *t = tile(1))
        t->setSelected(true);

    const double kelvin = 298.15;
    if (TempSlider)
        TempSlider->setValue(qBound(0, Numbers::roundHalfEven(kelvin), 6000));
    Temperature = float(kelvin);
    UpdateTempStatus(this);
    ApplyTemperature();

    if (mnuIUPACProvisional)
        mnuIUPACProvisional->setChecked(true);
    ApplyNamingScheme(false);
}

void TfrmAuralis::SaveSettings() {}

void TfrmAuralis::FormClose() {}

void TfrmAuralis::closeEvent(QCloseEvent *event)
{
    ErrorBox::guarded([this] { FormClose(); });
    event->accept();
}
