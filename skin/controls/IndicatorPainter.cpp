#include "skin/controls/IndicatorPainter.h"
