#include "main/TableLayout.h"
