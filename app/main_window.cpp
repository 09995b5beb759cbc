#include "app/main_window.h"

#include "app/fatal_error.h"
#include "app/window_theme.h"
#include "text/codepage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QWindow>

#include <array>
#include <functional>
#include <utility>

namespace kinovra {
namespace {

// The window is 580 x 508 with its frame and title bar. On X11 Qt sets the client area, so the
// client size leaves room for a typical frame: 4 pixels at the sides and bottom, a 28-pixel title
// bar.
constexpr int kOuterWidth = 580;
constexpr int kOuterHeight = 508;
constexpr int kClientWidth = kOuterWidth - 2 * 4;
constexpr int kClientHeight = kOuterHeight - 28 - 4;

// A drop-down-list combo box is 160 pixels tall with its list dropped down.
constexpr int kDroppedHeight = 160;

struct Column
{
    const char* title;
    int width;
    Qt::Alignment alignment;
};

const std::array<Column, 5> kColumns{ {
    { "", 0, Qt::AlignLeft },
    { "网页链接", 10, Qt::AlignHCenter },
    { "片名", 300, Qt::AlignLeft },
    { "分类", 100, Qt::AlignLeft },
    { "更新时间", 100, Qt::AlignLeft },
} };

QString ToQString(const Text& text)
{
    return QString::fromStdU16String(GbkToUtf16(text));
}

Text ToText(const QString& text)
{
    return Utf16ToGbk(text.toStdU16String());
}

QString Literal(const char* utf8)
{
    return ToQString(Gbk(utf8));
}

QFont SmallFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    return font;
}

// The user picks from the list and cannot type. The list holds as many whole rows as fit in the
// dropped-down height with its frame.
class DropDownList : public QComboBox
{
public:
    explicit DropDownList(QWidget* parent)
        : QComboBox(parent)
    {
        setEditable(false);
        setFont(SmallFont());
        // Without a placeholder the first item appended would become the selected one.
        setPlaceholderText(QStringLiteral(" "));
        // The list drops down below the box, as a list of limited height; the style's own choice
        // for non-editable boxes is a menu over the box as tall as all its items.
        setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    }

