// The program's start-up and its screens: the definitions of ui/Program.h.

#include "ui/Program.h"

#include "app/QtDialogs.h"
#include "app/Screens.h"
#include "base/ProgramFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

void PrepareRendering()
{
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
}

void InstallItalianTranslations(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    const QString name = QStringLiteral("qtbase_it");
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || translator->load(name, base::ProgramFolder() + QStringLiteral("translations"))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

void ApplyProcessSettings()
{
    QApplication::setApplicationName(QStringLiteral("Vetrinalia"));
    QApplication::setOrganizationName(QStringLiteral("Vetrinalia"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The comma as decimal separator and dd/MM/yyyy dates, whatever the regional settings:
    // set once, before the screens exist.
    QLocale locale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(locale);
}

ModalSeam& QtSeam()
{
    static app::QtModalSeam seam;
    return seam;
}

std::unique_ptr<ScreenRegistry> CreateScreens()
{
    return std::make_unique<app::Screens>();
}

} // namespace ui
