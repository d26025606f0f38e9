#include "windows/ErrorBox.h"
