// The open screen's price-list and export buttons, driven as a shop uses them.
#include "catalog/ApriCatalogo.h"

#include "editor/ListinoPrezzi.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "start/Avvio.h"
#include "storage/FlyerArchive.h"
#include "support/ProgramScreens.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"
#include "ui/Widgets.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include <memory>

using testing::ReadFile;
using testing::ScriptedDialogs;
using testing::TestFolder;
using testing::WriteFile;

namespace {

const QString kSelectFirst =
    QStringLiteral("Attenzione: selezionare il volantino dall'elenco prima di premere il pulsante Apri archivio.");

// Writes the widget's picture to $VETRINALIA_GRAB_DIR/<name>.png when that is set.
void Grab(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("VETRINALIA_GRAB_DIR");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        widget->grab().toImage().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

bool SavePicture(const QString& path, QColor color)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(color);
    return image.save(path);
}

} // namespace

class ExchangeButtonsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<testing::ProgramScreens> m_screens;
    catalog::TfrmApriCatalogo* m_screen = nullptr;

    void showFromStart()
    {
        m_screens->frmAvvio->showScreen();
        QTest::mouseClick(m_screens->frmAvvio->btnApp02, Qt::LeftButton);
        QVERIFY(m_screen->isVisible());
    }

    void select(const QString& text)
    {
        const QList<QListWidgetItem*> found = m_screen->lstFiles->findItems(text, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        const QRect rect = m_screen->lstFiles->visualItemRect(found.first());
        QTest::mouseClick(m_screen->lstFiles->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // A progress window lets its work run to the end.
    void waitForProgress()
    {
        m_dialogs->onModal = [](QDialog& dialog) { QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 120000); };
    }

    // A price list of `count` products, photos named by article code beside it.
    void writeList(const QString& name, int count, const QString& firstPrice)
    {
        QByteArray csv("Codice;Nome;Confezione;Caratteristiche;Prezzo\r\n");
        for (int i = 1; i <= count; ++i)
            csv += QStringLiteral("ART%1;Prodotto %1;Confezione da %1;Offerta della settimana;%2\r\n")
                       .arg(i)
                       .arg(i == 1 ? firstPrice : QStringLiteral("%1,90").arg(i))
                       .toUtf8();
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("listini/") + name), csv));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("listini/foto")));
        QVERIFY(QDir(m_folder->path()).mkpath(QStringLiteral("uscita")));
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_screens = std::make_unique<testing::ProgramScreens>();
        m_screen = m_screens->frmApriCatalogo;
    }

    void cleanup()
    {
        m_screens.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    // Four picture buttons in the free strip of the work area, covering no other control.
    void buttonsSitInTheFreeSpace()
    {
        const QList<ui::PictureButton*> buttons{m_screen->btnImportaListino, m_screen->btnEsportaPdf,
                                                m_screen->btnEsportaImmagini, m_screen->btnEsportaListino};
        const QStringList names{QStringLiteral("Importa listino"), QStringLiteral("Esporta PDF"),
                                QStringLiteral("Esporta immagini"), QStringLiteral("Esporta listino")};
        QWidget* panel = m_screen->btnElimina->parentWidget();
        for (int i = 0; i < buttons.size(); ++i) {
            ui::PictureButton* button = buttons.at(i);
            QCOMPARE(button->accessibleName(), names.at(i));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!button->statusTip().isEmpty());
            for (QWidget* other : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (other == button || other->isHidden() || other->objectName().startsWith(QLatin1String("bkg")))
                    continue;
                QVERIFY2(!button->geometry().intersects(other->geometry()),
                         qPrintable(button->objectName() + QStringLiteral(" covers ") + other->objectName()));
            }
            // Inside the white work area.
            QVERIFY(QRect(8, 145, 978, 416).contains(button->geometry()));
        }
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("Estate.lis")), {}));
        showFromStart();
        select(QStringLiteral("Estate.lis"));
        Grab(m_screen, QStringLiteral("apri_con_listini"));
    }

    void everyButtonWantsASelectedFlyer()
    {
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("Estate.lis")), {}));
        showFromStart();
        for (ui::PictureButton* button : {m_screen->btnImportaListino, m_screen->btnEsportaPdf,
                                          m_screen->btnEsportaImmagini, m_screen->btnEsportaListino})
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_dialogs->messageTexts(), QStringList(4, kSelectFirst));
        QVERIFY(m_dialogs->fileRequests.isEmpty());
    }

    // From the screens alone: an empty flyer filled from a list with photos by article
    // code, paged through, exported to PDF and pictures; a changed list into a new flyer.
    void listToFlyerAndBack()
    {
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("Settimana.lis")), {}));
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("Seconda.lis")), {}));
        writeList(QStringLiteral("listino.csv"), 12, QStringLiteral("3,50"));
        QVERIFY(SavePicture(m_folder->file(QStringLiteral("listini/foto/ART1.jpg")), Qt::red));
        QVERIFY(SavePicture(m_folder->file(QStringLiteral("listini/art9.JPG")), Qt::blue));
        waitForProgress();
        showFromStart();
        select(QStringLiteral("Settimana.lis"));

        m_dialogs->fileNames.push_back(m_folder->file(QStringLiteral("listini/listino.csv")));
        m_dialogs->onMessage = [](const ScriptedDialogs::Message& message) {
            if (message.kind != ui::MessageKind::Confirmation)
                return;
            // The summary as the real message box shows it.
            QMessageBox box(QMessageBox::Question, QStringLiteral("Conferma"), message.text, QMessageBox::Yes | QMessageBox::No);
            box.show();
            Grab(&box, QStringLiteral("riepilogo_importazione"));
        };
        QTest::mouseClick(m_screen->btnImportaListino, Qt::LeftButton);
        QCOMPARE(m_dialogs->messages.size(), 2);
        QCOMPARE(m_dialogs->messages[0].kind, ui::MessageKind::Confirmation);
        QVERIFY2(m_dialogs->messages[0].text.contains(QStringLiteral("12 prodotti in 2 pagine nuove (pagine da 1 a 2)")),
                 qPrintable(m_dialogs->messages[0].text));
        QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("riga 3: nessuna foto per il codice \"ART2\"")));
        QCOMPARE(m_dialogs->messages[1].text, QStringLiteral("Importazione completata: aggiunte 2 pagine, da 1 a 2."));
        QCOMPARE(m_dialogs->modalDialogs, QStringList(2, QStringLiteral("dlgAvanzamento")));
        m_dialogs->onMessage = {};

        // Export the whole flyer, then its pages as pictures.
        m_dialogs->fileNames.push_back(m_folder->file(QStringLiteral("uscita/Settimana.pdf")));
        QTest::mouseClick(m_screen->btnEsportaPdf, Qt::LeftButton);
        QCOMPARE(m_dialogs->fileRequests.last().selectedFile.section(u'/', -1), QStringLiteral("Settimana.pdf"));
        QVERIFY(ReadFile(m_folder->file(QStringLiteral("uscita/Settimana.pdf"))).startsWith("%PDF"));
        m_dialogs->fileNames.push_back(m_folder->file(QStringLiteral("uscita")));
        QTest::mouseClick(m_screen->btnEsportaImmagini, Qt::LeftButton);
        QCOMPARE(QDir(m_folder->file(QStringLiteral("uscita"))).entryList({QStringLiteral("*.png")}),
                 QStringList({"Settimana_1.png", "Settimana_2.png"}));
        QCOMPARE(QImage(m_folder->file(QStringLiteral("uscita/Settimana_2.png"))).size(), QSize(1240, 1754));
        if (!qEnvironmentVariable("VETRINALIA_GRAB_DIR").isEmpty())
            QFile::copy(m_folder->file(QStringLiteral("uscita/Settimana_2.png")),
                        qEnvironmentVariable("VETRINALIA_GRAB_DIR") + QStringLiteral("/pagina_esportata.png"));

        // The list goes out, a price changes, it comes back in a new flyer.
        m_dialogs->fileNames.push_back(m_folder->file(QStringLiteral("listini/uscita.csv")));
        QTest::mouseClick(m_screen->btnEsportaListino, Qt::LeftButton);
        QByteArray list = ReadFile(m_folder->file(QStringLiteral("listini/uscita.csv")));
        QVERIFY(list.contains("\"3,50\""));
        list.replace("\"3,50\"", "\"4,20\"");
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("listini/uscita.csv")), list));
        select(QStringLiteral("Seconda.lis"));
        m_dialogs->fileNames.push_back(m_folder->file(QStringLiteral("listini/uscita.csv")));
        QTest::mouseClick(m_screen->btnImportaListino, Qt::LeftButton);
        QVERIFY2(m_dialogs->messages.last().text.startsWith(QStringLiteral("Importazione completata")),
                 qPrintable(m_dialogs->messages.last().text));

        // Open the new flyer and page through it.
        QTest::mouseClick(m_screen->btnApri, Qt::LeftButton);
        editor::TfrmListinoPrezzi* editorScreen = m_screens->frmListinoPrezzi;
        QTRY_VERIFY(editorScreen->isVisible());
        editorScreen->cmdPrimoClick();
        QCOMPARE(editorScreen->lblPosizione->text(), QStringLiteral("1"));
        QCOMPARE(editorScreen->txtNome(0)->text(), QStringLiteral("Prodotto 1"));
        QCOMPARE(editorScreen->txtPrezzo(0)->text(), QStringLiteral("4,20"));
        QVERIFY(qRed(editorScreen->imgFoto(0)->picture().pixel(100, 100)) > 200);
        editorScreen->cmdAvantiClick();
        QCOMPARE(editorScreen->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(editorScreen->txtNome(0)->text(), QStringLiteral("Prodotto 9"));
        QVERIFY(qBlue(editorScreen->imgFoto(0)->picture().pixel(100, 100)) > 200);
        QCOMPARE(editorScreen->txtNome(4)->text(), QString());
        Grab(editorScreen, QStringLiteral("editor_dopo_importazione"));
    }

    // Annulla in the progress window part-way: the flyer and its photos stay as they were.
    void cancelPartWay()
    {
        storage::PageRecord page;
        page.slots[0].nome = QStringLiteral("Già presente");
        {
            storage::FlyerArchive archive(m_folder->file(QStringLiteral("Grande.lis")));
            archive.writePage(0, page);
        }
        writeList(QStringLiteral("grande.csv"), 2000, QStringLiteral("1,00"));
        const QByteArray before = ReadFile(m_folder->file(QStringLiteral("Grande.lis")));
        showFromStart();
        select(QStringLiteral("Grande.lis"));
        m_dialogs->fileNames.push_back(m_folder->file(QStringLiteral("listini/grande.csv")));
        int shown = 0;
        m_dialogs->onModal = [&](QDialog& dialog) {
            auto& progress = static_cast<QProgressDialog&>(dialog);
            if (++shown == 1) {
                QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 120000);
                return;
            }
            QTRY_VERIFY_WITH_TIMEOUT(progress.value() > 0, 120000);
            Grab(&progress, QStringLiteral("avanzamento"));
            QTest::mouseClick(progress.findChild<QPushButton*>(), Qt::LeftButton);
        };
        QTest::mouseClick(m_screen->btnImportaListino, Qt::LeftButton);
        QCOMPARE(shown, 2);
        QCOMPARE(m_dialogs->messages.last().text,
                 QStringLiteral("Importazione annullata: il volantino e le sue foto sono rimasti come prima."));
        QCOMPARE(ReadFile(m_folder->file(QStringLiteral("Grande.lis"))), before);
        QCOMPARE(QDir(m_folder->file(QStringLiteral("Foto_Listino"))).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void badListsAndEmptyFlyersAreExplained()
    {
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("Vuoto.lis")), {}));
        QVERIFY(WriteFile(m_folder->file(QStringLiteral("listini/senza.csv")), "Nome;Costo\nPasta;1\n"));
        waitForProgress();
        showFromStart();
        select(QStringLiteral("Vuoto.lis"));
        m_dialogs->fileNames.push_back(m_folder->file(QStringLiteral("listini/senza.csv")));
        QTest::mouseClick(m_screen->btnImportaListino, Qt::LeftButton);
        QTest::mouseClick(m_screen->btnEsportaPdf, Qt::LeftButton);
        QCOMPARE(m_dialogs->messages.size(), 2);
        QVERIFY(m_dialogs->messages[0].text.contains(QStringLiteral("non ha la colonna prezzo")));
        QVERIFY(m_dialogs->messages[1].text.contains(QStringLiteral("non contiene nessuna pagina")));
        QCOMPARE(m_dialogs->messages[1].kind, ui::MessageKind::Warning);
        QCOMPARE(ReadFile(m_folder->file(QStringLiteral("Vuoto.lis"))), QByteArray());
    }
};

VETRINALIA_TEST(ExchangeButtonsTest)
#include "ExchangeButtonsTest.moc"
