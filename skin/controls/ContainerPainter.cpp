#include "skin/controls/ContainerPainter.h"
