#pragma once

#include "catalog/window_controls.h"
#include "text/codepage.h"

#include <array>
#include <functional>
#include <vector>

namespace kinovra {

// The window's controls in memory, as the real window behaves: adding items selects none, and
// once the window is closed every operation does nothing and gives its empty value.
class FakeWindow final : public WindowControls
{
public:
    using Row = std::array<Text, 5>;

    Text ComboText(ComboBoxId combo) override;
    int AddComboItem(ComboBoxId combo, const Text& text) override;
    int ComboItemCount(ComboBoxId combo) override;
    Text EditText() override;
    void SetEditText(const Text& text) override;
    void SetButtonCaption(const Text& text) override;
    void DeleteAllRows() override;
    int InsertRow() override;
    void SetCellText(int row, int column, const Text& text) override;
    Text CellText(int row, int column) override;
    int SelectedRow() override;
    // Runs whileProcessing (the events that a test lets through), then answers whether the
    // window is still open.
    bool ProcessPendingEvents() override;

    // What the user does between handlers.
    void Choose(ComboBoxId combo, const Text& item);
    void Close() { closed = true; }

    std::array<std::vector<Text>, 2> comboItems;
    std::array<int, 2> chosen{ -1, -1 };
    Text editText;
    Text caption = Gbk("初始化");
    std::vector<Row> rows;
    int selectedRow = -1;
    std::function<void()> whileProcessing;
    bool closed = false;
    // Operations other than ProcessPendingEvents that a handler called after the window closed.
    int callsAfterClose = 0;

private:
    bool Open();
    std::vector<Text>& Items(ComboBoxId combo);
};

} // namespace kinovra
