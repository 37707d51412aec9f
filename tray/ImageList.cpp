#include "tray/ImageList.h"

const TClassInfo& TCustomImageList::StaticClass() {
    static const TClassInfo info("TCustomImageList", &TComponent::StaticClass());
    return info;
}

const TClassInfo& TImageList::StaticClass() {
    static const TClassInfo info("TImageList", &TCustomImageList::StaticClass());
    return info;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

int TCustomImageList::AddIcon(const TIcon& icon) {
    if (icon.Empty()) return -1;
    HICON copy = CopyIcon(icon.Handle());
    if (!copy) return -1;
    return AddHandle(copy);
}

int TCustomImageList::AddHandle(HICON icon) {
    images_.emplace_back(icon);
    return Count() - 1;
}

void TCustomImageList::GetIcon(int index, TIcon& icon) const {
    HICON copy = nullptr;
    if (index >= 0 && index < Count()) copy = CopyIcon(images_[static_cast<size_t>(index)].get());
    icon.SetHandle(copy);
}
