#pragma once
// A list of images of one size: icons (the tray icon's IconList) and cells of a bitmap
// strip whose mask colour is transparent (the menu glyphs).
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
    // Cuts strip into cells `width` pixels wide (the last partial cell is dropped) and adds
    // them in order; pixels whose RGB is maskColour (0x00BBGGRR) stay transparent when
    // drawn. Returns the index of the first cell, -1 when the strip gives none.
    int AddMasked(const PixelBuffer& strip, int width, uint32_t maskColour);
    // The same for a bitmap resource of the module.
    int LoadMasked(HINSTANCE module, const char* name, int width, uint32_t maskColour);
    void Clear() { images_.clear(); }
    // Copies image `index` into `icon` (one change of the icon); an index outside the
    // list, or a strip cell, empties the icon.
    void GetIcon(int index, TIcon& icon) const;
    // Draws image `index` with its top-left at (x, y): an icon at its own size, a strip
    // cell with its mask colour left out. False for an index outside the list.
    bool Draw(HDC dc, int x, int y, int index) const;

private:
    struct Image {
        IconHandle icon;
        PixelBuffer cell;
        uint32_t maskColour = 0;
    };
    std::vector<Image> images_;
};

class TImageList : public TCustomImageList {
    KELVORA_CLASS(TImageList)
public:
    explicit TImageList(TComponent* owner) : TCustomImageList(owner) {}
};
