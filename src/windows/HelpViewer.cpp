#include "windows/HelpViewer.h"
