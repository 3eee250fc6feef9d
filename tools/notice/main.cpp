// Shows one error message of the launcher in the program's own error box, in Italian,
// before any program folder exists.
//
//   vetrinalia-avviso <text>

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <text>\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    QMessageBox box;
    box.setIcon(QMessageBox::Critical);
    box.setWindowTitle(QStringLiteral("Errore"));
    box.setText(QString::fromUtf8(argv[1]));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return 0;
}
