#include "framework/ImageList.h"

#include <algorithm>

#include "skin/data/GdiAdapters.h"

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
    Image image;
    image.icon.reset(icon);
    images_.push_back(std::move(image));
    return Count() - 1;
}

int TCustomImageList::AddMasked(const PixelBuffer& strip, int width, uint32_t maskColour) {
    if (strip.Empty() || width <= 0) return -1;
    const int cells = strip.Width() / width;
    if (cells == 0) return -1;
    const int first = Count();
    for (int i = 0; i < cells; ++i) {
        Image image;
        image.cell = PixelBuffer(width, strip.Height());
        if (image.cell.Empty()) break;
        for (int y = 0; y < strip.Height(); ++y)
            std::copy(strip.Row(y) + i * width, strip.Row(y) + (i + 1) * width, image.cell.Row(y));
        image.maskColour = maskColour & 0xFFFFFFu;
        images_.push_back(std::move(image));
    }
    return Count() > first ? first : -1;
}

int TCustomImageList::LoadMasked(HINSTANCE module, const char* name, int width, uint32_t maskColour) {
    BitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return -1;
    // The resource's pixels as 32-bit ones, whatever its own depth.
    PixelBuffer strip(info.bmWidth, info.bmHeight);
    if (strip.Empty()) return -1;
    {
        BufferDc dest(strip);
        MemoryDcHandle src(CreateCompatibleDC(nullptr));
        if (!dest || !src) return -1;
        SelectScope selected(src.get(), bitmap.get());
        BitBlt(dest.get(), 0, 0, info.bmWidth, info.bmHeight, src.get(), 0, 0, SRCCOPY);
        dest.Pixels();
    }
    return AddMasked(strip, width, maskColour);
}

void TCustomImageList::GetIcon(int index, TIcon& icon) const {
    HICON copy = nullptr;
    if (index >= 0 && index < Count() && images_[static_cast<size_t>(index)].icon)
        copy = CopyIcon(images_[static_cast<size_t>(index)].icon.get());
    icon.SetHandle(copy);
}

bool TCustomImageList::Draw(HDC dc, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return false;
    const Image& image = images_[static_cast<size_t>(index)];
    if (image.icon) return DrawIconEx(dc, x, y, image.icon.get(), 0, 0, 0, nullptr, DI_NORMAL) != FALSE;
    TransparentCopy(dc, RECT{x, y, x + image.cell.Width(), y + image.cell.Height()}, image.cell, image.maskColour);
    return true;
}
