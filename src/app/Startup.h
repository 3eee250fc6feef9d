#pragma once

class QApplication;

namespace app {

// Asks for software rendering; must run before the application object exists.
void PrepareRendering();

// Qt's own dialogs in Italian.
void InstallItalianTranslations(QApplication& application);

// Process-wide number and date settings: the comma as decimal separator and the
// short date format dd/MM/yyyy, whatever the regional settings.
void ApplyNumberSettings();

// Everything start-up sets on the application besides the screens.
void ApplyProcessSettings();

} // namespace app
