#include "toolbar/Glyphs.h"
