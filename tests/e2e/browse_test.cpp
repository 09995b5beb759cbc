#include "app/exit_routines.h"
#include "app/fatal_error.h"
#include "app/main_window.h"
#include "app/program.h"
#include "catalog/list_page.h"
#include "catalog/title_details.h"
#include "regex/regex_matcher.h"
#include "text/text.h"
#include "tools/sample-site/catalogue.h"
#include "tools/sample-site/server.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kinovra {
namespace {

using namespace sample_site;

QString Utf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// The page numbers from each of the series' first numbers up to last, one series after another.
QStringList PageNumbers(std::initializer_list<int> series, int last)
{
    QStringList numbers;
    for (int first : series)
        for (int page = first; page <= last; ++page)
            numbers << QString::number(page);
    return numbers;
}

// The real window, its handlers pointed at a sample catalogue of the test's own, driven by
// mouse clicks through the window system as a user drives it.
class Browse : public testing::Test
{
protected:
    void SetUp() override
    {
        const Text cipher = EncipherText(Text(site.BaseAddress()));
        window =
            std::make_unique<MainWindow>([cipher](WindowControls& ui) { LoadListPage(ui, cipher); },
                [cipher](WindowControls& ui) { ShowTitleDetails(ui, cipher); });
        window->Load();
        selector = window->findChild<QComboBox*>(QString::fromUtf8("组合框2"));
        button = window->findChild<QPushButton*>(QString::fromUtf8("按钮5"));
        list = window->findChild<QTableWidget*>(QString::fromUtf8("超级列表框1"));
        box = window->findChild<QPlainTextEdit*>(QString::fromUtf8("编辑框2"));
        ASSERT_TRUE(selector && button && list && box);
    }

    void TearDown() override
    {
        window->close();
        window.reset();
    }

    void Click(QWidget* widget, QPoint position)
    {
        QTest::mouseClick(
            window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window.get(), position));
        QCoreApplication::processEvents();
    }

    void ClickPageButton() { Click(button, button->rect().center()); }

    void ClickRow(int row)
    {
        Click(list->viewport(), list->visualRect(list->model()->index(row, 2)).center());
    }

    QStringList SelectorItems() const
    {
        QStringList items;
        for (int i = 0; i < selector->count(); ++i)
            items << selector->itemText(i);
        return items;
    }

    QStringList ListedNames() const
    {
        QStringList names;
        for (int row = 0; row < list->rowCount(); ++row)
            names << (list->item(row, 2) ? list->item(row, 2)->text() : QString());
        return names;
    }

    static QStringList NamesOfPage(int page)
    {
        QStringList names;
        for (int place = (page - 1) * kTitlesPerPage; place < page * kTitlesPerPage; ++place)
            names << Utf8(TitleAt(place).name);
        return names;
    }

    Server site;
    std::unique_ptr<MainWindow> window;
    QComboBox* selector = nullptr;
    QPushButton* button = nullptr;
    QTableWidget* list = nullptr;
    QPlainTextEdit* box = nullptr;
};

TEST_F(Browse, PageButtonFillsTheSelectorAndLoadsTheChosenPage)
{
    ASSERT_EQ(button->text(), QString::fromUtf8("初始化"));
    ClickPageButton();
    EXPECT_EQ(SelectorItems(), PageNumbers({ 1 }, kListPageCount));
    EXPECT_EQ(selector->currentText(), QString());
    EXPECT_EQ(ListedNames(), NamesOfPage(1));
    EXPECT_EQ(button->text(), QString::fromUtf8("跳转"));

    ClickPageButton();
    EXPECT_EQ(SelectorItems(), PageNumbers({ 1, 1 }, kListPageCount));

    selector->setCurrentIndex(2);
    ClickPageButton();
    EXPECT_EQ(SelectorItems(), PageNumbers({ 1, 1 }, kListPageCount));
    EXPECT_EQ(ListedNames(), NamesOfPage(3));
}

