#include "data/Naming.h"
