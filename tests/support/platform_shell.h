// The platform shell header under a name that does not clash with the program's own.
#pragma once
#include "../../platform/src/shell/shell.h"
