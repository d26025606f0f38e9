#include "elements/Elements.h"
