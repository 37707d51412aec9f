#include "skin/data/SkinData.h"
