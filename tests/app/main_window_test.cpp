#include "app/main_window.h"
#include "app/window_theme.h"
#include "text/codepage.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace kinovra {
namespace {

QString Q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(MainWindowLayout, ControlsAreCreatedInOrderWithTheirKindAndGeometry)
{
    MainWindow window(nullptr, nullptr);
    struct Control
    {
        const char* name;
        const char* kind;
        QRect geometry;
    };
    const Control expected[] = {
        { "组合框1", "QComboBox", { 301, 8, 48, 20 } },
        { "标签2", "QLabel", { 264, 8, 80, 24 } },
        { "编辑框2", "QPlainTextEdit", { 0, 59, 560, 125 } },
        { "组合框2", "QComboBox", { 408, 8, 48, 20 } },
        { "按钮5", "QPushButton", { 472, 8, 56, 24 } },
        { "超级列表框1", "QTableWidget", { -16, 192, 576, 280 } },
        { "标签1", "QLabel", { 371, 8, 80, 24 } },
        { "分组框1", "QGroupBox", { 0, 40, 560, 144 } },
    };
    QList<QWidget*> created;
    for (QObject* child : window.children()) {
        if (auto* widget = qobject_cast<QWidget*>(child))
            created.append(widget);
    }
    ASSERT_EQ(created.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(created[i]->objectName(), Q(expected[i].name));
        EXPECT_TRUE(created[i]->inherits(expected[i].kind));
        EXPECT_EQ(created[i]->geometry(), expected[i].geometry);
    }

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kinovra  "));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(48, 48)));

    const auto* 组合框1 = window.findChild<QComboBox*>(Q("组合框1"));
    ASSERT_NE(组合框1, nullptr);
    EXPECT_FALSE(组合框1->isEditable());
    EXPECT_EQ(组合框1->count(), 2);
    EXPECT_EQ(组合框1->itemText(1), Q("伦理"));
    EXPECT_EQ(组合框1->font().pixelSize(), 14);
    EXPECT_EQ(window.findChild<QPushButton*>(Q("按钮5"))->text(), Q("初始化"));
}

TEST(MainWindowLayout, ListHasItsFiveColumnsAndReportSettings)
{
    MainWindow window(nullptr, nullptr);
    const auto* list = window.findChild<QTableWidget*>(Q("超级列表框1"));
    ASSERT_NE(list, nullptr);
    struct Column
    {
        const char* title;
        int width;
        Qt::Alignment alignment;
    };
    const Column expected[] = {
        { "", 0, Qt::AlignLeft },
        { "网页链接", 10, Qt::AlignHCenter },
        { "片名", 300, Qt::AlignLeft },
        { "分类", 100, Qt::AlignLeft },
        { "更新时间", 100, Qt::AlignLeft },
    };
    ASSERT_EQ(list->columnCount(), 5);
    for (int column = 0; column < 5; ++column) {
        SCOPED_TRACE(column);
        const QTableWidgetItem* title = list->horizontalHeaderItem(column);
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), Q(expected[column].title));
        EXPECT_EQ(list->columnWidth(column), expected[column].width);
        EXPECT_EQ(Qt::Alignment(title->textAlignment()) & Qt::AlignHorizontal_Mask,
            expected[column].alignment);
    }
    EXPECT_FALSE(list->horizontalHeader()->isHidden());
    EXPECT_TRUE(list->horizontalHeader()->sectionsClickable());
    EXPECT_TRUE(list->verticalHeader()->isHidden());
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(list->showGrid());
    EXPECT_EQ(list->font().pixelSize(), 14);
    EXPECT_EQ(list->rowCount(), 0);
}

TEST(MainWindowLayout, DropDownListOpensBelowTheBoxAndEndsWithin160Pixels)
{
    MainWindow window(nullptr, nullptr);
    window.Load();
    for (int page = 1; page <= 40; ++page)
        window.AddComboItem(ComboBoxId::组合框2, Text(std::to_string(page)));
    auto* combo = window.findChild<QComboBox*>(Q("组合框2"));
    combo->showPopup();
    const QRect list = combo->view()->window()->geometry();
    const int top = combo->mapToGlobal(QPoint(0, 0)).y();
    combo->hidePopup();
    EXPECT_GE(list.top(), top + combo->height() - 2);
    EXPECT_LE(list.bottom() - top + 1, 160);
    EXPECT_GE(list.bottom() - top + 1, 120) << "room for several rows";
    EnableWindowTheme(0);
}

