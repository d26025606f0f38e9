#include "app/Unt_spsh.h"
