#include "main/Relief.h"
