// Loaded into the program with LD_PRELOAD by the package test. As soon as the event loop
// runs, it writes the program's folder and its visible windows (with a message box's
// text) to the file named by VETRINALIA_PROBE_REPORT and ends the program; without that
// variable it does nothing.

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

void WriteReport()
{
    const QString path = qEnvironmentVariable("VETRINALIA_PROBE_REPORT");
    if (path.isEmpty())
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [path] {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QTextStream out(&file);
            out << "folder\t" << QCoreApplication::applicationDirPath() << '\n';
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (!window->isVisible())
                    continue;
                out << "window\t" << window->objectName() << '\t' << window->windowTitle() << '\n';
                if (auto* box = qobject_cast<QMessageBox*>(window))
                    out << box->text() << '\n';
            }
        }
        // Ends nested loops too, such as a message box's.
        QCoreApplication::exit(file.error() == QFileDevice::NoError ? 0 : 1);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(WriteReport)
