#include "app/http_wait.h"
#include "app/main_window.h"
#include "app/window_theme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kinovra {
namespace {

// Drives the shown window through the window system's input path, as a user's mouse does.
class MainWindowEvents : public testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>([this](WindowControls&) { ++pageButtonClicks; },
            [this](WindowControls& controls) {
                selectedAtClick.push_back(controls.SelectedRow());
                clicksInWait += waiting ? 1 : 0;
            });
        window->Load();
        list = window->findChild<QTableWidget*>(QString::fromUtf8("超级列表框1"));
        ASSERT_NE(list, nullptr);
        for (const char* name : { "c", "a", "b" })
            window->SetCellText(window->InsertRow(), 2, Text(name));
    }

    void TearDown() override
    {
        window.reset();
        EnableWindowTheme(0);
    }

    void Click(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(
            window->windowHandle(), button, {}, widget->mapTo(window.get(), position));
        QCoreApplication::processEvents();
    }

    QPoint RowPoint(int row) const
    {
        return list->visualRect(list->model()->index(row, 2)).center();
    }

    std::unique_ptr<MainWindow> window;
    QTableWidget* list = nullptr;
    int pageButtonClicks = 0;
    std::vector<int> selectedAtClick;
    bool waiting = false;
    int clicksInWait = 0;
};

TEST_F(MainWindowEvents, LeftClickOnARowRaisesOneEventWithThatRowSelected)
{
    Click(list->viewport(), RowPoint(1));
    Click(list->viewport(), RowPoint(2));
    EXPECT_EQ(selectedAtClick, (std::vector{ 1, 2 }));
}

TEST_F(MainWindowEvents, ClickBelowTheRowsRaisesOneEventWithNoRowSelected)
{
    Click(list->viewport(), RowPoint(0));
    Click(list->viewport(), RowPoint(2) + QPoint(0, 60));
    EXPECT_EQ(selectedAtClick, (std::vector{ 0, -1 }));
    EXPECT_EQ(window->SelectedRow(), -1);
}

TEST_F(MainWindowEvents, DoubleClickRaisesOneEvent)
{
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
        list->viewport()->mapTo(window.get(), RowPoint(2)));
    QCoreApplication::processEvents();
    EXPECT_EQ(selectedAtClick, (std::vector{ 2 }));
}

// A click that a handler's ProcessPendingEvents took in must not run its handler later, inside the
// wait for an HTTP request, where posted events get through. The click is delivered as the event
// loop delivers it, with nothing processed after it.
TEST_F(MainWindowEvents, ListClickedNeverRunsInsideAnHttpWait)
{
    const QPoint position = RowPoint(1);
    const QPoint global = list->viewport()->mapToGlobal(position);
    QMouseEvent press(
        QEvent::MouseButtonPress, position, global, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(
        QEvent::MouseButtonRelease, position, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(list->viewport(), &press);
    QApplication::sendEvent(list->viewport(), &release);

    const HttpWaitHooks hooks = UiWaitHooks();
    waiting = true;
    for (int slice = 0; slice < 3; ++slice)
        hooks.whileWaiting();
    waiting = false;
    hooks.done();
    QCoreApplication::processEvents();
    EXPECT_EQ(selectedAtClick, (std::vector{ 1 }));
    EXPECT_EQ(clicksInWait, 0);
}

TEST_F(MainWindowEvents, HeaderRightButtonAndArrowKeysRaiseNothing)
{
    QHeaderView* header = list->horizontalHeader();
    Click(header->viewport(),
        QPoint(
            header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2));
    EXPECT_TRUE(selectedAtClick.empty()) << "header click";
    EXPECT_EQ(window->CellText(0, 2), Text("c")) << "the rows were sorted";

    Click(list->viewport(), RowPoint(1), Qt::RightButton);
    EXPECT_TRUE(selectedAtClick.empty()) << "right click";

    Click(list->viewport(), RowPoint(0));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->SelectedRow(), 1);
    EXPECT_EQ(selectedAtClick, (std::vector{ 0 })) << "arrow key";
}

TEST_F(MainWindowEvents, PageButtonClickRaisesPageButtonClicked)
{
    auto* button = window->findChild<QPushButton*>(QString::fromUtf8("按钮5"));
    Click(button, button->rect().center());
    EXPECT_EQ(pageButtonClicks, 1);
    EXPECT_TRUE(selectedAtClick.empty());
}

TEST_F(MainWindowEvents, ClicksPassThroughLabelsAndTheGroupBoxToTheControlsBeneath)
{
    auto* category = window->findChild<QComboBox*>(QString::fromUtf8("组合框1"));
    Click(window.get(), QPoint(320, 18)); // inside 标签2 too
    EXPECT_TRUE(category->view()->isVisible()) << "组合框1 did not open";
    category->hidePopup();

    Click(window.get(), QPoint(100, 120));
    EXPECT_EQ(
        window->focusWidget(), window->findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框2")));
}

} // namespace
} // namespace kinovra
