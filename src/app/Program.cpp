// The program's start-up and its screens: the definitions of ui/Program.h.

#include "ui/Program.h"

#include "app/QtDialogs.h"
#include "app/Screens.h"
#include "base/ProgramFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
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

namespace {

// Qt's own file dialog keeps its history, last folder and view in QtProject.conf under
// the user's configuration folder and opens where any Qt program last left it. The program
// reads and writes nothing outside its folder: Qt's settings files are looked for beneath
// the program file itself, a folder that can never exist, so nothing is read and every
// write fails silently.
void KeepNoSettings()
{
    const QString nowhere = QCoreApplication::applicationFilePath() + QStringLiteral("/no-settings");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
    }
}

} // namespace

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
    KeepNoSettings();
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
