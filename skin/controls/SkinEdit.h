#pragma once
// Text fields: the edit skinner. The edit paints itself; the skinner then covers its 3-D
// border with a thin frame (a ButtonShadow line and two white ones inside it), leaves a
// borderless edit alone, frames the picture the edit prints of its client area, and gives
// an up-down that lives inside the edit (a spin edit) its own skinner, drawn embedded.
#include "skin/controls/SkinControl.h"

class TSkinUpDown;

// A text field's frame over its border: a 1-pixel ButtonShadow outline of rect and
// whiteLines white outlines inside it.
void DrawFieldFrame(HDC dc, const RECT& rect, int whiteLines);

class TSkinEdit : public TSkinControl {
    KELVORA_CLASS(TSkinEdit)
public:
    explicit TSkinEdit(TComponent* owner);
    ~TSkinEdit() override;
    void Detach() override;
    void AfterMessage(TMessage& m) override;
    void PaintWindow(HDC dc) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    // The skinner of the up-down found inside the edit (owned by the edit's owner side).
    TSkinUpDown* UpDown() const { return upDown_.Get(); }

private:
    // The up-down inside the edit, looked for once (again after a child came or went).
    void SeekUpDown();
    void FindUpDown();
    bool HasBorder() const;
    void PrintFrame(HDC dc);
    void PrintControl(TMessage& m);

    TComponentRef<TSkinUpDown> upDown_;
    bool upDownSought_ = false;
};
