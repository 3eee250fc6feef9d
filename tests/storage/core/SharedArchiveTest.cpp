#include "TestFolder.h"
#include "TestRegistry.h"

#include "storage/FlyerArchive.h"

#include <QProcess>
#include <QTest>

#include <cerrno>

// Two copies of the program saving into one archive on a shared folder.
class SharedArchiveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aLockedArchiveIsRefusedAfterTheWait()
    {
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Estate.lis"));
        storage::FlyerArchive first(path);
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, storage::FlyerArchive(path, 200));
        first.close();
        storage::FlyerArchive again(path, 200);
        QCOMPARE(again.recordCount(), 0);
    }

#ifndef Q_OS_WIN
    // Only another copy's lock is waited for; a file system that refuses locks in any
    // other way (network and FUSE mounts) is used without one.
    void lockRefusals_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("meaning");
        const int busy = int(storage::LockRefusal::Busy);
        const int without = int(storage::LockRefusal::Unsupported);
        QTest::newRow("EACCES: held by another copy") << EACCES << busy;
        QTest::newRow("EAGAIN: held by another copy") << EAGAIN << busy;
        QTest::newRow("EINTR: tried again") << EINTR << int(storage::LockRefusal::Retry);
        QTest::newRow("ENOLCK") << ENOLCK << without;
        QTest::newRow("EINVAL") << EINVAL << without;
        QTest::newRow("ENOSYS") << ENOSYS << without;
        QTest::newRow("EOPNOTSUPP") << EOPNOTSUPP << without;
        QTest::newRow("ENOTSUP") << ENOTSUP << without;
        QTest::newRow("EIO") << EIO << without;
        QTest::newRow("EPERM") << EPERM << without;
        QTest::newRow("EBADF") << EBADF << without;
    }

    void lockRefusals()
    {
        QFETCH(int, error);
        QFETCH(int, meaning);
        QCOMPARE(int(storage::ClassifyLockRefusal(error)), meaning);
    }
#endif

    void concurrentSavesKeepWholeRecords_data()
    {
        QTest::addColumn<QStringList>("firstPages");
        QTest::addColumn<QStringList>("secondPages");
        QTest::newRow("different pages") << QStringList{QStringLiteral("1")} << QStringList{QStringLiteral("2")};
        QTest::newRow("same page") << QStringList{QStringLiteral("2")} << QStringList{QStringLiteral("2")};
        QTest::newRow("appends") << QStringList{QStringLiteral("0")} << QStringList{QStringLiteral("0")};
    }

    void concurrentSavesKeepWholeRecords()
    {
        QFETCH(QStringList, firstPages);
        QFETCH(QStringList, secondPages);
        testing::TestFolder folder;
        const QString path = folder.file(QStringLiteral("Condiviso.lis"));
        {
            storage::FlyerArchive archive(path);
            archive.writePage(0, {});
            archive.writePage(1, {});
            archive.close();
        }
        const int rounds = 300;
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(ARCHIVE_WRITER),
                    QStringList{path, QStringLiteral("P"), QString::number(rounds)} + firstPages);
        second.start(QStringLiteral(ARCHIVE_WRITER),
                     QStringList{path, QStringLiteral("Q"), QString::number(rounds)} + secondPages);
        QVERIFY(first.waitForFinished(120000));
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);

        const QByteArray bytes = testing::ReadFile(path);
        QCOMPARE(bytes.size() % 3696, 0);
        const bool appends = firstPages.first() == QStringLiteral("0");
        QCOMPARE(bytes.size() / 3696, appends ? 2 + 2 * rounds : 2);
        for (qsizetype offset = 0; offset < bytes.size(); offset += 3696) {
            const storage::PageRecord record = storage::DecodePageRecord(QByteArrayView(bytes).sliced(offset, 3696));
            const QString stamp = record.slots[0].codice;
            if (stamp.isEmpty()) {
                QCOMPARE(record, storage::PageRecord{});
                continue;
            }
            const QChar tag = stamp.at(0);
            for (const auto& slot : record.slots) {
                QCOMPARE(slot.codice, stamp);
                QCOMPARE(slot.prezzo, stamp);
                QCOMPARE(slot.nome, QString(50, tag));
                QCOMPARE(slot.um, QString(120, tag));
                QCOMPARE(slot.caratteristiche, QString(250, tag));
            }
        }
    }
};

VETRINALIA_TEST(SharedArchiveTest)
#include "SharedArchiveTest.moc"
