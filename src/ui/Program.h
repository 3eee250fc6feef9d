#pragma once

#include <memory>

class QApplication;

namespace ui {

class ModalSeam;
class ScreenRegistry;

// The program's start-up. These are defined by the composition root (src/app, the
// vetrinalia_app library): whatever stands the program up links that library and calls
// them in this order; the program, the guide tool, the benchmarks and the tests do.

// Asks for software rendering; runs before the application object exists.
void PrepareRendering();
// Everything start-up sets on the application besides the screens: names, the Italian
// number and date settings (set here once for the whole process).
void ApplyProcessSettings();
// Qt's own dialogs in Italian.
void InstallItalianTranslations(QApplication& application);
// The modal seam with Qt's own dialogs; installed by the program at start-up.
ModalSeam& QtSeam();
// The eleven screens, created in their fixed order, all hidden.
std::unique_ptr<ScreenRegistry> CreateScreens();

} // namespace ui
