#pragma once

#include "text/text_type.h"

namespace kinovra {

enum class ComboBoxId
{
    组合框1,
    组合框2,
};

// The operations on the main window's controls that the catalogue handlers use. Rows and columns
// are 0-based; texts are code page 936. Once the window has been closed every operation does
// nothing and gives the empty value of its result.
class WindowControls
{
public:
    virtual ~WindowControls() = default;

    // The selected item's text; empty while no item is selected.
    virtual Text ComboText(ComboBoxId combo) = 0;
    // Appends an item without selecting it; the new index, or -1.
    virtual int AddComboItem(ComboBoxId combo, const Text& text) = 0;
    virtual int ComboItemCount(ComboBoxId combo) = 0;

    // The content box 编辑框2, lines separated by CR LF.
    virtual Text EditText() = 0;
    virtual void SetEditText(const Text& text) = 0;

    // The caption of the page button 按钮5.
    virtual void SetButtonCaption(const Text& text) = 0;

    // The report list 超级列表框1.
    virtual void DeleteAllRows() = 0;
    // Appends an empty row; its index (the row count before the call), or -1.
    virtual int InsertRow() = 0;
    // Nothing is stored for a row or column that does not exist.
    virtual void SetCellText(int row, int column, const Text& text) = 0;
    // The empty text for a row or column that does not exist.
    virtual Text CellText(int row, int column) = 0;
    // -1 when no row is selected.
    virtual int SelectedRow() = 0;

    // Dispatches every waiting event, which may run other handlers nested inside the caller.
    // False once the window has been closed: the calling handler must then return at once.
    virtual bool ProcessPendingEvents() = 0;
};

} // namespace kinovra
