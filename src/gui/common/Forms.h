#pragma once

// The program-wide windows, each created once at start-up (see app/Startup.cpp) and alive
// until the program ends. A pointer is null until its window exists; tests set them too.
class TfrmAuralis;
class TfrmElementInfo;
class TfrmSetTemperature;
class TfrmAbout;

extern TfrmAuralis *frmAuralis;
extern TfrmElementInfo *frmElementInfo;
extern TfrmSetTemperature *frmSetTemperature;
extern TfrmAbout *frmAbout;
