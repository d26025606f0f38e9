#include "toolbar/TB97.h"
