// Common controls: the owner-data report list view and the progress bar.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/win/StdCtrls.h"

namespace tw {

// One row asked for by an owner-data list view.
struct TListItem {
    int Index = 0;
    std::wstring Caption;
    std::vector<std::wstring> SubItems;
};

struct TListColumn {
    std::wstring Caption;
    int Width = 50;
    bool AutoSize = false;  // takes the width the other columns leave
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

using TLVOwnerDataEvent = std::function<void(TObject* sender, TListItem& item)>;
using TItemEvent = std::function<void(TObject* sender, int index)>;
using TDropFilesEvent = std::function<void(TObject* sender, const std::vector<std::wstring>& files)>;

class TCustomListView : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TCustomListView(TComponent* owner);

    void SetColumns(std::vector<TListColumn> columns);
    const std::vector<TListColumn>& Columns() const { return columns_; }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle value) { viewStyle_ = value; }
    bool OwnerData() const { return ownerData_; }
    void SetOwnerData(bool value) { ownerData_ = value; }
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool value) { gridLines_ = value; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool value) { rowSelect_ = value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value) { borderStyle_ = value; }
    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool value);

    int ItemCount() const { return itemCount_; }
    void SetItemCount(int count);
    // The first selected row, or -1.
    int SelectedIndex() const;
    void SetSelectedIndex(int index);
    // Removes the view's own item state (selection, focus) along with its rows.
    void ClearItems();
    void Repaint();
    // Asks the view for one row again and repaints only that row.
    void RepaintRow(int index);

    TLVOwnerDataEvent OnData;
    // A double click on a row (not on the empty space below the rows).
    TItemEvent OnDblClick;
    TDropFilesEvent OnDropFiles;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void WndProc(TMessage& message) override;

private:
    void InsertColumns();
    void FitAutoSizeColumn();
    void FillDisplayInfo(NMLVDISPINFOW& info);

    std::vector<TListColumn> columns_;
    TViewStyle viewStyle_ = TViewStyle::vsIcon;
    bool ownerData_ = false, gridLines_ = false, rowSelect_ = false, readOnly_ = false, acceptFiles_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    int itemCount_ = 0;
    TListItem scratch_;
};

class TListView : public TCustomListView {
    TW_CLASS_INFO()
public:
    using TCustomListView::TCustomListView;
};

class TProgressBar : public TWinControl {
    TW_CLASS_INFO()
public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int value);
    void SetMax(int value);
    int Position() const { return position_; }
    // Kept within Min..Max, as the control itself does.
    void SetPosition(int value);

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;

private:
    void SendRange();
    int min_ = 0, max_ = 100, position_ = 0;
};

}  // namespace tw
