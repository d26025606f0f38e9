#include "windows/Unt_abot.h"