TEST_F(Browse, RowClickShowsTheTitlesFourLines)
{
    ClickPageButton();
    ClickRow(4);
    const Title title = TitleAt(4);
    const std::string magnet = title.magnet.substr(std::string("magnet:?xt=urn").size());
    EXPECT_EQ(box->toPlainText(),
        Utf8("电影名字：" + title.name + "\n图片地址：" + title.poster + " \n播放地址： "
            + title.play + " \n>" + title.play + "\n迅雷下载地址：magnet:?xt=urn" + magnet));
}

TEST_F(Browse, MarkupInAPageIsShownAsPlainText)
{
    const std::string item =
        "<li><span class=\"tt\"></span><span class=\"xing_vb4\">"
        "<a href=\"/?m=vod-detail-id-1.html\" target=\"_blank\"><b>x</b></a></span> "
        "<span class=\"xing_vb5\">剧情片</span> "
        "<span class=\"xing_vb6\">2026-05-01</span></li>";
    site.SetPage(ListPageTarget(1), "   <ul>\r\n    " + item + "\r\n   </ul> \r\n");
    site.SetPage("/?m=vod-detail-id-1.html", "<h2><b>x</b></h2> ");
    ClickPageButton();
    ASSERT_EQ(ListedNames(), QStringList{ "<b>x</b>" });
    ClickRow(0);
    EXPECT_TRUE(box->toPlainText().startsWith(QString::fromUtf8("电影名字：<b>x</b>\n")));
}

TEST_F(Browse, ClosingTheWindowWhileRowsAreAddedEndsTheLoadQuietly)
{
    // The close request is queued as the first row appears, so the handler meets it when it
    // lets pending events through after that row.
    QObject::connect(
        list->model(), &QAbstractItemModel::rowsInserted, window.get(),
        [this] { QMetaObject::invokeMethod(window.get(), &QWidget::close, Qt::QueuedConnection); },
        Qt::SingleShotConnection);
    ClickPageButton();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(list->rowCount(), 1);
    EXPECT_EQ(button->text(), QString::fromUtf8("初始化"));
    EXPECT_FALSE(window->ProcessPendingEvents());
}

// The whole program, its catalogue pointed at a server of the test's own: the user closes the
// window while the list fills, the load ends quietly and the program ends normally.
TEST(Program, ClosingTheWindowWhileTheListFillsEndsTheProgramNormally)
{
    Server site;
    const Text cipher = EncipherText(Text(site.BaseAddress()));
    DiscardExitRoutines();
    QApplication::setQuitOnLastWindowClosed(true);
    SetFatalErrorBoxHookForTesting(
        [](QMessageBox& box) { ADD_FAILURE() << "error box: " << box.text().toStdString(); });
    int rowsWhenClosed = -1;
    QMetaObject::invokeMethod(
        qApp,
        [&rowsWhenClosed] {
            MainWindow* window = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* shown = dynamic_cast<MainWindow*>(widget); shown && shown->isVisible())
                    window = shown;
            ASSERT_NE(window, nullptr);
            auto* list = window->findChild<QTableWidget*>(QString::fromUtf8("超级列表框1"));
            auto* button = window->findChild<QPushButton*>(QString::fromUtf8("按钮5"));
            QObject::connect(
                list->model(), &QAbstractItemModel::rowsInserted, window,
                [window] {
                    QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
                },
                Qt::SingleShotConnection);
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                button->mapTo(window, button->rect().center()));
            rowsWhenClosed = list->rowCount();
            if (window->isVisible())
                window->close();
        },
        Qt::QueuedConnection);

    EXPECT_EQ(ProgramMain([cipher](WindowControls& ui) { LoadListPage(ui, cipher); },
                  [cipher](WindowControls& ui) { ShowTitleDetails(ui, cipher); }),
        0);
    EXPECT_EQ(rowsWhenClosed, 1);
    RunExitRoutines();
    EXPECT_EQ(g_regex, nullptr);

    InitGlobals();
    SetFatalErrorBoxHookForTesting(nullptr);
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace
} // namespace kinovra
