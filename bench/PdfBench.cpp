// vetrinalia-pdf on a 200-page flyer with its photos: wall time of the tool as a fresh
// process, and its peak memory at 50 and at 200 pages, which should not grow with the pages.
//
// The tool is run through this program's own "measure" subcommand, which starts it, waits
// for it and prints its wall time and peak RSS: the rusage of a child covers only that child.
#include "BenchUtil.h"

#include "base/ProgramFolder.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

const QString kTool = QStringLiteral(VETRINALIA_PROGRAM_DIR "/vetrinalia-pdf");
const QString kTitle = QStringLiteral("Volantino Bench");

// A photo with detail everywhere, so that decoding and coding the JPEG do real work.
QImage detailedPhoto(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    const int tint = int(random.bounded(256u));
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(32u));
            line[x] = qRgb((x * 255 / width + noise + tint) & 255, (y * 255 / height + noise) & 255,
                           ((x ^ y) + noise + seed) & 255);
        }
    }
    // A product-like shape on top, so that no two photos are alike.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(int(seed * 37 % 360), 200, 220));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(QRectF(width * 0.2, height * 0.15, width * 0.6, height * 0.7));
    return image;
}

// Pages whose number is a multiple of 5 lack two photos: those slots print the blank badge.
bool hasPhoto(int page, int slot)
{
    return page % 5 != 0 || (slot != page % 8 && slot != (page + 3) % 8);
}

storage::PageRecord record(int page)
{
    storage::PageRecord result;
    for (int slot = 0; slot < storage::kSlotCount; ++slot) {
        const QString tag = QStringLiteral("%1%2").arg(page).arg(storage::SlotLetter(slot));
        result.slots[slot] = {QStringLiteral("CF-") + tag, QStringLiteral("Caff\u00E8 in grani ") + tag,
                              QStringLiteral("Confezione da 1 kg"),
                              QStringLiteral("Miscela 70% arabica, tostatura media"),
                              QStringLiteral("%1,%2").arg(page + slot).arg(slot * 11 % 100, 2, 10, QLatin1Char('0'))};
    }
    return result;
}

// folder/<title>.lis of that many pages, its photos in folder/Foto_Listino.
QString writeFlyer(const QString& folder, int pages)
{
    const QString archive = folder + kTitle + QStringLiteral(".lis");
    storage::FlyerArchive file(archive);
    for (int page = 1; page <= pages; ++page)
        file.writePage(page - 1, record(page));
    file.close();
    base::SetProgramFolder(folder);
    for (int page = 1; page <= pages; ++page)
        for (int slot = 0; slot < storage::kSlotCount; ++slot)
            if (hasPhoto(page, slot)) {
                const QString path = storage::SlotPhotoPath(kTitle, storage::SlotLetter(slot), QString::number(page));
                if (!storage::SavePhoto(
                        detailedPhoto(storage::kPhotoWidth, storage::kPhotoHeight, quint32(page * 8 + slot)), path))
                    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            }
    return archive;
}

// A flyer made of the first pages of another, sharing its photo folder.
QString writeShorterFlyer(const QString& folder, const QString& longer, int pages)
{
    QDir().mkpath(folder);
    QFile source(longer);
    source.open(QIODevice::ReadOnly);
    const QString archive = folder + kTitle + QStringLiteral(".lis");
    QFile target(archive);
    target.open(QIODevice::WriteOnly);
    target.write(source.read(pages * storage::kPageRecordSize));
    QFile::link(QFileInfo(longer).absolutePath() + QStringLiteral("/Foto_Listino"),
                folder + QStringLiteral("Foto_Listino"));
    return archive;
}

struct Measure {
    double ms = 0;
    long peakKb = 0;
    bool ok = false;
};

// Runs the tool through the measure subcommand.
Measure runTool(const QString& archive, const QString& pdf)
{
    QFile::remove(pdf);
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("measure"), kTool, archive, pdf});
    Measure result;
    if (!process.waitForFinished(300000) || process.exitCode() != 0) {
        std::fprintf(stderr, "vetrinalia-pdf failed: %s\n", process.readAllStandardError().constData());
        return result;
    }
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() == 2) {
        result.ms = fields.at(0).toDouble();
        result.peakKb = fields.at(1).toLong();
        result.ok = QFileInfo(pdf).size() > 0;
    }
    return result;
}

// The measure subcommand: "<ms> <peak RSS kB>" of one run of the program, exit 0 when it
// succeeded.
int measure(const QStringList& command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(300000))
        return 1;
    const double ms = timer.nsecsElapsed() / 1e6;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return 1;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("%.2f %ld\n", ms, usage.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && qstrcmp(argv[1], "measure") == 0) {
        QCoreApplication application(argc, argv);
        return measure(QCoreApplication::arguments().mid(2));
    }
    QGuiApplication application(argc, argv);
    // "fixture FOLDER" only writes the 200-page flyer there, for profiling the tool by hand.
    if (argc > 2 && qstrcmp(argv[1], "fixture") == 0) {
        const QString folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QLatin1Char('/');
        QDir().mkpath(folder);
        std::printf("%s\n", qPrintable(writeFlyer(folder, 200)));
        return 0;
    }
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!only.isEmpty() && only != QLatin1String("pdf"))
        return 0;

    QTemporaryDir temporary;
    const QString folder = temporary.path() + QStringLiteral("/negozio/");
    QDir().mkpath(folder);
    const QString longFlyer = writeFlyer(folder, 200);
    const QString shortFlyer = writeShorterFlyer(temporary.path() + QStringLiteral("/breve/"), longFlyer, 50);
    const QString pdf = temporary.path() + QStringLiteral("/volantino.pdf");

    runTool(shortFlyer, pdf); // warms the file cache and the fonts
    QList<double> longTimes;
    QList<double> shortTimes;
    long longPeak = 0;
    long shortPeak = 0;
    const int repetitions = 5;
    for (int i = 0; i < repetitions; ++i) {
        const Measure s = runTool(shortFlyer, pdf);
        const Measure l = runTool(longFlyer, pdf);
        if (!s.ok || !l.ok)
            return 1;
        shortTimes << s.ms;
        longTimes << l.ms;
        shortPeak = std::max(shortPeak, s.peakKb);
        longPeak = std::max(longPeak, l.peakKb);
    }
    bench::report("vetrinalia-pdf, 50 pages with photos", bench::summarise(shortTimes), 1000);
    bench::report("vetrinalia-pdf, 200 pages with photos", bench::summarise(longTimes), 4000);
    const double ratio = shortPeak > 0 ? double(longPeak) / shortPeak : 0;
    std::printf("%-58s 50 pages %.1f MiB, 200 pages %.1f MiB: ratio %.2f (goal <= 1.20)\n", "vetrinalia-pdf peak RSS",
                shortPeak / 1024.0, longPeak / 1024.0, ratio);
    return 0;
}
