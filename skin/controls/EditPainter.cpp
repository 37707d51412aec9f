#include "skin/controls/EditPainter.h"
