#include "skin/data/SkinOptions.h"
