#pragma once
// "SysListView32" in report style: columns with captions and widths over rows of items.
// The columns are kept by the control and given to every window it makes; the rows live
// in the window.
#include <string>
#include <vector>

#include "framework/Controls.h"

class TListView : public TWinControl {
    KELVORA_CLASS(TListView)
public:
    explicit TListView(TComponent* owner);
    // A column at the end; returns its index.
    int AddColumn(const std::string& caption, int width);
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    // A row at the end with its first column's text; returns its index.
    int AddItem(const std::string& caption);
    int ItemCount();
    // The column header child window (null without a window).
    HWND HeaderHandle() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;

private:
    struct Column {
        std::string caption;
        int width;
    };
    void InsertColumn(int index);
    std::vector<Column> columns_;
};
