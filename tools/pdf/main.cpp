// vetrinalia-pdf ARCHIVE.lis OUTPUT.pdf
// Renders every page of a flyer archive, in order, as one A4 PDF: the same template and
// renderer as the program's print, the photos taken from Foto_Listino beside the archive.
// The archive and the photos are only read.

#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"
#include "storage/WholeWrites.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
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

struct Flyer {
    print::PageTemplate pageTemplate;
    QString title;
    QString photoFolder;
    QImage blank; // already as printed, shared by every empty slot
};

// One page filled from its record and the photos of its position, laid out for drawing.
report::Report PreparePage(const Flyer& flyer, qint64 index, const storage::PageRecord& record)
{
    return print::PreparePage(flyer.pageTemplate,
                              print::StoredPageContent(flyer.photoFolder, flyer.title, index + 1, record, flyer.blank));
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
    flyer.photoFolder = storage::PhotoFolderIn(archiveInfo.absolutePath() + QLatin1Char('/'));
    // The program prints the 366 x 274 preview picture of each slot; so does this.
    flyer.blank = print::PrintedPicture(storage::DrawBlankPicture());

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
