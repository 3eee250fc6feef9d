// vetrinalia-pdf ARCHIVE.lis OUTPUT.pdf
// Renders every page of a flyer archive, in order, as one A4 PDF: the same template and
// renderer as the program's print, the photos taken from Foto_Listino beside the archive.
// The archive and the photos are only read.

#include "app/Text.h"
#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"
#include "storage/WholeWrites.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <future>
#include <memory>

namespace {

constexpr int kResolution = 600;

void Say(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
}

int Fail(const QString& text)
{
    Say(QStringLiteral("vetrinalia-pdf: ") + text);
    return 1;
}

// The flyer's title: the archive's file name without ".lis".
QString TitleOf(const QFileInfo& archive)
{
    QString name = archive.fileName();
    if (name.endsWith(QLatin1String(".lis"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

// The editor's placeholder of an empty slot, drawn as the editor draws it: its badge on white,
// 136 x 104. A badge of this tool's own stands in while the editor's artwork is missing.
QImage BlankPicture()
{
    QString resource = QStringLiteral(":/editor/bianco.svg");
    if (!QFile::exists(resource))
        resource = QStringLiteral(":/print/blank-placeholder.svg");
    QImage image(136, 104, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer svg(resource);
    if (svg.isValid()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        svg.render(&painter, QRectF(image.rect()));
    }
    return image;
}

// The picture as the PDF engine embeds it without converting it first: it takes RGB32 and
// ARGB32 as they are and scans ARGB32 for transparency, so an opaque picture goes as RGB32.
// The pixels are unchanged.
QImage PdfPicture(const QImage& picture)
{
    if (picture.format() == QImage::Format_RGB32)
        return picture;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        if (!std::all_of(line, line + argb.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
            return argb;
    }
    return argb.convertToFormat(QImage::Format_RGB32);
}

// The 366 x 274 preview picture the program prints for a slot: its stored photo, or the blank
// picture when there is none or it cannot be read.
QImage SlotPicture(const QString& path, const QImage& blank)
{
    const std::optional<QImage> photo = storage::LoadPhoto(path);
    if (!photo)
        return blank;
    // A stored photo already has the size and no transparency: scaling would copy it unchanged.
    if (photo->size() == QSize(storage::kPhotoWidth, storage::kPhotoHeight)
        && photo->format() == QImage::Format_RGB32)
        return *photo;
    return PdfPicture(storage::ScaleBitmap(*photo, storage::kPhotoWidth, storage::kPhotoHeight));
}

struct Flyer {
    print::PageTemplate pageTemplate;
    QString title;
    QString photoFolder;
    QImage blank; // already scaled, shared by every empty slot
};

// One page filled from its record and the photos of its position, laid out for drawing.
report::Report PreparePage(const Flyer& flyer, qint64 index, const storage::PageRecord& record)
{
    const QString position = QString::number(index + 1);
    print::PageContent content;
    content.title = flyer.title;
    content.pageNumber = position;
    for (int slot = 0; slot < print::kSlotCount; ++slot) {
        const storage::ProductSlot& values = record.slots[slot];
        print::SlotContent& target = content.slots[slot];
        target.nome = values.nome;
        target.um = values.um;
        target.caratteristiche = values.caratteristiche;
        target.codice = values.codice;
        target.prezzo = values.prezzo;
        // Named as the program stores them: after the trimmed title.
        target.picture = SlotPicture(flyer.photoFolder + app::TrimBlanks(flyer.title) + QStringLiteral("_Foto_")
                                         + storage::SlotLetter(slot) + QLatin1Char('_') + position
                                         + QStringLiteral(".jpg"),
                                     flyer.blank);
    }
    report::Report report = flyer.pageTemplate.CreateReport();
    print::FillPageTemplate(report, content);
    report.prepare();
    return report;
}

} // namespace

int main(int argc, char** argv)
{
    // Rendering text needs a GUI application; without a display it draws off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        Say(QStringLiteral("Uso: vetrinalia-pdf ARCHIVIO.lis DOCUMENTO.pdf"));
        Say(QStringLiteral("Scrive in DOCUMENTO.pdf tutte le pagine del volantino ARCHIVIO.lis."));
        return 2;
    }
    const QFileInfo archiveInfo(arguments.at(1));
    const QFileInfo outputInfo(arguments.at(2));

    if (!archiveInfo.exists())
        return Fail(QStringLiteral("l'archivio \"%1\" non esiste.").arg(arguments.at(1)));
    if (!archiveInfo.isFile())
        return Fail(QStringLiteral("\"%1\" non \u00E8 un archivio di volantino.").arg(arguments.at(1)));
    if (outputInfo.exists() && outputInfo.canonicalFilePath() == archiveInfo.canonicalFilePath())
        return Fail(QStringLiteral("il documento PDF non pu\u00F2 sostituire l'archivio \"%1\".").arg(arguments.at(1)));

    QFile archive(archiveInfo.filePath());
    if (!archive.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("impossibile leggere l'archivio \"%1\".").arg(arguments.at(1)));
    const qint64 pages = storage::RecordCount(archive.size());
    if (pages == 0)
        return Fail(QStringLiteral("l'archivio \"%1\" non contiene nessuna scheda.").arg(arguments.at(1)));

    Flyer flyer;
    try {
        flyer.pageTemplate = print::PageTemplate::Load();
    } catch (const print::TemplateError& error) {
        return Fail(QStringLiteral("modello di stampa non disponibile (%1).").arg(QString::fromUtf8(error.what())));
    }
    flyer.title = TitleOf(archiveInfo);
    flyer.photoFolder = archiveInfo.absolutePath() + QStringLiteral("/Foto_Listino/");
    // The program prints the 366 x 274 preview picture of each slot; so does this.
    flyer.blank = PdfPicture(storage::ScaleBitmap(BlankPicture(), storage::kPhotoWidth, storage::kPhotoHeight));

    // Written aside and put in place only when every page is done.
    QSaveFile output(outputInfo.filePath());
    // Unbuffered, so that every write reaches WholeWrites' check: a buffered QSaveFile
    // drops the errors of its own flushes and commits a cut-off document.
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));

    storage::WholeWrites whole(&output);
    QPdfWriter writer(&whole);
    writer.setTitle(flyer.title);
    writer.setCreator(QStringLiteral("Vetrinalia"));
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&writer))
        return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));

    // Pages are prepared, their photos decoded, on the other threads a few pages ahead while
    // this one draws them in order: only those few pages are held in memory. The records are
    // read here, in order, as the pages are handed out.
    const int workers = std::max(1, QThread::idealThreadCount());
    const qint64 lead = workers;
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    std::deque<std::future<report::Report>> ahead;
    qint64 handedOut = 0;
    qint64 unreadable = -1;
    const auto handOutUpTo = [&](qint64 end) {
        while (unreadable < 0 && handedOut < std::min(end, pages)) {
            storage::PageRecord record;
            try {
                record = storage::ReadPage(archive, handedOut);
            } catch (const storage::StorageError&) {
                unreadable = handedOut;
                return;
            }
            auto task = std::make_shared<std::packaged_task<report::Report()>>(
                [&flyer, index = handedOut, record] { return PreparePage(flyer, index, record); });
            ahead.push_back(task->get_future());
            pool.start([task] { (*task)(); });
            ++handedOut;
        }
    };

    for (qint64 index = 0; index < pages; ++index) {
        handOutUpTo(index + 1 + lead);
        if (index == unreadable) {
            painter.end();
            return Fail(QStringLiteral("impossibile leggere la scheda %1 dell'archivio \"%2\".")
                            .arg(index + 1)
                            .arg(arguments.at(1)));
        }
        const report::Report report = ahead.front().get();
        ahead.pop_front();
        if (index > 0 && !writer.newPage()) {
            painter.end();
            return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));
        }
        report::RenderPage(painter, *report.preparedPage());
    }
    if (!painter.end() || whole.failed() || !output.commit())
        return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));
    archive.close();
    return 0;
}
