#include "main/Unt_aura.h"

void TfrmAuralis::Status(QObject *) {}

void TfrmAuralis::ClearStatus() {}

void TfrmAuralis::UpdateTempStatus(QObject *) {}

void TfrmAuralis::ToolsResize() {}

void TfrmAuralis::ToolbarClose() {}

void TfrmAuralis::ToolbarDockChanged() {}
