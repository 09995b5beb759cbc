#include "app/window_theme.h"

#include <QApplication>
#include <QColor>
#include <QString>

namespace kinovra {
namespace {

// A rule that sets a border drops the native padding and title placement, so the sheet gives
// them back: without them the button text and the group title would be clipped.
constexpr char kThemeSheet[] = R"(
QPushButton, QCheckBox, QRadioButton, QLineEdit, QPlainTextEdit, QTextEdit,
QComboBox, QComboBox QAbstractItemView, QAbstractSpinBox {
    border: 1px solid %1;
}
QPushButton { padding: 1px 4px; }
QPushButton:hover { background-color: palette(light); }
QPushButton:pressed { background-color: palette(midlight); }
QGroupBox { border: 1px solid %1; margin-top: 0.6em; }
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 7px;
    padding: 0 2px;
}
)";

QColor FrameColour(int style)
{
    switch (style) {
    case 1:
        return QColor(123, 158, 189);
    case 2:
        return QColor(164, 185, 127);
    case 3:
        return QColor(198, 197, 215);
    default:
        return {};
    }
}

} // namespace

void EnableWindowTheme(int style)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    const QColor frame = FrameColour(style);
    app->setStyleSheet(
        frame.isValid() ? QString::fromLatin1(kThemeSheet).arg(frame.name()) : QString());
}

} // namespace kinovra
