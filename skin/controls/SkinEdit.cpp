#include "skin/controls/SkinEdit.h"

const TClassInfo& TSkinEdit::StaticClass() {
    static const TClassInfo info("TSkinEdit", &TSkinControl::StaticClass());
    return info;
}

TSkinEdit::TSkinEdit(TComponent* owner) : TSkinControl(owner) {}
