#include "core/Colour.h"
