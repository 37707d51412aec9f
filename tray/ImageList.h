#pragma once
// A list of icons of one size, as the tray icon's IconList. Only what a tray icon uses:
// adding icons, the count, and copying one image into an icon.
#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/Handles.h"

#include <vector>

class TCustomImageList : public TComponent {
    KELVORA_CLASS(TCustomImageList)
public:
    explicit TCustomImageList(TComponent* owner);

    int Count() const { return static_cast<int>(images_.size()); }
    // Adds a copy of the icon's image; returns its index (-1 for an empty icon).
    int AddIcon(const TIcon& icon);
    // Takes ownership of the icon handle; returns its index.
    int AddHandle(HICON icon);
    void Clear() { images_.clear(); }
    // Copies image `index` into `icon` (one change of the icon); an index outside the
    // list empties the icon.
    void GetIcon(int index, TIcon& icon) const;

private:
    std::vector<IconHandle> images_;
};

class TImageList : public TCustomImageList {
    KELVORA_CLASS(TImageList)
public:
    explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};
