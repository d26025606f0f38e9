#include "main/KeyCycles.h"
