// The editor's Anteprima and Stampa commands through the modal seams: preview pictures on
// disk, the dialogs, the values the page template receives, the print dialog.

#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "editor/ListinoPrezzi.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "print/AnteprimaProdotto.h"
#include "print/PageTemplate.h"
#include "print/PrintCommands.h"
#include "print/StampaProdotto.h"
#include "report/Report.h"
#include "storage/PhotoStore.h"
#include "support/ProgramScreens.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

namespace {

QImage Solid(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor SlotColour(int slot)
{
    return QColor::fromHsv(slot * 45, 200, 220);
}

QSize FileSize(const QString& path)
{
    return QImageReader(path).size();
}

// A program folder, the scripted seams and the screens, with the editor on a filled page.
struct Fixture {
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    testing::ProgramScreens screens;
    editor::TfrmListinoPrezzi& editor = *screens.frmListinoPrezzi;

    Fixture()
    {
        editor.lblNome->setText(QStringLiteral("  Estate \t"));
        editor.lblPosizione->setText(QString());
        for (int slot = 0; slot < 8; ++slot) {
            const QString letter(QChar(char16_t(u'A' + slot)));
            editor.txtNome(slot)->setText(QStringLiteral("  Nome ") + letter + QStringLiteral("  "));
            editor.txtUM(slot)->setText(QStringLiteral("\tConfezione ") + letter);
            editor.txtCaratteristiche(slot)->setText(QStringLiteral("[Bio] ") + letter + QStringLiteral(" "));
            editor.txtCodice(slot)->setText(QStringLiteral(" COD-") + letter);
            editor.txtPrezzo(slot)->setText(QStringLiteral("0,00"));
            // Pictures of every shape, none of them 366 x 274.
            editor.imgFoto(slot)->setPicture(Solid(100 + 40 * slot, 300 - 20 * slot, SlotColour(slot)));
        }
        editor.txtPrezzo(1)->setText(QString());
        editor.txtPrezzo(2)->setText(QStringLiteral(" 12,50 "));
    }

    QString previewPath(int slot) const
    {
        return storage::PreviewPicturePath(QStringLiteral("Estate"), storage::SlotLetter(slot));
    }
};

void Click(QDialog& dialog, const char* button)
{
    auto* target = dialog.findChild<QPushButton*>(QLatin1String(button));
    QVERIFY2(target, button);
    QTest::mouseClick(target, Qt::LeftButton);
}

bool HasPdfText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void previewFillsTheTemplateWithTheTrimmedPage();
    void cancelKeepsTheReloadedPicturesAndTheFiles();
    void onlyWrittenPreviewPicturesAreReloaded_data();
    void onlyWrittenPreviewPicturesAreReloaded();
    void printGoesThroughThePrintDialog_data();
    void printGoesThroughThePrintDialog();
};

void CommandsTest::previewFillsTheTemplateWithTheTrimmedPage()
{
    Fixture f;
    std::optional<report::Page> shown;
    QWidget* owner = nullptr;
    f.dialogs.onModal = [&](QDialog& dialog) {
        owner = dialog.parentWidget();
        Click(dialog, "btnStampa");
    };
    f.dialogs.onPreview = [&](const report::Report& report) {
        QCOMPARE(report.name(), QStringLiteral("Volantino Offerte"));
        QVERIFY(report.preparedPage());
        shown = *report.preparedPage();
    };
    f.editor.cmdAnteprimaClick();

    QCOMPARE(f.dialogs.modalDialogs, QStringList{QStringLiteral("frmAnteprimaProdotto")});
    QCOMPARE(owner, &f.editor);
    QCOMPARE(f.dialogs.previews, 1);
    QCOMPARE(f.dialogs.printDialogs, 0);
    // The dialog is gone once it has closed.
    QVERIFY(f.editor.findChildren<print::TfrmAnteprimaProdotto*>().isEmpty());
    QVERIFY(shown);

    const report::Page& page = *shown;
    QCOMPARE(page.orientation, QPageLayout::Portrait);
    QCOMPARE(page.findTextBox("txtNome")->text, QStringLiteral("Estate"));
    QCOMPARE(page.findTextBox("txtPagina")->text, QString());
    for (int slot = 0; slot < 8; ++slot) {
        const QString letter(QChar(char16_t(u'A' + slot)));
        const auto text = [&](const char* role) { return page.findTextBox(print::SlotObjectName(role, slot))->text; };
        QCOMPARE(text("txtNome"), QStringLiteral("Nome ") + letter);
        QCOMPARE(text("txtUM"), QStringLiteral("Confezione ") + letter);
        QCOMPARE(text("txtCaratteristiche"), QStringLiteral("[Bio] ") + letter);
        QCOMPARE(text("txtCodice"), QStringLiteral("COD-") + letter);
        const QImage& picture = page.findPictureBox(print::SlotObjectName("imgFoto", slot))->picture;
        QCOMPARE(picture.size(), QSize(366, 274));
        QCOMPARE(picture, f.editor.imgFoto(slot)->picture());
    }
    QCOMPARE(page.findTextBox("txtPrezzo_A")->text, QStringLiteral("\u20AC  0,00"));
    QCOMPARE(page.findTextBox("txtPrezzo_B")->text, QStringLiteral("\u20AC  "));
    QCOMPARE(page.findTextBox("txtPrezzo_C")->text, QStringLiteral("\u20AC  12,50"));

    // A saved page prints its bare number.
    f.editor.lblPosizione->setText(QStringLiteral(" 7 "));
    f.editor.cmdAnteprimaClick();
    QCOMPARE(shown->findTextBox("txtPagina")->text, QStringLiteral("7"));
}

void CommandsTest::cancelKeepsTheReloadedPicturesAndTheFiles()
{
    Fixture f;
    f.dialogs.onModal = [&](QDialog& dialog) { Click(dialog, "btnAnnulla"); };
    f.editor.cmdAnteprimaClick();
    f.editor.cmdStampaClick();

    QCOMPARE(f.dialogs.modalDialogs,
             (QStringList{QStringLiteral("frmAnteprimaProdotto"), QStringLiteral("frmStampaProdotto")}));
    QCOMPARE(f.dialogs.previews, 0);
    QCOMPARE(f.dialogs.printDialogs, 0);
    for (int slot = 0; slot < 8; ++slot) {
        QCOMPARE(FileSize(f.previewPath(slot)), QSize(366, 274));
        const QImage picture = f.editor.imgFoto(slot)->picture();
        QCOMPARE(picture.size(), QSize(366, 274));
        // Stretched, not cropped: the slot's colour everywhere (JPEG allows a little drift).
        const QColor centre = picture.pixelColor(183, 137);
        QVERIFY(qAbs(centre.hue() - SlotColour(slot).hue()) <= 6 || SlotColour(slot).hue() == 0);
    }
    QCOMPARE(QDir(storage::PhotoFolderPath()).entryList(QDir::Files).size(), 8);
}

void CommandsTest::onlyWrittenPreviewPicturesAreReloaded_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("blockedSlot"); // a folder in the way of this slot's file; -1 none
    QTest::addColumn<int>("lockedSlot");  // its older file stays readable but cannot be replaced; -1 none
    QTest::addColumn<int>("written");     // slots A.. that get their preview picture
    QTest::newRow("slot C file cannot be written") << QStringLiteral("Estate") << 2 << -1 << 2;
    QTest::newRow("slot D older file cannot be replaced") << QStringLiteral("Estate") << -1 << 3 << 3;
    QTest::newRow("title not a file name") << QStringLiteral("Est/ate") << -1 << -1 << 0;
}

