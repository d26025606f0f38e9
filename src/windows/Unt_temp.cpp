#include "windows/Unt_temp.h"