TEST(MainWindowOperations, ComboTextStaysEmptyUntilTheUserPicks)
{
    MainWindow window(nullptr, nullptr);
    EXPECT_EQ(window.ComboText(ComboBoxId::组合框1), Text());
    EXPECT_EQ(window.ComboItemCount(ComboBoxId::组合框1), 2);

    EXPECT_EQ(window.ComboText(ComboBoxId::组合框2), Text());
    EXPECT_EQ(window.AddComboItem(ComboBoxId::组合框2, Text("1")), 0);
    EXPECT_EQ(window.AddComboItem(ComboBoxId::组合框2, Text("2")), 1);
    EXPECT_EQ(window.AddComboItem(ComboBoxId::组合框2, Gbk("第三页")), 2);
    EXPECT_EQ(window.ComboItemCount(ComboBoxId::组合框2), 3);
    EXPECT_EQ(window.ComboText(ComboBoxId::组合框2), Text());

    window.findChild<QComboBox*>(Q("组合框2"))->setCurrentIndex(2);
    EXPECT_EQ(window.ComboText(ComboBoxId::组合框2), Gbk("第三页"));
    EXPECT_EQ(window.ComboText(ComboBoxId::组合框1), Text());
}

TEST(MainWindowOperations, RowsAndCellsGiveEmptyValuesOutsideTheList)
{
    MainWindow window(nullptr, nullptr);
    EXPECT_EQ(window.InsertRow(), 0);
    EXPECT_EQ(window.InsertRow(), 1);
    EXPECT_EQ(window.InsertRow(), 2);
    EXPECT_EQ(window.InsertRow(), 3);

    const Text name(Gbk("片名很长").str() + std::string(5000, 'x'));
    window.SetCellText(1, 2, name);
    window.SetCellText(1, 1, Text("/v/1.html"));
    EXPECT_EQ(window.CellText(1, 2), name);
    EXPECT_EQ(window.CellText(1, 1), Text("/v/1.html"));
    EXPECT_EQ(window.CellText(2, 2), Text()) << "a cell never set";

    struct Cell
    {
        int row;
        int column;
    };
    const auto* list = window.findChild<QTableWidget*>(Q("超级列表框1"));
    for (const Cell cell : { Cell{ 1, 5 }, Cell{ -1, 1 }, Cell{ 4, 0 }, Cell{ 0, -1 } }) {
        SCOPED_TRACE(testing::Message() << cell.row << "," << cell.column);
        window.SetCellText(cell.row, cell.column, Text("stray"));
        EXPECT_EQ(window.CellText(cell.row, cell.column), Text());
    }
    EXPECT_EQ(list->rowCount(), 4);
    EXPECT_EQ(list->columnCount(), 5);
}

TEST(MainWindowOperations, NoRowIsSelectedAfterDeleteAllRows)
{
    MainWindow window(nullptr, nullptr);
    EXPECT_EQ(window.SelectedRow(), -1);
    window.InsertRow();
    window.InsertRow();
    window.findChild<QTableWidget*>(Q("超级列表框1"))->selectRow(1);
    EXPECT_EQ(window.SelectedRow(), 1);

    window.DeleteAllRows();
    EXPECT_EQ(window.SelectedRow(), -1);
    EXPECT_EQ(window.CellText(0, 2), Text());
    EXPECT_EQ(window.InsertRow(), 0);
    EXPECT_EQ(window.SelectedRow(), -1);
}

TEST(MainWindowOperations, EditTextGivesBackCrLfLines)
{
    MainWindow window(nullptr, nullptr);
    const Text content =
        Gbk("电影名字：某片\r\n海报地址：http://p/1.jpg\r\n\r\n磁力链接：magnet:?xt=1");
    window.SetEditText(content);
    EXPECT_EQ(window.EditText(), content);
    EXPECT_EQ(window.findChild<QPlainTextEdit*>(Q("编辑框2"))->blockCount(), 4);

    window.SetEditText(Text());
    EXPECT_EQ(window.EditText(), Text());
}

TEST(MainWindowOperations, ButtonCaptionChangesButNotItsSize)
{
    MainWindow window(nullptr, nullptr);
    auto* button = window.findChild<QPushButton*>(Q("按钮5"));
    window.SetButtonCaption(Gbk("跳转"));
    EXPECT_EQ(button->text(), Q("跳转"));
    EXPECT_EQ(button->size(), QSize(56, 24));
}

} // namespace
} // namespace kinovra
