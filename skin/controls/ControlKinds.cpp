#include "skin/controls/ControlKinds.h"
