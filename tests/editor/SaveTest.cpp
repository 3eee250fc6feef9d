#include "EditorFixture.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

using namespace testing;

namespace {

const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kChanged = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

QByteArray Page(const QByteArray& archive, int page)
{
    return archive.mid((page - 1) * storage::kPageRecordSize, storage::kPageRecordSize);
}

} // namespace

class SaveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void save_data();
    void save();
    void warnings_data();
    void warnings();
    void storedAsShown();
    void archiveShortenedMeanwhile();
};

void SaveTest::save_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("steps");  // commands before the page is filled in
    QTest::addColumn<int>("saves");
    QTest::addColumn<int>("writtenPage");
    QTest::addColumn<int>("pagesAfter");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("new page into an empty archive") << 0 << QStringList() << 1 << 1 << 1 << QStringList{kInserted};
    QTest::newRow("saved twice: appended once, then overwritten")
        << 0 << QStringList() << 2 << 1 << 1 << QStringList{kInserted, kChanged};
    QTest::newRow("new page after three") << 3 << QStringList() << 1 << 4 << 4 << QStringList{kInserted};
    QTest::newRow("overwrite page 2 of 3") << 3 << QStringList{"cmdPrimo", "cmdAvanti"} << 1 << 2 << 3
                                           << QStringList{kChanged};
    QTest::newRow("cmdNuovo on page 3 of 5 appends page 6")
        << 5 << QStringList{"cmdUltimo", "cmdIndietro", "cmdIndietro", "cmdNuovo"} << 1 << 6 << 6
        << QStringList{kInserted};
}

void SaveTest::save()
{
    QFETCH(int, pages);
    QFETCH(QStringList, steps);
    QFETCH(int, saves);
    QFETCH(int, writtenPage);
    QFETCH(int, pagesAfter);
    QFETCH(QStringList, messages);

    EditorFixture f(pages);
    const QByteArray before = f.archiveBytes();
    for (const QString& step : steps)
        f.click(step);
    f.fillSlotA();
    f.editor->txtNome(1)->setText(QStringLiteral("  Pere  "));
    f.editor->txtCodice(2)->setFocus();
    for (int i = 0; i < saves; ++i)
        f.click(QStringLiteral("cmdSalva"));

    QCOMPARE(f.dialogs.messageTexts(), messages);
    for (const auto& message : f.dialogs.messages)
        QCOMPARE(message.kind, ui::MessageKind::Information);
    QCOMPARE(f.editor->lblPosizione->text(), QString::number(writtenPage));
    const QByteArray after = f.archiveBytes();
    QCOMPARE(after.size(), pagesAfter * storage::kPageRecordSize);
    // The written page holds the fields, trimmed; every other page is byte for byte as it was.
    storage::PageRecord expected = f.editor->FillPageRecord();
    QCOMPARE(expected.slots[1].nome, QStringLiteral("Pere"));
    QCOMPARE(storage::DecodePageRecord(Page(after, writtenPage)), expected);
    for (int p = 1; p <= pages; ++p) {
        if (p != writtenPage)
            QVERIFY2(Page(after, p) == Page(before, p), qPrintable(QString::number(p)));
    }
    // The fields keep what was typed and the focus stays where it was.
    QCOMPARE(f.editor->txtNome(1)->text(), QStringLiteral("  Pere  "));
    QVERIFY(f.editor->txtCodice(2)->hasFocus());
    // Eight photos named after the title and the page, 366 x 274.
    for (int s = 0; s < 8; ++s) {
        const QString path = f.photoPath(storage::SlotLetter(s), writtenPage);
        QCOMPARE(QImageReader(path).size(), QSize(366, 274));
    }
    QCOMPARE(QDir(f.folder.file(QStringLiteral("Foto_Listino"))).entryList(QDir::Files).size(), 8);
}

