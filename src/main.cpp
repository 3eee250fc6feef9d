#include "access/Password.h"
#include "app/ProgramFolder.h"
#include "app/Screens.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    app::PrepareRendering();
    QApplication application(argc, argv);
    app::SetProgramFolder(QCoreApplication::applicationDirPath());
    app::ApplyProcessSettings();
    app::InstallItalianTranslations(application);

    app::Screens screens;
    screens.showMainWindow();
    return QApplication::exec();
}
