// The editor's commands on real files, each against the floor of the work it cannot avoid.
#include "BenchUtil.h"
#include "SilentDialogs.h"

#include "base/ProgramFolder.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/FlyerCatalog.h"
#include "editor/ListinoPrezzi.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "report/Report.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"
#include "ui/Program.h"
#include "ui/ScreenRegistry.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// A camera-sized photo with detail everywhere, so that JPEG coding does real work.
QImage cameraPhoto(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(32u));
            line[x] = qRgb((x * 255 / width + noise) & 255, (y * 255 / height + noise) & 255, ((x ^ y) + noise) & 255);
        }
    }
    return image;
}

void writeJpeg(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "jpg");
    writer.write(image);
}

long peakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

long currentRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

struct Fixture {
    QTemporaryDir folder;
    bench::SilentDialogs dialogs;
    std::unique_ptr<ui::ScreenRegistry> screens;
    editor::TfrmListinoPrezzi* editor = nullptr;
    QString archive;

    explicit Fixture(const QString& title = QStringLiteral("Bench"))
    {
        base::SetProgramFolder(folder.path());
        screens = ui::CreateScreens();
        editor = screens->find<editor::TfrmListinoPrezzi>();
        archive = base::ProgramFolder() + title + QStringLiteral(".lis");
        editor->lblFile->setText(archive);
        editor->lblNome->setText(title);
        editor->showScreen();
        QTest::qWaitForWindowExposed(editor);
    }

    void fillSlotA()
    {
        editor->txtNome(0)->setText(QStringLiteral("Caffè in grani"));
        editor->txtUM(0)->setText(QStringLiteral("Confezione da 1 kg"));
        editor->txtCaratteristiche(0)->setText(QStringLiteral("Miscela 70% arabica"));
        editor->txtCodice(0)->setText(QStringLiteral("CF-1001"));
        editor->txtPrezzo(0)->setText(QStringLiteral("12,90"));
    }
};

void navigation()
{
    Fixture fixture;
    storage::PageRecord record;
    record.slots[0] = {QStringLiteral("CF-1"), QStringLiteral("Nome"), QStringLiteral("Aspetto"),
                       QStringLiteral("Caratteristiche"), QStringLiteral("1,00")};
    {
        storage::FlyerArchive archive(fixture.archive);
        for (int page = 0; page < 2; ++page)
            archive.writePage(page, record);
        archive.close();
    }
    QStringList photos;
    for (int page = 1; page <= 2; ++page)
        for (int s = 0; s < 8; ++s) {
            const QString path =
                storage::SlotPhotoPath(QStringLiteral("Bench"), storage::SlotLetter(s), QString::number(page));
            storage::SavePhoto(cameraPhoto(732, 548, quint32(page * 8 + s)), path);
            photos << path;
        }
    fixture.editor->cmdPrimoClick();
    bool forward = true;
    int photo = 0;
    const bench::Pair pair = bench::comparePair(
        60, nullptr,
        [&] {
            if (forward)
                fixture.editor->cmdAvantiClick();
            else
                fixture.editor->cmdIndietroClick();
            forward = !forward;
        },
        nullptr,
        [&] {
            storage::FlyerArchive archive(fixture.archive);
            const storage::PageRecord read = archive.readPage(photo % 2);
            archive.close();
            for (int s = 0; s < 8; ++s) {
                QImageReader reader(photos.at((photo % 2) * 8 + s));
                QImage image;
                reader.read(&image);
            }
            ++photo;
        });
    bench::report("navigation move, 8 stored photos", pair, 1.3, 25);
}

