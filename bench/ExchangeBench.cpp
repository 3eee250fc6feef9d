// Price lists in and pictures out: importing a 10 000-row list with a photo per row,
// against the floor of storing the same photos alone (read, scaled and written as the
// import stores them, over the same threads); and exporting a 200-page flyer to PNG.
//
// exchange [import|pictures]
#include "BenchUtil.h"

#include "base/Parallel.h"
#include "exchange/FlyerExport.h"
#include "exchange/PriceListImport.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>

namespace {

constexpr int kRows = 10000;
constexpr int kDistinctPhotos = 200;
constexpr int kPages = 200;

// A photo with detail everywhere, so that decoding and coding it do real work.
QImage detailedPhoto(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(32u));
            line[x] = qRgb((x * 255 / width + noise) & 255, (y * 255 / height + noise) & 255, ((x ^ y) + noise + seed) & 255);
        }
    }
    QPainter painter(&image);
    painter.setBrush(QColor::fromHsv(int(seed * 37 % 360), 200, 220));
    painter.drawEllipse(QRectF(width * 0.2, height * 0.15, width * 0.6, height * 0.7));
    return image;
}

void clearFolder(const QString& path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

void benchImport(const QString& root)
{
    // 200 distinct camera-size photos, linked under 10 000 article codes.
    const QString listFolder = root + QStringLiteral("/listino");
    QDir().mkpath(listFolder + QStringLiteral("/foto"));
    QStringList sources;
    for (int i = 0; i < kDistinctPhotos; ++i) {
        const QString path = listFolder + QStringLiteral("/originale%1.jpg").arg(i);
        detailedPhoto(800, 600, quint32(i)).save(path, "jpg", 90);
        sources << path;
    }
    QByteArray csv("Codice;Nome;Confezione;Caratteristiche;Prezzo\r\n");
    QStringList photos;
    for (int row = 0; row < kRows; ++row) {
        const QString code = QStringLiteral("ART%1").arg(row, 5, 10, QLatin1Char('0'));
        const QString photo = listFolder + QStringLiteral("/foto/") + code + QStringLiteral(".jpg");
        QFile::link(sources.at(row % kDistinctPhotos), photo);
        photos << photo;
        csv += QStringLiteral("%1;Prodotto %2;Confezione da 500 g;Qualità superiore, offerta della settimana;%3,%4\r\n")
                   .arg(code)
                   .arg(row)
                   .arg(row % 100)
                   .arg(row % 90 + 10)
                   .toUtf8();
    }
    QFile list(listFolder + QStringLiteral("/listino.csv"));
    list.open(QIODevice::WriteOnly);
    list.write(csv);
    list.close();

    const QString flyer = root + QStringLiteral("/flyer");
    const exchange::ImportTarget target{flyer + QStringLiteral("/Bench.lis"), flyer + QStringLiteral("/Foto_Listino"),
                                        QStringLiteral("Bench")};
    const auto command = [&] {
        const exchange::ImportPlan plan = exchange::PlanImport(list.fileName());
        exchange::ApplyImport(plan, target);
    };
    // The floor: the same photos read, scaled and written alone, shared out the same way.
    const auto floor = [&] {
        std::atomic<int> next{0};
        base::RunOnCores(16, [&](bool) {
            for (int i = next++; i < kRows; i = next++) {
                const std::optional<QImage> photo = storage::LoadPhoto(photos.at(i));
                storage::SavePhoto(*photo, storage::SlotPhotoPath(target.photoFolder, target.title,
                                                                  storage::SlotLetter(i % 8), QString::number(i / 8 + 1)));
            }
        });
    };
    const auto reset = [&] {
        clearFolder(flyer);
        QDir().mkpath(target.photoFolder);
    };
    bench::report("import of a 10 000-row list with photos", bench::comparePair(3, reset, command, reset, floor), 1.3);
}

void benchPictures(const QString& root)
{
    const QString folder = root + QStringLiteral("/immagini");
    exchange::FlyerPagesSnapshot flyer;
    flyer.title = QStringLiteral("Bench");
    flyer.photoFolder = root + QStringLiteral("/Foto_Listino");
    QDir().mkpath(flyer.photoFolder);
    for (int page = 0; page < kPages; ++page) {
        storage::PageRecord record;
        for (int s = 0; s < 8; ++s) {
            record.slots[size_t(s)] = {QStringLiteral("ART%1%2").arg(page).arg(s), QStringLiteral("Prodotto %1").arg(page * 8 + s),
                                       QStringLiteral("Confezione da 500 g"), QStringLiteral("Offerta della settimana"),
                                       QStringLiteral("%1,90").arg(s + 1)};
            storage::SavePhoto(detailedPhoto(366, 274, quint32(page * 8 + s)),
                               storage::SlotPhotoPath(flyer.photoFolder, flyer.title, storage::SlotLetter(s),
                                                      QString::number(page + 1)));
        }
        flyer.pages.push_back(record);
    }
    QList<double> perPage;
    for (int run = 0; run < 3; ++run) {
        clearFolder(folder);
        perPage += bench::sample(1, {}, [&] { exchange::ExportPictures(flyer, folder); }).first() / kPages;
    }
    const bench::Stats stats = bench::summarise(perPage);
    std::printf("%-58s median %8.2f ms [p10 %7.2f, p90 %7.2f]\n", "export of a 200-page flyer to PNG, per page",
                stats.median, stats.p10, stats.p90);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QTemporaryDir root;
    if (only.isEmpty() || only == QLatin1String("import"))
        benchImport(root.path());
    if (only.isEmpty() || only == QLatin1String("pictures"))
        benchPictures(root.path());
    return 0;
}
