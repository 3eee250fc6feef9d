#include "TestFolder.h"
#include "TestRegistry.h"

#include "storage/FlyerArchive.h"

#include <QBuffer>
#include <QDir>
#include <QTest>

using storage::FlyerArchive;
using storage::PageRecord;

namespace {

// A slot field as it lies in the bytes: length, then the text.
QByteArray fieldAt(const QByteArray& record, int offset)
{
    const int length = quint8(record.at(offset));
    return record.mid(offset + 1, length);
}

PageRecord sampleRecord(const QString& tag)
{
    PageRecord record;
    for (int s = 0; s < storage::kSlotCount; ++s) {
        const QString letter(QChar(char16_t(u'A' + s)));
        record.slots[s] = {tag + QStringLiteral("C") + letter, tag + QStringLiteral("N") + letter,
                           tag + QStringLiteral("U") + letter, tag + QStringLiteral("K") + letter,
                           QStringLiteral("%1,50").arg(s)};
    }
    return record;
}

} // namespace

class FlyerArchiveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fieldOffsets_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("codice");
        QTest::addColumn<int>("nome");
        QTest::addColumn<int>("um");
        QTest::addColumn<int>("caratteristiche");
        QTest::addColumn<int>("prezzo");
        const int table[8][5] = {{0, 26, 77, 198, 449},          {462, 488, 539, 660, 911},
                                 {924, 950, 1001, 1122, 1373},   {1386, 1412, 1463, 1584, 1835},
                                 {1848, 1874, 1925, 2046, 2297}, {2310, 2336, 2387, 2508, 2759},
                                 {2772, 2798, 2849, 2970, 3221}, {3234, 3260, 3311, 3432, 3683}};
        for (int s = 0; s < 8; ++s) {
            QTest::addRow("slot %c", 'A' + s)
                << s << table[s][0] << table[s][1] << table[s][2] << table[s][3] << table[s][4];
        }
    }

    void fieldOffsets()
    {
        QFETCH(int, slot);
        QFETCH(int, codice);
        QFETCH(int, nome);
        QFETCH(int, um);
        QFETCH(int, caratteristiche);
        QFETCH(int, prezzo);
        const QByteArray bytes = storage::EncodePageRecord(sampleRecord(QStringLiteral("x")));
        QCOMPARE(bytes.size(), 3696);
        const char letter = char('A' + slot);
        QCOMPARE(fieldAt(bytes, codice), QByteArray("xC") + letter);
        QCOMPARE(fieldAt(bytes, nome), QByteArray("xN") + letter);
        QCOMPARE(fieldAt(bytes, um), QByteArray("xU") + letter);
        QCOMPARE(fieldAt(bytes, caratteristiche), QByteArray("xK") + letter);
        QCOMPARE(fieldAt(bytes, prezzo), QByteArray::number(slot) + ",50");
    }

    void writingTrimsConvertsAndCuts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("blanks around") << QStringLiteral("  Pane  ") << QByteArray("Pane");
        QTest::newRow("control characters") << QStringLiteral("\t\r\nPane\x01\x1f") << QByteArray("Pane");
        QTest::newRow("inner blanks kept") << QStringLiteral(" a  b ") << QByteArray("a  b");
        QTest::newRow("accents and euro") << QStringLiteral("Caffè € àÈ") << QByteArray("Caff\xe8 \x80 \xe0\xc8");
        QTest::newRow("not in the code page") << QStringLiteral("a\u4e2db\U0001F600c") << QByteArray("a?b?c");
        QTest::newRow("250 kept") << QString(250, u'x') << QByteArray(250, 'x');
        QTest::newRow("251 cut") << QString(251, u'y') << QByteArray(250, 'y');
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void writingTrimsConvertsAndCuts()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        PageRecord record;
        record.slots[7].caratteristiche = text;
        const QByteArray bytes = storage::EncodePageRecord(record);
        QCOMPARE(fieldAt(bytes, 3432), stored);
        QCOMPARE(storage::DecodePageRecord(bytes).slots[7].caratteristiche,
                 QString(stored.isEmpty() ? QString() : storage::DecodeField(stored)));
    }

    void eachFieldKeepsItsMaximum()
    {
        PageRecord record;
        record.slots[0] = {QString(40, u'c'), QString(60, u'n'), QString(130, u'u'), QString(300, u'k'),
                           QStringLiteral("1234567890123456")};
        const PageRecord back = storage::DecodePageRecord(storage::EncodePageRecord(record));
        QCOMPARE(back.slots[0].codice, QString(25, u'c'));
        QCOMPARE(back.slots[0].nome, QString(50, u'n'));
        QCOMPARE(back.slots[0].um, QString(120, u'u'));
        QCOMPARE(back.slots[0].caratteristiche, QString(250, u'k'));
        QCOMPARE(back.slots[0].prezzo, QStringLiteral("123456789012"));
    }

    void readingDecodesAndTrims()
    {
        QByteArray bytes(3696, '\0');
        const QByteArray name("  Caff\xe8 \x80 ");
        bytes[26] = char(name.size());
        bytes.replace(27, name.size(), name);
        QCOMPARE(storage::DecodePageRecord(bytes).slots[0].nome, QStringLiteral("Caffè €"));
    }

    void junkAfterLengthsIsIgnored()
    {
        const PageRecord record = sampleRecord(QStringLiteral("j"));
        QByteArray junk(3696, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char(0x41 + (i * 7) % 50);
        const QByteArray clean = storage::EncodePageRecord(record);
        const QByteArray dirty = storage::EncodePageRecord(record, junk);
        QVERIFY(clean != dirty);
        QCOMPARE(storage::DecodePageRecord(dirty), storage::DecodePageRecord(clean));
        QCOMPARE(storage::DecodePageRecord(dirty), record);
    }

    void oversizedLengthIsClamped()
    {
        QByteArray bytes(3696, 'Z');
        for (int s = 0; s < 8; ++s)
            for (int offset : {0, 26, 77, 198, 449})
                bytes[s * 462 + offset] = char(0xFF);
        const PageRecord record = storage::DecodePageRecord(bytes);
        for (const auto& slot : record.slots) {
            QCOMPARE(slot.codice, QString(25, u'Z'));
            QCOMPARE(slot.nome, QString(50, u'Z'));
            QCOMPARE(slot.um, QString(120, u'Z'));
            QCOMPARE(slot.caratteristiche, QString(250, u'Z'));
            QCOMPARE(slot.prezzo, QString(12, u'Z'));
        }
    }

    void recordCount_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("count");
        QTest::newRow("empty") << qint64(0) << qint64(0);
        QTest::newRow("fragment") << qint64(100) << qint64(0);
        QTest::newRow("one") << qint64(3696) << qint64(1);
        QTest::newRow("one and four bytes") << qint64(3700) << qint64(1);
        QTest::newRow("ten") << qint64(36960) << qint64(10);
    }

    void recordCount()
    {
        QFETCH(qint64, size);
        QFETCH(qint64, count);
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Estate.lis"));
        QVERIFY(testing::WriteFile(path, QByteArray(size, '\0')));
        FlyerArchive archive(path);
        QCOMPARE(archive.recordCount(), count);
    }

    void pagesLieAtTheirOffsets()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Estate.lis"));
        {
            FlyerArchive archive(path);
            for (int page = 0; page < 10; ++page)
                archive.writePage(page, sampleRecord(QString::number(page + 1)));
            archive.close();
        }
        const QByteArray bytes = testing::ReadFile(path);
        QCOMPARE(bytes.size(), 36960);
        for (int page : {1, 2, 10}) {
            const qint64 offset = (page - 1) * 3696;
            QCOMPARE(fieldAt(bytes, int(offset) + 26), QString::number(page).toLatin1() + "NA");
        }
        FlyerArchive archive(path);
        QCOMPARE(archive.readPage(9), sampleRecord(QStringLiteral("10")));
    }

    void appendOverwritesTrailingFragment()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Estate.lis"));
        QByteArray bytes = storage::EncodePageRecord(sampleRecord(QStringLiteral("1")));
        QVERIFY(testing::WriteFile(path, bytes + QByteArray(4, '\x7f')));
        {
            FlyerArchive archive(path);
            QCOMPARE(archive.recordCount(), 1);
            archive.writePage(archive.recordCount(), sampleRecord(QStringLiteral("2")));
            archive.close();
        }
        const QByteArray after = testing::ReadFile(path);
        QCOMPARE(after.size(), 2 * 3696);
        QCOMPARE(after.left(3696), bytes);
        QCOMPARE(storage::DecodePageRecord(after.mid(3696)), sampleRecord(QStringLiteral("2")));
    }

    void overwriteLeavesOtherPagesByteForByte()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Estate.lis"));
        QByteArray original;
        for (int page = 1; page <= 3; ++page)
            original += storage::EncodePageRecord(sampleRecord(QString::number(page)));
        QVERIFY(testing::WriteFile(path, original));
        {
            FlyerArchive archive(path);
            archive.writePage(1, sampleRecord(QStringLiteral("new")));
            archive.close();
        }
        const QByteArray after = testing::ReadFile(path);
        QCOMPARE(after.size(), original.size());
        QCOMPARE(after.left(3696), original.left(3696));
        QCOMPARE(after.mid(2 * 3696), original.mid(2 * 3696));
        QCOMPARE(storage::DecodePageRecord(after.mid(3696, 3696)), sampleRecord(QStringLiteral("new")));
    }

    void missingFileIsCreatedEmpty()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Nuovo.lis"));
        {
            FlyerArchive archive(path);
            QCOMPARE(archive.recordCount(), 0);
            archive.close();
        }
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void failuresThrow()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Cartella.lis"));
        QVERIFY(QDir().mkpath(path));
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, FlyerArchive{path});
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, FlyerArchive{folder.file(QStringLiteral("manca/Estate.lis"))});

        const QString good = folder.file(QStringLiteral("Estate.lis"));
        FlyerArchive archive(good);
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, archive.readPage(0));
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, archive.writePage(1, PageRecord{}));
    }

    void deviceThatFailsMidWrite()
    {
        // A device that takes only part of the record reports the failure.
        class ShortDevice : public QBuffer {
        protected:
            qint64 writeData(const char* data, qint64 length) override
            {
                return QBuffer::writeData(data, qMin<qint64>(length, 1000));
            }
        } device;
        QVERIFY(device.open(QIODevice::ReadWrite));
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, storage::WritePage(device, 0, PageRecord{}));

        QBuffer shortRead;
        shortRead.setData(QByteArray(3000, '\0'));
        QVERIFY(shortRead.open(QIODevice::ReadOnly));
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, storage::ReadPage(shortRead, 0));
    }
};

VETRINALIA_TEST(FlyerArchiveTest)
#include "FlyerArchiveTest.moc"
