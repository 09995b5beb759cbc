#include "app/main_window.h"
#include "app/window_theme.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace kinovra {
namespace {

QImage Look(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool HasColour(const QImage& image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

template <typename Widget> Widget* Control(const MainWindow& window, const char* name)
{
    auto* control = window.findChild<Widget*>(QString::fromUtf8(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

TEST(WindowTheme, FramesTheListedKindsOnlyAndSwitchingOffRestoresTheirLook)
{
    MainWindow window(nullptr, nullptr);
    window.Load();
    auto* button = Control<QPushButton>(window, "按钮5");
    auto* edit = Control<QPlainTextEdit>(window, "编辑框2");
    auto* combo = Control<QComboBox>(window, "组合框2");
    auto* label = Control<QLabel>(window, "标签1");
    auto* list = Control<QTableWidget>(window, "超级列表框1");
    window.AddComboItem(ComboBoxId::组合框2, Text("1"));
    EXPECT_TRUE(HasColour(Look(button), QColor(123, 158, 189))) << "WindowCreated sets style 1";

    EnableWindowTheme(0);
    const QImage buttonLook = Look(button);
    const QImage editLook = Look(edit);
    const QImage labelLook = Look(label);
    const QImage listLook = Look(list);

    struct Style
    {
        int number;
        QColor frame;
    };
    for (const Style style : { Style{ 1, QColor(123, 158, 189) }, Style{ 2, QColor(164, 185, 127) },
             Style{ 3, QColor(198, 197, 215) } }) {
        SCOPED_TRACE(style.number);
        EnableWindowTheme(style.number);
        EXPECT_TRUE(HasColour(Look(button), style.frame));
        EXPECT_TRUE(HasColour(Look(edit), style.frame));
        EXPECT_TRUE(HasColour(Look(combo), style.frame));
        combo->showPopup();
        EXPECT_TRUE(HasColour(Look(combo->view()->window()), style.frame)) << "the drop-down list";
        combo->hidePopup();
        QLineEdit later(&window);
        later.resize(80, 22);
        EXPECT_TRUE(HasColour(Look(&later), style.frame)) << "an edit box made afterwards";
        EXPECT_EQ(Look(label), labelLook);
        EXPECT_EQ(Look(list), listLook);
    }

    EnableWindowTheme(7);
    EXPECT_EQ(Look(button), buttonLook);
    EXPECT_EQ(Look(edit), editLook);
    EXPECT_FALSE(HasColour(Look(button), QColor(198, 197, 215)));
}

} // namespace
} // namespace kinovra
