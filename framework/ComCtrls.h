#pragma once
// Common controls: progress bar ("msctls_progress32"), tab control with pages
// ("SysTabControl32" holding "TTabSheet" windows) and status bar ("msctls_statusbar32").
#include "framework/Controls.h"
#include "framework/StdCtrls.h"

#include <memory>
#include <string>
#include <vector>

class TProgressBar : public TWinControl {
    KELVORA_CLASS(TProgressBar)
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);  // clamped to Min..Max; the window is told only of a change
    void SetRange(int min, int max);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;

private:
    int min_ = 0, max_ = 100, position_ = 0;
};

enum TTabStyle : uint8_t { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition : uint8_t { tpTop, tpBottom };

class TCustomTabControl : public TWinControl {
    KELVORA_CLASS(TCustomTabControl)
public:
    explicit TCustomTabControl(TComponent* owner);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle v);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition v);  // re-makes the window
    int TabIndex();
    void SetTabIndex(int v);
    // The area of the tab control that pages cover (client coordinates).
    RECT DisplayRect();

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void AdjustClientRect(RECT& rect) override;
    // TCN_SELCHANGING / TCN_SELCHANGE.
    virtual bool CanChange() { return true; }
    virtual void Change();

    TTabStyle style_ = tsTabs;
    TTabPosition tabPosition_ = tpTop;
};

class TPageControl;

// A page of a TPageControl: a framework window covering the tab control's display area.
class TTabSheet : public TCustomControl {
    KELVORA_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    int TabIndex() const;  // index among the visible tabs, -1 when its tab is hidden
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    // Parenting a page to a page control adds it as that control's last page.
    void SetParent(TWinControl* parent) override;

protected:
    void SetTextBuf(const std::string& s) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TCustomTabControl {
    KELVORA_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    void SelectNextPage(bool forward);

protected:
    void CreateHandleDone() override;
    void Change() override;
    void BoundsChanged() override;
    void AlignControls(RECT rect) override;
    void WndProc(TMessage& message) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTabs();
    void PlacePages();
    std::vector<TTabSheet*> pages_;  // not owned
    TTabSheet* activePage_ = nullptr;
};

class TCustomStatusBar;

enum TStatusPanelBevel : uint8_t { pbNone, pbLowered, pbRaised };

class TStatusPanel {
public:
    explicit TStatusPanel(TCustomStatusBar* bar) : bar_(bar) {}
    int Width() const { return width_; }
    void SetWidth(int v);
    std::string Text() const { return text_; }
    void SetText(const std::string& s);  // SB_SETTEXT for this panel
    int Index() const;
    // The panel's edge (SBT_NOBORDERS / SBT_POPOUT for the system's own drawing).
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel v);
    // Where the text sits in the panel (the system bar draws it left-aligned; skinned
    // bars honour it).
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);

private:
    TCustomStatusBar* bar_;
    int width_ = 50;
    std::string text_;
    TStatusPanelBevel bevel_ = pbLowered;
    TAlignment alignment_ = taLeftJustify;
};

class TStatusPanels {
public:
    explicit TStatusPanels(TCustomStatusBar* bar) : bar_(bar) {}
    TStatusPanel* Add();
    int Count() const { return static_cast<int>(panels_.size()); }
    TStatusPanel* Items(int index) const { return panels_.at(static_cast<size_t>(index)).get(); }
    TStatusPanel* operator[](int index) const { return Items(index); }
    void Clear();

private:
    friend class TStatusPanel;
    TCustomStatusBar* bar_;
    std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

// Custom drawing over one panel: rect is the panel's inside (its edge left out).
using TDrawPanelEvent =
    std::function<void(TCustomStatusBar* bar, TCanvas& canvas, TStatusPanel* panel, const RECT& rect)>;

// Panels side by side with their widths; the last panel reaches the right edge.
// SimplePanel shows SimpleText over the whole bar instead.
class TCustomStatusBar : public TWinControl {
    KELVORA_CLASS(TCustomStatusBar)
public:
    explicit TCustomStatusBar(TComponent* owner);
    ~TCustomStatusBar() override;
    TStatusPanels& Panels() { return *panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    std::string SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& s);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);

    // Called for each shown panel by a painter that draws the bar whole (the system's
    // own drawing of the bar does not call it).
    TDrawPanelEvent OnDrawPanel;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void BoundsChanged() override;

private:
    friend class TStatusPanel;
    friend class TStatusPanels;
    void UpdateParts();
    void UpdatePanelText(int index);
    std::unique_ptr<TStatusPanels> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = false;
};

class TStatusBar : public TCustomStatusBar {
    KELVORA_CLASS(TStatusBar)
public:
    explicit TStatusBar(TComponent* owner);
};
