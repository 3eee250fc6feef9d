// The print routine with Qt's own print dialog, closed from inside its event loop.

#include "support/TestRegistry.h"

#include "print/PageTemplate.h"
#include "report/Printing.h"
#include "report/Report.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

class PrintRoutineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cancellingTheRealPrintDialogPrintsNothing();
};

void PrintRoutineTest::cancellingTheRealPrintDialogPrintsNothing()
{
    report::Report report = print::PageTemplate::Load().CreateReport();
    report.prepare();
    QString shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    poll.start(50);
    QVERIFY(!report::PrintReport(nullptr, report));
    QCOMPARE(shown, QStringLiteral("QPrintDialog"));
}

VETRINALIA_TEST(PrintRoutineTest)
#include "PrintRoutineTest.moc"
