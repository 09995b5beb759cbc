#pragma once

#include "catalog/window_controls.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace kinovra {

// The program's only window. Its controls are children that carry their names as object names
// (findChild<QComboBox*>("组合框2")). Once the user has closed it, ProcessPendingEvents gives
// false and every other operation does nothing and gives its empty value; the object itself
// stays until its owner deletes it, which must not happen while a handler is running.
class MainWindow : public QWidget, public WindowControls
{
public:
    using Handler = std::function<void(WindowControls&)>;

    // Creates the window hidden, with all its controls. pageButtonClicked runs when 按钮5 is
    // clicked, listClicked after each left click in the row area of 超级列表框1; either may be
    // empty.
    MainWindow(Handler pageButtonClicked, Handler listClicked);

    // Raises WindowCreated, which switches the window theme on, then shows the window centred on
    // its screen.
    void Load();

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
    bool ProcessPendingEvents() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void WindowCreated();
    void Raise(const Handler& handler);
    QComboBox* Combo(ComboBoxId combo) const;
    bool CellExists(int row, int column) const;

    Handler pageButtonHandler;
    Handler listHandler;
    bool closed = false;

    QComboBox* 组合框1 = nullptr;
    QLabel* 标签2 = nullptr;
    QPlainTextEdit* 编辑框2 = nullptr;
    QComboBox* 组合框2 = nullptr;
    QPushButton* 按钮5 = nullptr;
    QTableWidget* 超级列表框1 = nullptr;
    QLabel* 标签1 = nullptr;
    QGroupBox* 分组框1 = nullptr;
};

} // namespace kinovra
