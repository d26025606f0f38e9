#include "common/Forms.h"

TfrmAuralis *frmAuralis = nullptr;
TfrmElementInfo *frmElementInfo = nullptr;
TfrmSetTemperature *frmSetTemperature = nullptr;
TfrmAbout *frmAbout = nullptr;
