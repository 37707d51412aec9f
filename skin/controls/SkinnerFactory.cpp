#include "skin/controls/SkinnerFactory.h"

TSkinControl* CreateSkinner(TSkinnerKind, TComponent*) { return nullptr; }
