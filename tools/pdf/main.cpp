// vetrinalia-pdf ARCHIVE.lis OUTPUT.pdf
// Renders every page of a flyer archive, in order, as one A4 PDF: the same template and
// renderer as the program's print, the photos taken from Foto_Listino beside the archive.
// The archive and the photos are only read.

#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/FlyerArchive.h"
#include "storage/PhotoStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

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

    print::PageTemplate pageTemplate;
    try {
        pageTemplate = print::PageTemplate::Load();
    } catch (const print::TemplateError& error) {
        return Fail(QStringLiteral("modello di stampa non disponibile (%1).").arg(QString::fromUtf8(error.what())));
    }

    const QString title = TitleOf(archiveInfo);
    const QString photoFolder = archiveInfo.absolutePath() + QStringLiteral("/Foto_Listino/");
    const QImage blank = BlankPicture();

    // Written aside and put in place only when every page is done.
    QSaveFile output(outputInfo.filePath());
    if (!output.open(QIODevice::WriteOnly))
        return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));

    QPdfWriter writer(&output);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Vetrinalia"));
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&writer))
        return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));

    // One page at a time: only the page being drawn is held in memory.
    for (qint64 index = 0; index < pages; ++index) {
        storage::PageRecord record;
        try {
            record = storage::ReadPage(archive, index);
        } catch (const storage::StorageError&) {
            painter.end();
            return Fail(QStringLiteral("impossibile leggere la scheda %1 dell'archivio \"%2\".")
                            .arg(index + 1)
                            .arg(arguments.at(1)));
        }
        const QString position = QString::number(index + 1);
        print::PageContent content;
        content.title = title;
        content.pageNumber = position;
        for (int slot = 0; slot < print::kSlotCount; ++slot) {
            const storage::ProductSlot& values = record.slots[slot];
            print::SlotContent& target = content.slots[slot];
            target.nome = values.nome;
            target.um = values.um;
            target.caratteristiche = values.caratteristiche;
            target.codice = values.codice;
            target.prezzo = values.prezzo;
            const QString photo = photoFolder + title + QStringLiteral("_Foto_") + storage::SlotLetter(slot)
                + QLatin1Char('_') + position + QStringLiteral(".jpg");
            const std::optional<QImage> picture = storage::LoadPhoto(photo);
            // The program prints the 366 x 274 preview picture of each slot; so does this.
            target.picture = storage::ScaleBitmap(picture ? *picture : blank, storage::kPhotoWidth,
                                                  storage::kPhotoHeight);
        }
        report::Report report = pageTemplate.CreateReport();
        print::FillPageTemplate(report, content);
        report.prepare();
        if (index > 0 && !writer.newPage()) {
            painter.end();
            return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));
        }
        report::RenderPage(painter, *report.preparedPage());
    }
    if (!painter.end() || !output.commit())
        return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(arguments.at(2)));
    archive.close();
    return 0;
}