void save()
{
    Fixture fixture;
    fixture.fillSlotA();
    QList<QImage> photos;
    for (int s = 0; s < 8; ++s) {
        photos << cameraPhoto(4000, 3000, quint32(s));
        fixture.editor->imgFoto(s)->setPicture(photos.last());
    }
    fixture.editor->cmdSalvaClick(); // the page now exists: later saves overwrite it
    const bench::Pair pair = bench::comparePair(
        7, nullptr, [&] { fixture.editor->cmdSalvaClick(); }, nullptr,
        [&] {
            for (const QImage& photo : photos) {
                const QImage small = photo.scaled(366, 274, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                QImageWriter writer(&buffer, "jpg");
                writer.write(small);
            }
        });
    bench::report("cmdSalva, eight 4000 x 3000 photos on screen", pair, 1.3, 100);
}

void pick()
{
    Fixture fixture;
    const QString path = fixture.folder.filePath(QStringLiteral("camera.jpg"));
    writeJpeg(cameraPhoto(4000, 3000, 7), path);
    fixture.dialogs.nextFile = path;
    editor::PhotoBox* box = fixture.editor->imgFoto(0);
    const bench::Pair pair = bench::comparePair(
        9, nullptr, [&] { QTest::mouseClick(box, Qt::LeftButton); }, nullptr,
        [&] {
            QImageReader reader(path);
            QImage image;
            reader.read(&image);
        });
    bench::report("picking a 4000 x 3000 JPEG for a slot", pair, 1.2);
}

void preview()
{
    Fixture fixture;
    fixture.fillSlotA();
    for (int s = 0; s < 8; ++s)
        fixture.editor->imgFoto(s)->setPicture(cameraPhoto(732, 548, quint32(s)));
    QElapsedTimer timer;
    QList<double> prepared;
    QList<double> rendered;
    fixture.dialogs.onModal = [](QDialog& dialog) {
        if (auto* button = dialog.findChild<QPushButton*>(QStringLiteral("btnStampa")))
            button->click();
    };
    fixture.dialogs.onPreview = [&](const report::Report& report) {
        prepared << timer.nsecsElapsed() / 1e6;
        QElapsedTimer render;
        render.start();
        const QImage page = report::RenderPageImage(*report.preparedPage(), 300);
        rendered << render.nsecsElapsed() / 1e6;
    };
    for (int i = 0; i < 15; ++i) {
        timer.start();
        fixture.editor->cmdAnteprimaClick();
    }
    bench::report("cmdAnteprima up to the prepared page", bench::summarise(prepared), 150);
    bench::report("rendering the prepared page at 300 dpi", bench::summarise(rendered), 300);
}

void lastPage()
{
    Fixture fixture;
    {
        QFile file(fixture.archive);
        file.open(QIODevice::WriteOnly);
        const QByteArray page = storage::EncodePageRecord(storage::PageRecord{});
        QByteArray chunk;
        for (int i = 0; i < 1000; ++i)
            chunk += page;
        for (int i = 0; i < 100; ++i)
            file.write(chunk);
    }
    const bench::Pair pair = bench::comparePair(
        40, nullptr, [&] { fixture.editor->cmdUltimoClick(); }, nullptr,
        [&] {
            volatile qint64 size = QFileInfo(fixture.archive).size();
            (void)size;
        });
    bench::report("move to the last page of a 100 000-page archive", pair, 1.5);

    // The same move on a one-page archive: the cost does not grow with the archive.
    Fixture small(QStringLiteral("Piccolo"));
    {
        storage::FlyerArchive archive(small.archive);
        archive.writePage(0, storage::PageRecord{});
        archive.close();
    }
    const bench::Pair flat = bench::comparePair(
        40, nullptr, [&] { fixture.editor->cmdUltimoClick(); }, nullptr, [&] { small.editor->cmdUltimoClick(); });
    bench::report("  same move, 100 000 pages against 1 page", flat, 1.5);
}

void flyerList()
{
    Fixture fixture;
    for (int i = 0; i < 10000; ++i) {
        QFile file(base::ProgramFolder() + QStringLiteral("Volantino %1.lis").arg(i, 5, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
    }
    auto* open = fixture.screens->find<catalog::TfrmApriCatalogo>();
    const bench::Pair pair = bench::comparePair(
        15, nullptr, [&] { open->ListFlyers(); }, nullptr,
        [&] {
            QDir dir(base::ProgramFolder());
            volatile qsizetype n = dir.entryList({QStringLiteral("*.lis")}, QDir::Files, QDir::Name).size();
            (void)n;
        });
    bench::report("the open screen's list with 10 000 flyers", pair, 1.5);
}

void memory()
{
    Fixture fixture;
    QStringList paths;
    for (int s = 0; s < 8; ++s) {
        paths << fixture.folder.filePath(QStringLiteral("camera%1.jpg").arg(s));
        writeJpeg(cameraPhoto(4000, 3000, quint32(s)), paths.last());
    }
    QCoreApplication::processEvents();
    const long base = currentRssKb();
    for (int s = 0; s < 8; ++s) {
        fixture.dialogs.nextFile = paths.at(s);
        QTest::mouseClick(fixture.editor->imgFoto(s), Qt::LeftButton);
    }
    fixture.editor->repaint();
    QCoreApplication::processEvents();
    const long peak = peakRssKb();
    const double raw = 8.0 * 4000 * 3000 * 4 / 1024;
    std::printf("%-58s base %.0f MiB, peak %.0f MiB, raw pixels %.0f MiB: peak - base = %.2f x raw (goal <= 1.20)\n",
                "peak memory, eight 4000 x 3000 photos on screen", base / 1024.0, peak / 1024.0, raw / 1024.0,
                (peak - base) / raw);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::PrepareRendering();
    QApplication application(argc, argv);
    ui::ApplyProcessSettings();
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const auto run = [&](const char* name, void (*bench)()) {
        if (only.isEmpty() || only == QLatin1String(name))
            bench();
    };
    // Memory first, while the process has touched nothing else.
    run("memory", memory);
    run("navigation", navigation);
    run("save", save);
    run("pick", pick);
    run("preview", preview);
    run("lastpage", lastPage);
    run("list", flyerList);
    return 0;
}
