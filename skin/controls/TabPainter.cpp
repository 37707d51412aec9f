#include "skin/controls/TabPainter.h"
