#pragma once

#include <QFont>

// The widget style and the font panelsetup sets once its window is shown.
namespace ApplicationLook {
// "Trebuchet MS", 8 points, regular, not italic. Where the family is missing
// fontconfig's substitute shows at its regular face, as the program looks on
// its own platform (a thin face would render every text pale grey).
QFont font();
// The program's own style where the platform has it (else the default stays),
// then the font.
void apply();
} // namespace ApplicationLook
