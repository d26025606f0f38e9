#include "windows/Unt_info.h"
