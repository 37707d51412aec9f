#include "skin/data/SkinManager.h"
