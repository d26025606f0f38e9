#pragma once

class QApplication;

// The program's start-up: title, splash, the wait, the windows in their order, the loop.
int runAuralis(QApplication &app);
