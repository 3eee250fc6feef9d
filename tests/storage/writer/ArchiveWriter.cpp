// Saves pages into an archive many times, as a second copy of the program would:
// archive_writer ARCHIVE TAG COUNT PAGE...  (a page of 0 appends)
#include "storage/FlyerArchive.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5)
        return 2;
    const QString path = args.at(1);
    const QString tag = args.at(2);
    const int count = args.at(3).toInt();
    QList<int> pages;
    for (int i = 4; i < args.size(); ++i)
        pages << args.at(i).toInt();

    storage::PageRecord record;
    int failures = 0;
    for (int round = 0; round < count; ++round) {
        for (auto& slot : record.slots) {
            const QString stamp = tag + QString::number(round);
            slot = {stamp, QString(50, tag.at(0)), QString(120, tag.at(0)), QString(250, tag.at(0)), stamp};
        }
        for (int page : pages) {
            try {
                storage::FlyerArchive archive(path);
                const qint64 index = page == 0 ? archive.recordCount() : page - 1;
                archive.writePage(index, record);
                archive.close();
            } catch (const storage::StorageError&) {
                ++failures;
            }
        }
    }
    std::printf("%d\n", failures);
    return failures == 0 ? 0 : 1;
}
