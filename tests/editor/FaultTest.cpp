// The editor on real files that go wrong under it: the program folder taken away, a disk
// that fills up during a save.
#include "EditorFixture.h"
#include "support/SmallDisk.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace testing;

namespace {

const QString kAccessError = AccessErrorText();
const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kOverwritten =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

QByteArray Pages(int count)
{
    QByteArray bytes;
    for (int p = 1; p <= count; ++p)
        bytes += storage::EncodePageRecord(NumberedPage(p));
    return bytes;
}

} // namespace

class FaultTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void programFolderRemoved_data();
    void programFolderRemoved();
    void diskFullDuringSave_data();
    void diskFullDuringSave();
};

void FaultTest::programFolderRemoved_data()
{
    QTest::addColumn<QString>("command");
    for (const char* command : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdSalva"})
        QTest::newRow(command) << command;
}

void FaultTest::programFolderRemoved()
{
    QFETCH(QString, command);
    EditorFixture f(3);
    f.click(QStringLiteral("cmdPrimo"));
    f.click(QStringLiteral("cmdAvanti"));
    f.fillSlotA();
    // The folder goes away under the open editor (a removable drive pulled out).
    QVERIFY(QDir(f.folder.path()).removeRecursively());

    f.click(command);

    QCOMPARE(f.dialogs.messageTexts(), QStringList{kAccessError});
    QCOMPARE(f.editor->lblPosizione->text(), QStringLiteral("2"));
    QCOMPARE(f.editor->txtNome(0)->text(), QStringLiteral("Mele"));
    // Nothing was made again in its place.
    QVERIFY(!QFileInfo::exists(f.folder.path()));
}

void FaultTest::diskFullDuringSave_data()
{
    QTest::addColumn<QString>("command"); // cmdNuovo: the page is appended; cmdUltimo: page 3 rewritten
    QTest::addColumn<int>("freeBlocks");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("pagesAfter");
    // Appending needs one more 4 KiB block for the archive.
    QTest::newRow("no room for the new page") << "cmdNuovo" << 0 << kAccessError << 3;
    QTest::newRow("room for the page, none for its photos") << "cmdNuovo" << 1 << kAppended << 4;
    QTest::newRow("page rewritten in place, no room for photos") << "cmdUltimo" << 0 << kOverwritten << 3;
}

void FaultTest::diskFullDuringSave()
{
    QFETCH(QString, command);
    QFETCH(int, freeBlocks);
    QFETCH(QString, message);
    QFETCH(int, pagesAfter);
    EditorFixture f(0, false);
    SmallDisk disk(f.folder.path(), 96);
    if (!disk.mounted())
        QSKIP("mounting a small tmpfs needs root; not allowed here");
    // Three pages with their photos on the small disk.
    QVERIFY(WriteFile(f.archive, Pages(3)));
    storage::PhotoFolderPath();
    for (int page = 1; page <= 3; ++page)
        QVERIFY(storage::SavePhoto(Plain(366, 274, QColor(60 * page, 80, 160)), f.photoPath(u'A', page)));
    const QByteArray photoBefore = ReadFile(f.photoPath(u'A', 3));
    const QByteArray pagesBefore = f.archiveBytes();

    f.click(QStringLiteral("cmdUltimo"));
    f.click(command);
    f.fillSlotA();
    for (int s = 0; s < 8; ++s)
        f.editor->imgFoto(s)->setPicture(Plain(1200, 900, Qt::darkGreen));
    disk.fillLeaving(freeBlocks);

    f.click(QStringLiteral("cmdSalva"));

    QCOMPARE(f.dialogs.messageTexts(), QStringList{message});
    const QByteArray after = f.archiveBytes();
    QCOMPARE(after.size(), qsizetype(pagesAfter) * storage::kPageRecordSize);
    // No earlier page changed; a rewritten or appended page is whole.
    const qsizetype kept = command == QStringLiteral("cmdUltimo") ? 2 : 3;
    QCOMPARE(after.left(kept * storage::kPageRecordSize), pagesBefore.left(kept * storage::kPageRecordSize));
    if (after.size() > kept * storage::kPageRecordSize && message != kAccessError)
        QCOMPARE(storage::DecodePageRecord(QByteArrayView(after).sliced(kept * storage::kPageRecordSize)).slots[0].nome,
                 QStringLiteral("Mele"));
    // Photos that did not fit: the slots show the blank picture, the earlier photo file stays.
    if (message != kAccessError) {
        for (int s = 0; s < 8; ++s)
            QCOMPARE(f.editor->imgFoto(s)->picture(), f.editor->BlankPicture());
    } else {
        QCOMPARE(f.editor->imgFoto(0)->picture().size(), QSize(1200, 900));
    }
    QCOMPARE(ReadFile(f.photoPath(u'A', 3)), photoBefore);
    QVERIFY(!QFileInfo::exists(f.photoPath(u'A', 4)));
}

VETRINALIA_TEST(FaultTest)
#include "FaultTest.moc"
