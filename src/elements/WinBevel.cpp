#include "elements/WinBevel.h"
