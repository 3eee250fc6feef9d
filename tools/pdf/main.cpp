// vetrinalia-pdf: a flyer archive to one PDF or to one picture per page, or a price list
// into the archive; the same code as the program's own export and import buttons.
// Run with --help for the options.

#include "exchange/FlyerExport.h"
#include "exchange/PriceListImport.h"
#include "storage/PhotoStore.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <limits>

namespace {

void Say(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
}

void Tell(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
}

int Fail(const QString& text)
{
    Say(QStringLiteral("vetrinalia-pdf: ") + text);
    return 1;
}

const char kHelp[] =
    "Uso: vetrinalia-pdf ARCHIVIO.lis DOCUMENTO.pdf [--pages DA-A]\n"
    "     vetrinalia-pdf ARCHIVIO.lis --png CARTELLA [--pages DA-A]\n"
    "     vetrinalia-pdf ARCHIVIO.lis --import LISTINO.csv|LISTINO.xlsx\n"
    "\n"
    "Scrive in DOCUMENTO.pdf le pagine del volantino ARCHIVIO.lis, come le stampa il programma.\n"
    "Le foto si prendono dalla cartella Foto_Listino accanto all'archivio.\n"
    "\n"
    "  --png CARTELLA      scrive in CARTELLA un'immagine PNG per pagina, <titolo>_<pagina>.png,\n"
    "                      di 1240 x 1754 punti (A4 a 150 dpi)\n"
    "  --pages DA-A        solo le pagine da DA ad A (per esempio 3-5, 4, 3- o -5)\n"
    "  --import LISTINO    aggiunge in fondo all'archivio le pagine del listino (.csv o .xlsx),\n"
    "                      otto prodotti per pagina, con gli stessi controlli del programma;\n"
    "                      il riepilogo va sullo standard output\n"
    "  --help              mostra questo aiuto\n"
    "\n"
    "Esce con 0 se tutto è andato bene, 1 se non è stato scritto o importato niente,\n"
    "2 se gli argomenti non sono validi.\n";

int Usage()
{
    Say(QStringLiteral("Uso: vetrinalia-pdf ARCHIVIO.lis DOCUMENTO.pdf"));
    Say(QStringLiteral("Scrive in DOCUMENTO.pdf tutte le pagine del volantino ARCHIVIO.lis."));
    Say(QStringLiteral("vetrinalia-pdf --help mostra tutte le opzioni."));
    return 2;
}

// The flyer's title: the archive's file name without ".lis".
QString TitleOf(const QFileInfo& archive)
{
    QString name = archive.fileName();
    if (name.endsWith(QLatin1String(".lis"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

int Import(const QFileInfo& archiveInfo, const QString& list)
{
    try {
        const exchange::ImportPlan plan = exchange::PlanImport(list);
        const qint64 first = exchange::PageCountOf(archiveInfo.filePath()) + 1;
        Tell(exchange::PlanSummary(plan, first, std::numeric_limits<int>::max()));
        if (plan.pageCount() == 0)
            return 1;
        const exchange::ImportResult result = exchange::ApplyImport(
            plan, {archiveInfo.filePath(), storage::PhotoFolderIn(archiveInfo.absolutePath() + QLatin1Char('/')),
                   TitleOf(archiveInfo)});
        Tell(exchange::ResultText(result, std::numeric_limits<int>::max()));
        return result.pages > 0 ? 0 : 1;
    } catch (const exchange::ExchangeError& error) {
        return Fail(error.message());
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Rendering text needs a GUI application; without a display it draws off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QStringList positional;
    QString pngFolder;
    QString list;
    std::optional<exchange::PageRange> range = exchange::PageRange{};
    bool pagesGiven = false;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (argument == QLatin1String("--png") && hasValue) {
            pngFolder = arguments.at(++i);
        } else if (argument == QLatin1String("--import") && hasValue) {
            list = arguments.at(++i);
        } else if (argument == QLatin1String("--pages") && hasValue) {
            range = exchange::ParsePageRange(arguments.at(++i));
            pagesGiven = true;
            if (!range) {
                Say(QStringLiteral("vetrinalia-pdf: intervallo di pagine non valido \"%1\" (per esempio 3-5).")
                        .arg(arguments.at(i)));
                return 2;
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            return Usage();
        } else {
            positional << argument;
        }
    }
    const bool pdfWanted = positional.size() == 2;
    if (positional.size() < 1 || positional.size() > 2 || (!list.isEmpty() && (pdfWanted || !pngFolder.isEmpty()))
        || (list.isEmpty() && !pdfWanted && pngFolder.isEmpty()) || (pagesGiven && !list.isEmpty()))
        return Usage();

    const QFileInfo archiveInfo(positional.at(0));
    if (!list.isEmpty()) {
        if (archiveInfo.exists() && !archiveInfo.isFile())
            return Fail(QStringLiteral("\"%1\" non \u00E8 un archivio di volantino.").arg(positional.at(0)));
        return Import(archiveInfo, list);
    }

    if (!archiveInfo.exists())
        return Fail(QStringLiteral("l'archivio \"%1\" non esiste.").arg(positional.at(0)));
    if (!archiveInfo.isFile())
        return Fail(QStringLiteral("\"%1\" non \u00E8 un archivio di volantino.").arg(positional.at(0)));
    if (pdfWanted) {
        const QFileInfo outputInfo(positional.at(1));
        if (outputInfo.exists() && outputInfo.canonicalFilePath() == archiveInfo.canonicalFilePath())
            return Fail(QStringLiteral("il documento PDF non pu\u00F2 sostituire l'archivio \"%1\".").arg(positional.at(0)));
    }

    exchange::FlyerPagesSnapshot flyer;
    try {
        flyer = exchange::ReadFlyer(archiveInfo.filePath(), TitleOf(archiveInfo),
                                    storage::PhotoFolderIn(archiveInfo.absolutePath() + QLatin1Char('/')));
    } catch (const exchange::ExchangeError&) {
        return Fail(QStringLiteral("impossibile leggere l'archivio \"%1\".").arg(positional.at(0)));
    }
    const qint64 pages = qint64(flyer.pages.size());
    if (pages == 0)
        return Fail(QStringLiteral("l'archivio \"%1\" non contiene nessuna scheda.").arg(positional.at(0)));
    if (range->first > pages || range->last > pages)
        return Fail(QStringLiteral("l'archivio \"%1\" ha %2 schede: le pagine richieste non ci sono.")
                        .arg(positional.at(0))
                        .arg(pages));

    if (pdfWanted) {
        try {
            exchange::ExportPdf(flyer, positional.at(1), *range);
        } catch (const exchange::ExchangeError&) {
            return Fail(QStringLiteral("impossibile scrivere il documento \"%1\".").arg(positional.at(1)));
        }
    }
    if (!pngFolder.isEmpty()) {
        if (!QFileInfo(pngFolder).isDir())
            return Fail(QStringLiteral("la cartella \"%1\" non esiste.").arg(pngFolder));
        try {
            exchange::ExportPictures(flyer, pngFolder, *range);
        } catch (const exchange::ExchangeError&) {
            return Fail(QStringLiteral("impossibile scrivere le immagini in \"%1\".").arg(pngFolder));
        }
    }
    return 0;
}
