#include "app/Startup.h"

#include "app/ProgramFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

void PrepareRendering()
{
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
}

void InstallItalianTranslations(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    const QString name = QStringLiteral("qtbase_it");
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || translator->load(name, ProgramFolder() + QStringLiteral("translations"))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

void ApplyNumberSettings()
{
    QLocale locale(QLocale::Italian, QLocale::Italy);
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(locale);
}

void ApplyProcessSettings()
{
    QApplication::setApplicationName(QStringLiteral("Vetrinalia"));
    QApplication::setOrganizationName(QStringLiteral("Vetrinalia"));
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyNumberSettings();
}

} // namespace app
