#include "main/Unt_aura.h"
