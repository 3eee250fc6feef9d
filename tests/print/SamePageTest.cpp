// The page the editor previews and the page the PDF tool writes come from one function:
// the same saved page, with its stored photos, prints the same.
#include "support/ProgramScreens.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "editor/FlyerPages.h"
#include "editor/ListinoPrezzi.h"
#include "print/PageContent.h"
#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/PhotoStore.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <optional>

namespace {

// Largest difference of one colour channel between two pictures of one size.
int LargestDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int column = 0; column < x.width(); ++column) {
            largest = std::max({largest, std::abs(qRed(p[column]) - qRed(q[column])),
                                std::abs(qGreen(p[column]) - qGreen(q[column])),
                                std::abs(qBlue(p[column]) - qBlue(q[column]))});
        }
    }
    return largest;
}

} // namespace

class SamePageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editorAndPdfToolPrintTheSamePage();
};

void SamePageTest::editorAndPdfToolPrintTheSamePage()
{
    testing::TestFolder folder;
    testing::ScriptedDialogs dialogs;
    testing::ProgramScreens screens;
    const QString title = QStringLiteral("Estate");
    const QString archive = folder.file(title + QStringLiteral(".lis"));

    // A saved page with padded texts, and a stored photo of its own colour in every slot.
    storage::PageRecord record = editor::FlyerPages::NewPage();
    storage::SlotPictures photos;
    for (int slot = 0; slot < 8; ++slot) {
        const QString letter(QChar(char16_t(u'A' + slot)));
        record.slots[slot] = {QStringLiteral(" COD-") + letter, QStringLiteral("Nome ") + letter,
                              QStringLiteral("Confezione ") + letter, QStringLiteral("[Bio] ") + letter,
                              QStringLiteral("%1,50").arg(slot)};
        photos[slot] = QImage(366, 274, QImage::Format_RGB32);
        photos[slot].fill(QColor::fromHsv(slot * 45, 200, 220));
    }
    editor::FlyerPages(archive).save(QString(), record);
    for (const bool stored : storage::SaveSlotPhotos(photos, title, QStringLiteral("1")))
        QVERIFY(stored);

    // The editor: open the flyer, go to its page, preview it.
    screens.registry().openFlyer(archive, title);
    screens.frmListinoPrezzi->cmdPrimoClick();
    QCOMPARE(screens.frmListinoPrezzi->lblPosizione->text(), QStringLiteral("1"));
    dialogs.onModal = [](QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    };
    std::optional<report::Page> previewed;
    dialogs.onPreview = [&](const report::Report& report) { previewed = *report.preparedPage(); };
    screens.frmListinoPrezzi->cmdAnteprimaClick();
    QVERIFY(previewed);

    // The PDF tool's way: the stored page straight from the disk.
    const report::Report written =
        print::PreparePage(print::PageTemplate::Load(),
                           print::StoredPageContent(storage::PhotoFolderIn(folder.path()), title, 1, record,
                                                    print::PrintedPicture(storage::DrawBlankPicture())));
    QVERIFY(written.preparedPage());
    const report::Page& page = *written.preparedPage();

    QCOMPARE(previewed->textBoxes.size(), page.textBoxes.size());
    for (std::size_t i = 0; i < page.textBoxes.size(); ++i) {
        QCOMPARE(previewed->textBoxes[i].name, page.textBoxes[i].name);
        QCOMPARE(previewed->textBoxes[i].text, page.textBoxes[i].text);
    }
    QCOMPARE(page.findTextBox(QStringLiteral("txtCodice_A"))->text, QStringLiteral("COD-A"));
    QCOMPARE(page.findTextBox(QStringLiteral("txtPagina"))->text, QStringLiteral("1"));
    // The editor prints its photos through the preview pictures, a JPEG more: a little drift.
    QCOMPARE(previewed->pictureBoxes.size(), page.pictureBoxes.size());
    for (std::size_t i = 0; i < page.pictureBoxes.size(); ++i) {
        const QImage& shown = previewed->pictureBoxes[i].picture;
        const QImage& tool = page.pictureBoxes[i].picture;
        QCOMPARE(shown.size(), tool.size());
        QVERIFY2(LargestDifference(shown, tool) <= 4, qPrintable(page.pictureBoxes[i].name));
    }
    QVERIFY(LargestDifference(report::RenderPageImage(*previewed, 96), report::RenderPageImage(page, 96)) <= 4);
}

VETRINALIA_TEST(SamePageTest)

#include "SamePageTest.moc"
