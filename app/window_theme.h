#pragma once

namespace kinovra {

// Styles 1, 2 and 3 restyle every push button, check box, radio button, group box, edit box,
// combo box with its drop-down list and spin box of the application, now and when created
// later, with a frame of that style's colour. Any other number switches the theme off and
// gives every widget back its own look.
void EnableWindowTheme(int style);

} // namespace kinovra