void SaveTest::warnings_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("name empty") << "txtNome_A" << ""
                                << "Attenzione: per salvare la scheda è necessario indicare il nome del primo prodotto.";
    QTest::newRow("name of spaces") << "txtNome_A" << "   \t"
                                    << "Attenzione: per salvare la scheda è necessario indicare il nome del primo "
                                       "prodotto.";
    QTest::newRow("appearance") << "txtUM_A" << ""
                                << "Attenzione: per salvare la scheda è necessario indicare l'aspetto esteriore del "
                                   "primo prodotto.";
    QTest::newRow("features") << "txtCaratteristiche_A" << " "
                              << "Attenzione: per salvare la scheda è necessario indicare le caratteristiche del "
                                 "primo prodotto.";
    QTest::newRow("code") << "txtCodice_A" << ""
                          << "Attenzione: per salvare la scheda è necessario indicare il codice articolo del primo "
                             "prodotto.";
    QTest::newRow("price") << "txtPrezzo_A" << ""
                           << "Attenzione: per salvare la scheda è necessario indicare il prezzo di vendita del primo "
                              "prodotto.";
    const QString tooLong =
        QStringLiteral("Attenzione: il prezzo di vendita indicato è troppo lungo per essere salvato in archivio.");
    QTest::newRow("price A too long") << "txtPrezzo_A" << "1000000000,00" << tooLong;
    QTest::newRow("price F too long") << "txtPrezzo_F" << "999999999999,00" << tooLong;
    QTest::newRow("price H too long") << "txtPrezzo_H" << " 1234567890,00 " << tooLong;
}

void SaveTest::warnings()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, warning);
    EditorFixture f(2);
    const QByteArray before = f.archiveBytes();
    f.fillSlotA();
    // Checked in order: slot A's fields first, then the prices from A to H, so a later
    // over-long price never hides an earlier fault.
    f.editor->txtPrezzo(7)->setText(QStringLiteral("12345678901,00"));
    auto* edit = f.find<QLineEdit>(field);
    edit->setText(text);
    f.editor->txtNome(6)->setFocus();

    f.click(QStringLiteral("cmdSalva"));

    QCOMPARE(f.dialogs.messageTexts(), QStringList{warning});
    QCOMPARE(f.dialogs.messages.first().kind, ui::MessageKind::Warning);
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(f.archiveBytes(), before);
    QCOMPARE(f.editor->lblPosizione->text(), QString());
    QVERIFY(!QFile::exists(f.photoPath(u'A', 3)));
}

void SaveTest::storedAsShown()
{
    // Slot A complete, B to H blank: eight slots stored, seven with empty texts and their prices.
    EditorFixture f(0);
    f.fillSlotA();
    f.editor->txtPrezzo(3)->clear();
    f.click(QStringLiteral("cmdSalva"));
    const storage::PageRecord stored = storage::DecodePageRecord(f.archiveBytes());
    QCOMPARE(stored.slots[0].nome, QStringLiteral("Mele"));
    for (int s = 1; s < 8; ++s) {
        QCOMPARE(stored.slots[s].nome, QString());
        QCOMPARE(stored.slots[s].codice, QString());
        QCOMPARE(stored.slots[s].prezzo, s == 3 ? QString() : QStringLiteral("0,00"));
    }
    // A price of 0,00 is length 4 then its text.
    const QByteArray bytes = f.archiveBytes();
    QCOMPARE(int(quint8(bytes[462 + 449])), 4);
    QCOMPARE(bytes.mid(462 + 450, 4), QByteArray("0,00"));
}

void SaveTest::archiveShortenedMeanwhile()
{
    // Another copy of the program left only page 1 while page 3 is on screen: overwriting
    // page 3 would leave a hole of garbage at page 2, so the save is refused.
    EditorFixture f(3);
    f.click(QStringLiteral("cmdUltimo"));
    QVERIFY(QFile::resize(f.archive, storage::kPageRecordSize));
    const QByteArray before = f.archiveBytes();
    f.fillSlotA();
    f.click(QStringLiteral("cmdSalva"));
    QCOMPARE(f.dialogs.messageTexts().size(), 1);
    QVERIFY(f.dialogs.messageTexts().first().startsWith(
        QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
    QCOMPARE(f.archiveBytes(), before);
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("3"));
    QVERIFY(!QFile::exists(f.photoPath(u'A', 3)));
}

VETRINALIA_TEST(SaveTest)
#include "SaveTest.moc"
