#include "base/ProgramFolder.h"
#include "ui/Dialogs.h"
#include "ui/Program.h"
#include "ui/ScreenRegistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    ui::PrepareRendering();
    QApplication application(argc, argv);
    base::SetProgramFolder(QCoreApplication::applicationDirPath());
    ui::ApplyProcessSettings();
    ui::InstallItalianTranslations(application);
    ui::InstallSeam(&ui::QtSeam());

    const std::unique_ptr<ui::ScreenRegistry> screens = ui::CreateScreens();
    screens->showMainWindow();
    return QApplication::exec();
}
