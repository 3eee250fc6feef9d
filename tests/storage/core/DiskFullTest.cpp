#include "SmallDisk.h"
#include "TestRegistry.h"

#include "base/ProgramFolder.h"
#include "storage/FlyerArchive.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

// A disk that fills up during a save: a small tmpfs as the program folder.
class DiskFullTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_mountPoint;
    std::optional<testing::SmallDisk> m_disk;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_mountPoint.isValid());
        // 40 KiB: room for ten pages and not for an eleventh.
        m_disk.emplace(m_mountPoint.path(), 40);
    }

    void cleanupTestCase() { m_disk.reset(); }

    void fullDiskFailsTheSaveAndKeepsEarlierPages()
    {
        if (!m_disk->mounted())
            QSKIP("mounting a small tmpfs is not allowed here");
        const QString path = m_mountPoint.path() + QStringLiteral("/Pieno.lis");
        storage::PageRecord record;
        record.slots[0].nome = QStringLiteral("Pagina");
        int written = 0;
        bool failed = false;
        QByteArray before;
        for (int page = 0; page < 20 && !failed; ++page) {
            before = QFile::exists(path) ? [&] {
                QFile f(path);
                f.open(QIODevice::ReadOnly);
                return f.readAll();
            }()
                                         : QByteArray();
            try {
                storage::FlyerArchive archive(path);
                record.slots[0].codice = QString::number(page + 1);
                archive.writePage(archive.recordCount(), record);
                archive.close();
                ++written;
            } catch (const storage::StorageError&) {
                failed = true;
            }
        }
        QVERIFY2(failed, "the small disk never filled up");
        QVERIFY(written > 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        // Nothing of the page that did not fit is left behind.
        QCOMPARE(after.size(), qsizetype(written) * 3696);
        // The pages written before the failure are whole and unchanged.
        QCOMPARE(after.left(written * 3696), before.left(written * 3696));
        for (int page = 0; page < written; ++page)
            QCOMPARE(storage::DecodePageRecord(QByteArrayView(after).sliced(page * 3696, 3696)).slots[0].codice,
                     QString::number(page + 1));
    }
};

VETRINALIA_TEST(DiskFullTest)
#include "DiskFullTest.moc"