    void showPopup() override
    {
        const int rowHeight = view()->sizeHintForRow(0);
        if (rowHeight > 0)
            setMaxVisibleItems(qMax(1, (kDroppedHeight - height() - 2) / rowHeight));
        QComboBox::showPopup();
    }
};

QLabel* StaticText(const char* text, QWidget* parent)
{
    auto* label = new QLabel(Literal(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Static text takes no clicks: 组合框1 lies partly beneath 标签2 and must stay usable there.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The report list. leftClicked runs after each left click in the row area, once the view has
// settled the selection: right away, as a button's click does. Raised later from a posted event,
// it could start inside the wait for an HTTP request, which lets posted events through.
class ReportList : public QTableWidget
{
public:
    ReportList(int columns, QWidget* parent, std::function<void()> onLeftClick)
        : QTableWidget(0, columns, parent)
        , leftClicked(std::move(onLeftClick))
    { }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QTableWidget::mouseDoubleClickEvent(event);
        // The release that ends a double click belongs to the click raised already.
        if (event->button() == Qt::LeftButton)
            skipNextRelease = true;
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QTableWidget::mouseReleaseEvent(event);
        if (event->button() != Qt::LeftButton || std::exchange(skipNextRelease, false))
            return;
        const QPoint position = event->position().toPoint();
        if (!viewport()->rect().contains(position))
            return;
        // A single-selection view keeps its selection when a click misses every row.
        if (!indexAt(position).isValid())
            clearSelection();
        leftClicked();
    }

private:
    std::function<void()> leftClicked;
    bool skipNextRelease = false;
};

} // namespace

MainWindow::MainWindow(Handler pageButtonClicked, Handler listClicked)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , pageButtonHandler(std::move(pageButtonClicked))
    , listHandler(std::move(listClicked))
{
    setWindowTitle(QStringLiteral("Kinovra  "));
    setWindowIcon(QIcon(QStringLiteral(":/kinovra/kinovra.png")));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);
    CreateControls();
}

void MainWindow::CreateControls()
{
    组合框1 = new DropDownList(this);
    组合框1->setObjectName(QStringLiteral("组合框1"));
    组合框1->setGeometry(301, 8, 48, 20);
    组合框1->addItems({ Literal("普通"), Literal("伦理") });

    标签2 = StaticText("类别：", this);
    标签2->setObjectName(QStringLiteral("标签2"));
    标签2->setGeometry(264, 8, 80, 24);

    编辑框2 = new QPlainTextEdit(this);
    编辑框2->setObjectName(QStringLiteral("编辑框2"));
    编辑框2->setGeometry(0, 59, 560, 125);
    编辑框2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    编辑框2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    编辑框2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    编辑框2->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    组合框2 = new DropDownList(this);
    组合框2->setObjectName(QStringLiteral("组合框2"));
    组合框2->setGeometry(408, 8, 48, 20);

    按钮5 = new QPushButton(Literal("初始化"), this);
    按钮5->setObjectName(QStringLiteral("按钮5"));
    按钮5->setGeometry(472, 8, 56, 24);
    按钮5->setAutoDefault(false);
    按钮5->setDefault(false);
    connect(按钮5, &QPushButton::clicked, this, [this] { Raise(pageButtonHandler); });

    超级列表框1 =
        new ReportList(static_cast<int>(kColumns.size()), this, [this] { Raise(listHandler); });
    超级列表框1->setObjectName(QStringLiteral("超级列表框1"));
    超级列表框1->setGeometry(-16, 192, 576, 280);
    超级列表框1->setFont(SmallFont());
    超级列表框1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    超级列表框1->setSelectionMode(QAbstractItemView::SingleSelection);
    超级列表框1->setSelectionBehavior(QAbstractItemView::SelectRows);
    超级列表框1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    超级列表框1->setSortingEnabled(false);
    超级列表框1->setShowGrid(true);
    超级列表框1->setWordWrap(false);
    超级列表框1->verticalHeader()->hide();
    超级列表框1->verticalHeader()->setMinimumSectionSize(0);
    超级列表框1->verticalHeader()->setDefaultSectionSize(超级列表框1->fontMetrics().height() + 4);
    QPalette listColours = 超级列表框1->palette();
    listColours.setColor(QPalette::Base, Qt::white);
    listColours.setColor(QPalette::Text, Qt::black);
    超级列表框1->setPalette(listColours);
    QHeaderView* header = 超级列表框1->horizontalHeader();
    header->setVisible(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    // Narrow columns are clamped to the minimum section size unless it is lowered first.
    header->setMinimumSectionSize(0);
    for (int column = 0; column < static_cast<int>(kColumns.size()); ++column) {
        auto* title = new QTableWidgetItem(Literal(kColumns[column].title));
        title->setTextAlignment(kColumns[column].alignment | Qt::AlignVCenter);
        超级列表框1->setHorizontalHeaderItem(column, title);
        header->resizeSection(column, kColumns[column].width);
    }

    标签1 = StaticText("页数：", this);
    标签1->setObjectName(QStringLiteral("标签1"));
    标签1->setGeometry(371, 8, 80, 24);

    分组框1 = new QGroupBox(Literal("内容显示区"), this);
    分组框1->setObjectName(QStringLiteral("分组框1"));
    分组框1->setGeometry(0, 40, 560, 144);
    // Created last, the group box lies above the content box; it only frames it, so clicks pass
    // through to the box.
    分组框1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MainWindow::Load()
{
    WindowCreated();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QPoint centre = screen->availableGeometry().center();
        move(centre.x() - kOuterWidth / 2, centre.y() - kOuterHeight / 2);
    }
    show();
    if (!windowHandle())
        FatalRuntimeError(Gbk("载入启动窗口失败。"));
}

void MainWindow::WindowCreated()
{
    EnableWindowTheme(1);
}

void MainWindow::Raise(const Handler& handler)
{
    if (closed || !handler)
        return;
    handler(*this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    closed = true;
    QWidget::closeEvent(event);
}

QComboBox* MainWindow::Combo(ComboBoxId combo) const
{
    return combo == ComboBoxId::组合框1 ? 组合框1 : 组合框2;
}

Text MainWindow::ComboText(ComboBoxId combo)
{
    if (closed || Combo(combo)->currentIndex() < 0)
        return {};
    return ToText(Combo(combo)->currentText());
}

int MainWindow::AddComboItem(ComboBoxId combo, const Text& text)
{
    if (closed)
        return -1;
    QComboBox* box = Combo(combo);
    const int index = box->count();
    box->addItem(ToQString(text));
    return box->count() == index + 1 ? index : -1;
}

int MainWindow::ComboItemCount(ComboBoxId combo)
{
    return closed ? 0 : Combo(combo)->count();
}

Text MainWindow::EditText()
{
    if (closed)
        return {};
    // The box keeps line ends as LF; the text it gives back has CR LF, as it was set.
    return ToText(编辑框2->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")));
}

void MainWindow::SetEditText(const Text& text)
{
    if (!closed)
        编辑框2->setPlainText(ToQString(text));
}

void MainWindow::SetButtonCaption(const Text& text)
{
    if (!closed)
        按钮5->setText(ToQString(text));
}

void MainWindow::DeleteAllRows()
{
    if (!closed)
        超级列表框1->setRowCount(0);
}

int MainWindow::InsertRow()
{
    if (closed)
        return -1;
    const int row = 超级列表框1->rowCount();
    超级列表框1->insertRow(row);
    return 超级列表框1->rowCount() == row + 1 ? row : -1;
}

bool MainWindow::CellExists(int row, int column) const
{
    return row >= 0 && row < 超级列表框1->rowCount() && column >= 0
        && column < 超级列表框1->columnCount();
}

void MainWindow::SetCellText(int row, int column, const Text& text)
{
    if (closed || !CellExists(row, column))
        return;
    QTableWidgetItem* cell = 超级列表框1->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        cell->setTextAlignment(kColumns[column].alignment | Qt::AlignVCenter);
        超级列表框1->setItem(row, column, cell);
    }
    cell->setText(ToQString(text));
}

Text MainWindow::CellText(int row, int column)
{
    if (closed || !CellExists(row, column))
        return {};
    const QTableWidgetItem* cell = 超级列表框1->item(row, column);
    return cell ? ToText(cell->text()) : Text();
}

int MainWindow::SelectedRow()
{
    if (closed)
        return -1;
    const QModelIndexList rows = 超级列表框1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool MainWindow::ProcessPendingEvents()
{
    if (closed)
        return false;
    // A handler nested inside this call may close the window; nothing of it may be touched
    // afterwards unless it is still there.
    const QPointer<MainWindow> self(this);
    QCoreApplication::processEvents();
    return self && !self->closed;
}

} // namespace kinovra
