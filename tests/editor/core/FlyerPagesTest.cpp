// The editor's rules over an archive, without the screen: moving through the pages, saving,
// and the checks a page passes before it is saved.
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

#include "editor/FlyerPages.h"

#include <QFile>
#include <QTest>

using editor::FlyerPages;
using editor::PageMove;
using editor::SaveRefusal;
using storage::PageRecord;

Q_DECLARE_METATYPE(PageMove::Outcome)
Q_DECLARE_METATYPE(SaveRefusal::Reason)

namespace {

PageRecord Page(const QString& tag)
{
    PageRecord record = FlyerPages::NewPage();
    for (int s = 0; s < storage::kSlotCount; ++s) {
        auto& slot = record.slots[s];
        slot.nome = tag + QStringLiteral(" nome %1").arg(s);
        slot.um = tag + QStringLiteral(" um");
        slot.caratteristiche = tag + QStringLiteral(" car");
        slot.codice = tag + QStringLiteral("-%1").arg(s);
        slot.prezzo = QStringLiteral("%1,50").arg(s);
    }
    return record;
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FlyerPagesTest : public QObject {
    Q_OBJECT

    testing::TestFolder m_folder;

    // A fresh archive of `pages` pages tagged P1, P2, ...
    QString archive(int pages)
    {
        const QString path = m_folder.path() + QStringLiteral("volantino.lis");
        QFile::remove(path);
        const FlyerPages flyer(path);
        for (int p = 1; p <= pages; ++p)
            flyer.save(QString(), Page(QStringLiteral("P%1").arg(p)));
        return path;
    }

private Q_SLOTS:
    void moves_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("position");
        QTest::addColumn<PageMove::Outcome>("outcome");
        QTest::addColumn<qint64>("number");
        QTest::addColumn<bool>("numberCleared");

        using O = PageMove::Outcome;
        QTest::newRow("first from page 3") << 3 << "first"
                                           << "3" << O::Moved << qint64(1) << false;
        QTest::newRow("first from a new page") << 3 << "first"
                                               << "" << O::Moved << qint64(1) << false;
        QTest::newRow("last from page 1") << 3 << "last"
                                          << "1" << O::Moved << qint64(3) << false;
        QTest::newRow("previous from page 3") << 3 << "previous"
                                              << "3" << O::Moved << qint64(2) << false;
        QTest::newRow("previous from page 2") << 3 << "previous"
                                              << "2" << O::Moved << qint64(1) << false;
        QTest::newRow("previous from page 1 stays") << 3 << "previous"
                                                    << "1" << O::Stayed << qint64(0) << false;
        QTest::newRow("previous from padded 1 stays") << 3 << "previous"
                                                      << " 1 " << O::Stayed << qint64(0) << false;
        QTest::newRow("previous from a new page") << 3 << "previous"
                                                  << "" << O::Moved << qint64(1) << false;
        QTest::newRow("next from a new page") << 3 << "next"
                                              << "" << O::Moved << qint64(1) << false;
        QTest::newRow("next from page 1") << 3 << "next"
                                          << "1" << O::Moved << qint64(2) << false;
        QTest::newRow("next from page 2") << 3 << "next"
                                          << "2" << O::Moved << qint64(3) << false;
        QTest::newRow("next from the last page stays") << 3 << "next"
                                                       << "3" << O::Stayed << qint64(0) << false;
        QTest::newRow("first on an empty archive") << 0 << "first"
                                                   << "" << O::Empty << qint64(0) << false;
        QTest::newRow("last on an empty archive") << 0 << "last"
                                                  << "" << O::Empty << qint64(0) << false;
        QTest::newRow("previous on an empty archive") << 0 << "previous"
                                                      << "" << O::Empty << qint64(0) << false;
        QTest::newRow("next on an empty archive clears the number") << 0 << "next"
                                                                    << "4" << O::Empty << qint64(0) << true;
    }

    void moves()
    {
        QFETCH(int, pages);
        QFETCH(QString, step);
        QFETCH(QString, position);
        QFETCH(PageMove::Outcome, outcome);
        QFETCH(qint64, number);
        QFETCH(bool, numberCleared);

        const QString path = archive(pages);
        const QByteArray before = Contents(path);
        const FlyerPages flyer(path);
        const PageMove move = step == QLatin1String("first") ? flyer.first()
            : step == QLatin1String("last")                  ? flyer.last()
            : step == QLatin1String("previous")              ? flyer.previous(position)
                                                             : flyer.next(position);
        QCOMPARE(move.outcome, outcome);
        QCOMPARE(move.number, number);
        QCOMPARE(move.numberCleared, numberCleared);
        if (outcome == PageMove::Outcome::Moved)
            QCOMPARE(move.record, Page(QStringLiteral("P%1").arg(number)));
        // Moving never writes.
        QCOMPARE(Contents(path), before);
    }

    void unreadablePositionThrows_data()
    {
        QTest::addColumn<QString>("position");
        QTest::newRow("letters") << "due";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-2";
    }

    void unreadablePositionThrows()
    {
        QFETCH(QString, position);
        const QString path = archive(3);
        const QByteArray before = Contents(path);
        const FlyerPages flyer(path);
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, flyer.next(position));
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, flyer.save(position, Page(QStringLiteral("X"))));
        QCOMPARE(Contents(path), before);
    }

    void save()
    {
        const QString path = archive(3);
        const FlyerPages flyer(path);

        const auto overwritten = flyer.save(QStringLiteral(" 2 "), Page(QStringLiteral("N")));
        QCOMPARE(overwritten.number, qint64(2));
        QVERIFY(!overwritten.appended);
        const auto appended = flyer.save(QString(), Page(QStringLiteral("Q")));
        QCOMPARE(appended.number, qint64(4));
        QVERIFY(appended.appended);

        QCOMPARE(Contents(path).size(), 4 * storage::kPageRecordSize);
        const QString expected[] = {QStringLiteral("P1"), QStringLiteral("N"), QStringLiteral("P3"),
                                    QStringLiteral("Q")};
        PageMove move = flyer.first();
        for (const QString& tag : expected) {
            QCOMPARE(move.record, Page(tag));
            move = flyer.next(QString::number(move.number));
        }
        QCOMPARE(move.outcome, PageMove::Outcome::Stayed);
    }

    void checkBeforeSave_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<SaveRefusal::Reason>("reason");
        QTest::addColumn<int>("refusedSlot");

        using R = SaveRefusal::Reason;
        // Fields: 0 nome, 1 um, 2 caratteristiche, 3 codice, 4 prezzo.
        QTest::newRow("a whole page") << 0 << 0 << "Pane" << false << R::NomeMissing << 0;
        QTest::newRow("A without nome") << 0 << 0 << "" << true << R::NomeMissing << 0;
        QTest::newRow("A with blank um") << 0 << 1 << "   " << true << R::UmMissing << 0;
        QTest::newRow("A without caratteristiche") << 0 << 2 << "" << true << R::CaratteristicheMissing << 0;
        QTest::newRow("A without codice") << 0 << 3 << "" << true << R::CodiceMissing << 0;
        QTest::newRow("A without prezzo") << 0 << 4 << "" << true << R::PrezzoMissing << 0;
        QTest::newRow("B may be empty") << 1 << 0 << "" << false << R::NomeMissing << 0;
        QTest::newRow("price of 12 characters") << 5 << 4 << "123456789,00" << false << R::NomeMissing << 0;
        QTest::newRow("price too long in F") << 5 << 4 << "1234567890,00" << true << R::PrezzoTooLong << 5;
        QTest::newRow("price too long in A") << 0 << 4 << "1234567890,00" << true << R::PrezzoTooLong << 0;
    }

    void checkBeforeSave()
    {
        QFETCH(int, slot);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QFETCH(SaveRefusal::Reason, reason);
        QFETCH(int, refusedSlot);

        PageRecord record = Page(QStringLiteral("P"));
        auto& s = record.slots[slot];
        QString* const fields[] = {&s.nome, &s.um, &s.caratteristiche, &s.codice, &s.prezzo};
        *fields[field] = text;
        const auto refusal = FlyerPages::CheckBeforeSave(record);
        QCOMPARE(refusal.has_value(), refused);
        if (refusal) {
            QCOMPARE(refusal->reason, reason);
            QCOMPARE(refusal->slot, refusedSlot);
        }
    }

    void failingArchiveThrows()
    {
        // An archive in a folder that is not there: nothing can be read or written.
        const QString path = m_folder.path() + QStringLiteral("assente/volantino.lis");
        const FlyerPages flyer(path);
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, flyer.first());
        QVERIFY_THROWS_EXCEPTION(storage::StorageError, flyer.save(QString(), Page(QStringLiteral("X"))));
        QVERIFY(!QFileInfo::exists(path));
    }
};

VETRINALIA_TEST(FlyerPagesTest)
#include "FlyerPagesTest.moc"
