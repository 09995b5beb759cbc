#include "tests/catalog/fake_window.h"

#include <algorithm>
#include <cstddef>

namespace kinovra {

bool FakeWindow::Open()
{
    if (closed)
        ++callsAfterClose;
    return !closed;
}

std::vector<Text>& FakeWindow::Items(ComboBoxId combo)
{
    return comboItems[static_cast<std::size_t>(combo)];
}

Text FakeWindow::ComboText(ComboBoxId combo)
{
    const int item = chosen[static_cast<std::size_t>(combo)];
    return Open() && item >= 0 ? Items(combo)[static_cast<std::size_t>(item)] : Text{};
}

int FakeWindow::AddComboItem(ComboBoxId combo, const Text& text)
{
    if (!Open())
        return -1;
    Items(combo).push_back(text);
    return static_cast<int>(Items(combo).size()) - 1;
}

int FakeWindow::ComboItemCount(ComboBoxId combo)
{
    return Open() ? static_cast<int>(Items(combo).size()) : 0;
}

Text FakeWindow::EditText()
{
    return Open() ? editText : Text{};
}

void FakeWindow::SetEditText(const Text& text)
{
    if (Open())
        editText = text;
}

void FakeWindow::SetButtonCaption(const Text& text)
{
    if (Open())
        caption = text;
}

void FakeWindow::DeleteAllRows()
{
    if (Open()) {
        rows.clear();
        selectedRow = -1;
    }
}

int FakeWindow::InsertRow()
{
    if (!Open())
        return -1;
    rows.emplace_back();
    return static_cast<int>(rows.size()) - 1;
}

void FakeWindow::SetCellText(int row, int column, const Text& text)
{
    if (Open() && row >= 0 && row < static_cast<int>(rows.size()) && column >= 0 && column < 5)
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
}

Text FakeWindow::CellText(int row, int column)
{
    if (Open() && row >= 0 && row < static_cast<int>(rows.size()) && column >= 0 && column < 5)
        return rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    return {};
}

int FakeWindow::SelectedRow()
{
    return Open() ? selectedRow : -1;
}

bool FakeWindow::ProcessPendingEvents()
{
    if (whileProcessing && !closed)
        whileProcessing();
    return !closed;
}

void FakeWindow::Choose(ComboBoxId combo, const Text& item)
{
    std::vector<Text>& items = Items(combo);
    auto found = std::find(items.begin(), items.end(), item);
    if (found == items.end())
        found = items.insert(items.end(), item);
    chosen[static_cast<std::size_t>(combo)] = static_cast<int>(found - items.begin());
}

} // namespace kinovra
