#include "data/ElementData.h"