void CommandsTest::onlyWrittenPreviewPicturesAreReloaded()
{
    QFETCH(QString, title);
    QFETCH(int, blockedSlot);
    QFETCH(int, lockedSlot);
    QFETCH(int, written);
    Fixture f;
    f.editor.lblNome->setText(title);
    // Preview pictures left by an earlier preview of another page of the same flyer.
    for (int slot = 0; slot < 8; ++slot)
        QVERIFY(storage::SavePhoto(Solid(366, 274, Qt::black), f.previewPath(slot)));
    if (blockedSlot >= 0) {
        QVERIFY(QFile::remove(f.previewPath(blockedSlot)));
        QVERIFY(QDir().mkpath(f.previewPath(blockedSlot)));
    }
    // Root writes through file modes; an immutable file stops even root.
    std::unique_ptr<void, std::function<void(void*)>> unlock;
    if (lockedSlot >= 0) {
        const QString locked = f.previewPath(lockedSlot);
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), locked}) != 0)
            QSKIP("chattr +i is not available on this file system");
        unlock = {&f, [locked](void*) { QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), locked}); }};
    }
    QList<QImage> before;
    for (int slot = 0; slot < 8; ++slot)
        before << f.editor.imgFoto(slot)->picture();

    f.dialogs.onModal = [&](QDialog& dialog) { Click(dialog, "btnStampa"); };
    std::optional<report::Page> shown;
    f.dialogs.onPreview = [&](const report::Report& report) { shown = *report.preparedPage(); };
    f.editor.cmdAnteprimaClick();

    // The dialog still opens and the page is still previewed.
    QCOMPARE(f.dialogs.previews, 1);
    QVERIFY(shown);
    for (int slot = 0; slot < 8; ++slot) {
        const QImage picture = f.editor.imgFoto(slot)->picture();
        if (slot < written) {
            QCOMPARE(picture.size(), QSize(366, 274));
        } else {
            // Never an older preview picture: the slot keeps what it showed.
            QCOMPARE(picture, before[slot]);
        }
        QCOMPARE(shown->findPictureBox(print::SlotObjectName("imgFoto", slot))->picture, picture);
    }
}

void CommandsTest::printGoesThroughThePrintDialog_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancel prints nothing") << false;
    QTest::newRow("confirm prints the page") << true;
}

void CommandsTest::printGoesThroughThePrintDialog()
{
    QFETCH(bool, confirm);
    Fixture f;
    const QString pdf = f.folder.file(QStringLiteral("stampa.pdf"));
    f.dialogs.printAnswers = {confirm};
    f.dialogs.onPrintDialog = [&](QPrinter& printer) {
        QCOMPARE(printer.docName(), QStringLiteral("Volantino Offerte"));
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    bool closedAfter = false;
    f.dialogs.onModal = [&](QDialog& dialog) {
        Click(dialog, "btnStampa");
        closedAfter = !dialog.isVisible();
    };
    f.editor.lblPosizione->setText(QStringLiteral("3"));
    f.editor.cmdStampaClick();

    QCOMPARE(f.dialogs.modalDialogs, QStringList{QStringLiteral("frmStampaProdotto")});
    QCOMPARE(f.dialogs.printDialogs, 1);
    QCOMPARE(f.dialogs.previews, 0);
    QVERIFY(closedAfter);
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(QFile::exists(pdf), confirm);
    if (confirm && HasPdfText()) {
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Nome A")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("[Bio] H")));
        QVERIFY(text.contains(QStringLiteral("\u20AC")));
        QVERIFY(text.contains(QStringLiteral("12,50")));
        QVERIFY(text.contains(QStringLiteral("Estate")));
        QFile::copy(pdf, QStringLiteral(VETRINALIA_BINARY_DIR "/look/stampa-scheda.pdf"));
    }
}

VETRINALIA_TEST(CommandsTest)
#include "CommandsTest.moc"
