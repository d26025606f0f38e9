#include "core/Scale.h"
