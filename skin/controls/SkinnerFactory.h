#pragma once
// Makes the skinner of one kind, owned by owner (not attached yet); nullptr for kinds
// whose skinner this build does not have.
#include "skin/controls/ControlKinds.h"

class TComponent;
class TSkinControl;

TSkinControl* CreateSkinner(TSkinnerKind kind, TComponent* owner);
