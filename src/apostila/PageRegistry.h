// The program's way to its pages: the registry lives with the page classes, which reach each
// other through it; the program and its tests name it from here as well.
#pragma once

#include "pages/PageRegistry.h"
