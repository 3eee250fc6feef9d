#include "exchange/FlyerExport.h"

#include "base/Parallel.h"
#include "base/Text.h"
#include "print/PageContent.h"
#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/PhotoStore.h"
#include "storage/WholeWrites.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QThread>
#include <QThreadPool>

#include <csv.h>
#include <xlsxwriter.h>

#include <atomic>
#include <cstdio>
#include <deque>
#include <future>
#include <memory>

namespace exchange {

namespace {

constexpr int kPdfResolution = 600;

QString Named(const QString& path)
{
    return QFileInfo(path).fileName();
}

[[noreturn]] void CannotWrite(const QString& path)
{
    throw ExchangeError(QStringLiteral("Impossibile scrivere \"%1\" (disco pieno o cartella non disponibile): "
                                       "nessun file è stato lasciato a metà.")
                            .arg(Named(path)));
}

// What every exported page shares: the template, the title, the blank picture.
struct PageMaker {
    print::PageTemplate pageTemplate;
    const FlyerPagesSnapshot* flyer = nullptr;
    QImage blank;

    explicit PageMaker(const FlyerPagesSnapshot& pages)
        : flyer(&pages)
    {
        try {
            pageTemplate = print::PageTemplate::Load();
        } catch (const print::TemplateError&) {
            throw ExchangeError(QStringLiteral("Il modello di stampa della pagina non è disponibile."));
        }
        // The program prints the 366 x 274 preview picture of each slot; so does the export.
        blank = print::PrintedPicture(storage::DrawBlankPicture());
    }

    // Page `index` (from 0) as printed, laid out for drawing.
    report::Report prepare(qint64 index) const
    {
        return print::PreparePage(pageTemplate,
                                  print::StoredPageContent(flyer->photoFolder, flyer->title, index + 1,
                                                           flyer->pages[size_t(index)], blank));
    }
};

// The pages to export, from 0, end excluded. Throws on an empty flyer or a range outside it.
std::pair<qint64, qint64> Indices(const FlyerPagesSnapshot& flyer, PageRange range)
{
    const qint64 count = qint64(flyer.pages.size());
    if (count == 0)
        throw ExchangeError(
            QStringLiteral("Il volantino \"%1\" non contiene nessuna pagina: non c'è niente da esportare.")
                .arg(flyer.title));
    const qint64 last = range.last == 0 ? count : range.last;
    if (range.first < 1 || last < range.first || last > count)
        throw ExchangeError(QStringLiteral("Il volantino \"%1\" ha %2 pagine: l'intervallo %3-%4 non è valido.")
                                .arg(flyer.title)
                                .arg(count)
                                .arg(range.first)
                                .arg(last));
    return {range.first - 1, last};
}

bool FilledSlot(const storage::ProductSlot& slot)
{
    for (const QString* text : {&slot.codice, &slot.nome, &slot.um, &slot.caratteristiche}) {
        if (!base::TrimBlanks(*text).isEmpty())
            return true;
    }
    return false;
}

const char* const kListHeader[] = {"Pagina", "Posizione", "Codice", "Nome", "Aspetto", "Caratteristiche", "Prezzo"};

struct ListRow {
    qint64 page;
    QChar letter;
    QString texts[5]; // codice, nome, aspetto, caratteristiche, prezzo
};

std::vector<ListRow> ListRows(const FlyerPagesSnapshot& flyer)
{
    std::vector<ListRow> rows;
    for (size_t page = 0; page < flyer.pages.size(); ++page) {
        for (int s = 0; s < storage::kSlotCount; ++s) {
            const storage::ProductSlot& slot = flyer.pages[page].slots[size_t(s)];
            if (!FilledSlot(slot))
                continue;
            rows.push_back({qint64(page) + 1, storage::SlotLetter(s),
                            {base::TrimBlanks(slot.codice), base::TrimBlanks(slot.nome), base::TrimBlanks(slot.um),
                             base::TrimBlanks(slot.caratteristiche), base::TrimBlanks(slot.prezzo)}});
        }
    }
    return rows;
}

QByteArray CsvField(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray quoted(qsizetype(utf8.size() * 2 + 2), Qt::Uninitialized);
    quoted.resize(qsizetype(csv_write(quoted.data(), size_t(quoted.size()), utf8.constData(), size_t(utf8.size()))));
    return quoted;
}

void WriteCsv(const std::vector<ListRow>& rows, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        CannotWrite(path);
    QByteArray bytes("\xEF\xBB\xBF");
    const auto line = [&](const QList<QByteArray>& fields) {
        bytes += fields.join(';');
        bytes += "\r\n";
    };
    QList<QByteArray> header;
    for (const char* name : kListHeader)
        header << CsvField(QLatin1String(name));
    line(header);
    for (const ListRow& row : rows) {
        QList<QByteArray> fields{QByteArray::number(row.page), CsvField(row.letter)};
        for (const QString& text : row.texts)
            fields << CsvField(text);
        line(fields);
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        CannotWrite(path);
}

void WriteXlsx(const std::vector<ListRow>& rows, const QString& path)
{
    // The writer makes its own file: it writes a temporary one beside the list, which is
    // put in place when whole.
    QTemporaryFile temporary(QFileInfo(path).absolutePath() + QStringLiteral("/.listino-XXXXXX.xlsx"));
    if (!temporary.open())
        CannotWrite(path);
    const QByteArray temporaryName = QFile::encodeName(temporary.fileName());
    temporary.close();

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(temporaryName.constData(), &options);
    if (!workbook)
        CannotWrite(path);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Listino");
    bool written = sheet != nullptr;
    for (lxw_col_t c = 0; written && c < 7; ++c)
        written = worksheet_write_string(sheet, 0, c, kListHeader[c], nullptr) == LXW_NO_ERROR;
    for (size_t r = 0; written && r < rows.size(); ++r) {
        const ListRow& row = rows[r];
        const auto at = lxw_row_t(r + 1);
        written = worksheet_write_number(sheet, at, 0, double(row.page), nullptr) == LXW_NO_ERROR
                  && worksheet_write_string(sheet, at, 1, QString(row.letter).toUtf8().constData(), nullptr)
                         == LXW_NO_ERROR;
        for (lxw_col_t c = 0; written && c < 5; ++c) {
            if (!row.texts[c].isEmpty())
                written = worksheet_write_string(sheet, at, lxw_col_t(c + 2), row.texts[c].toUtf8().constData(),
                                                 nullptr)
                          == LXW_NO_ERROR;
        }
    }
    if (sheet) {
        worksheet_set_column(sheet, 2, 2, 14, nullptr);
        worksheet_set_column(sheet, 3, 3, 30, nullptr);
        worksheet_set_column(sheet, 4, 5, 40, nullptr);
    }
    const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
    if (!written || !closed || std::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary.fileName());
        CannotWrite(path);
    }
    temporary.setAutoRemove(false);
}

bool SavePicture(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    storage::WholeWrites whole(&file);
    QImageWriter writer(&whole, "png");
    if (!writer.write(image) || whole.failed()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

FlyerPagesSnapshot ReadFlyer(const QString& archivePath, const QString& title, const QString& photoFolder,
                             int lockTimeoutMs)
{
    FlyerPagesSnapshot flyer;
    flyer.title = base::TrimBlanks(title);
    flyer.photoFolder = photoFolder;
    const QFileInfo info(archivePath);
    if (!info.isFile())
        throw ExchangeError(QStringLiteral("L'archivio \"%1\" non esiste.").arg(info.fileName()));
    try {
        storage::FlyerArchive archive(archivePath, lockTimeoutMs);
        const qint64 count = archive.recordCount();
        flyer.pages.reserve(size_t(count));
        for (qint64 i = 0; i < count; ++i)
            flyer.pages.push_back(archive.readPage(i));
        archive.close();
        return flyer;
    } catch (const storage::StorageError& error) {
        if (QByteArrayView(error.what()).contains("locked"))
            throw ExchangeError(QStringLiteral("L'archivio del volantino è in uso da un'altra copia del programma: "
                                               "riprovare più tardi."));
        if (!QByteArrayView(error.what()).contains("cannot open"))
            throw ExchangeError(QStringLiteral("Impossibile leggere l'archivio \"%1\".").arg(info.fileName()));
    }
    // An archive this user may only read: read as it stands.
    QFile file(archivePath);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeError(QStringLiteral("Impossibile leggere l'archivio \"%1\".").arg(info.fileName()));
    try {
        const qint64 count = storage::RecordCount(file.size());
        for (qint64 i = 0; i < count; ++i)
            flyer.pages.push_back(storage::ReadPage(file, i));
    } catch (const storage::StorageError&) {
        throw ExchangeError(QStringLiteral("Impossibile leggere l'archivio \"%1\".").arg(info.fileName()));
    }
    return flyer;
}

std::optional<PageRange> ParsePageRange(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype dash = trimmed.indexOf(u'-');
    bool ok = true;
    const auto number = [&](const QString& part, qint64 empty) {
        if (part.trimmed().isEmpty())
            return empty;
        bool partOk = false;
        const qint64 value = part.trimmed().toLongLong(&partOk);
        ok = ok && partOk && value >= 1;
        return value;
    };
    PageRange range;
    if (dash < 0) {
        range.first = range.last = number(trimmed, -1);
    } else {
        range.first = number(trimmed.left(dash), 1);
        range.last = number(trimmed.mid(dash + 1), 0);
    }
    if (!ok || trimmed.isEmpty() || trimmed == QLatin1String("-") || (range.last != 0 && range.last < range.first))
        return std::nullopt;
    return range;
}

void ExportPdf(const FlyerPagesSnapshot& flyer, const QString& outputPath, PageRange range, const Progress& progress)
{
    // Named copies: lambdas may not capture structured bindings on every compiler.
    const std::pair<qint64, qint64> indices = Indices(flyer, range);
    const qint64 begin = indices.first;
    const qint64 end = indices.second;
    const PageMaker maker(flyer);

    // Written aside and put in place only when every page is done.
    QSaveFile output(outputPath);
    // Unbuffered, so that every write reaches WholeWrites' check: a buffered QSaveFile
    // drops the errors of its own flushes and commits a cut-off document.
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        CannotWrite(outputPath);
    storage::WholeWrites whole(&output);
    QPdfWriter writer(&whole);
    writer.setTitle(flyer.title);
    writer.setCreator(QStringLiteral("Vetrinalia"));
    writer.setResolution(kPdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer))
        CannotWrite(outputPath);

    // Pages are prepared, their photos decoded, on the other threads a few pages ahead while
    // this one draws them in order: only those few pages are held in memory.
    const int workers = std::max(1, QThread::idealThreadCount());
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    std::deque<std::future<report::Report>> ahead;
    qint64 handedOut = begin;
    const auto handOutUpTo = [&](qint64 limit) {
        for (; handedOut < std::min(limit, end); ++handedOut) {
            auto task = std::make_shared<std::packaged_task<report::Report()>>(
                [&maker, index = handedOut] { return maker.prepare(index); });
            ahead.push_back(task->get_future());
            pool.start([task] { (*task)(); });
        }
    };
    const auto stop = [&] {
        painter.end();
        pool.waitForDone();
        output.cancelWriting();
    };
    for (qint64 index = begin; index < end; ++index) {
        handOutUpTo(index + 1 + workers);
        const report::Report report = ahead.front().get();
        ahead.pop_front();
        if (index > begin && !writer.newPage()) {
            stop();
            CannotWrite(outputPath);
        }
        report::RenderPage(painter, *report.preparedPage());
        if (whole.failed()) {
            stop();
            CannotWrite(outputPath);
        }
        if (progress && !progress(index - begin + 1, end - begin)) {
            stop();
            throw Cancelled();
        }
    }
    if (!painter.end() || whole.failed() || !output.commit())
        CannotWrite(outputPath);
}

QString PictureFileName(const QString& title, qint64 number)
{
    return base::TrimBlanks(title) + QLatin1Char('_') + QString::number(number) + QStringLiteral(".png");
}

QStringList ExportPictures(const FlyerPagesSnapshot& flyer, const QString& folder, PageRange range,
                           const Progress& progress)
{
    // Named copies: lambdas may not capture structured bindings on every compiler.
    const std::pair<qint64, qint64> indices = Indices(flyer, range);
    const qint64 begin = indices.first;
    const qint64 end = indices.second;
    const PageMaker maker(flyer);
    if (!QFileInfo(folder).isDir())
        throw ExchangeError(QStringLiteral("La cartella \"%1\" non esiste.").arg(folder));
    const qint64 count = end - begin;
    std::atomic<qint64> next{0};
    std::atomic<qint64> finished{0};
    std::atomic<bool> failed{false};
    std::atomic<bool> stop{false};
    const QDir target(folder);
    // Each page is drawn and written on its own thread: this one takes its share and reports.
    const auto work = [&](bool reporting) {
        for (qint64 i = next++; i < count && !stop; i = next++) {
            const report::Report report = maker.prepare(begin + i);
            const QImage image = report::RenderPageImage(*report.preparedPage(), kPictureDotsPerInch);
            if (image.isNull() || !SavePicture(image, target.filePath(PictureFileName(flyer.title, begin + i + 1)))) {
                failed = stop = true;
                break;
            }
            const qint64 done = ++finished;
            if (reporting && progress && !progress(done, count))
                stop = true;
        }
    };
    base::RunOnCores(16, work);
    if (failed)
        CannotWrite(folder);
    if (stop)
        throw Cancelled();
    QStringList files;
    for (qint64 i = 0; i < count; ++i)
        files << target.filePath(PictureFileName(flyer.title, begin + i + 1));
    if (progress)
        progress(count, count);
    return files;
}

qint64 ExportList(const FlyerPagesSnapshot& flyer, const QString& outputPath)
{
    const std::vector<ListRow> rows = ListRows(flyer);
    if (rows.empty())
        throw ExchangeError(
            QStringLiteral("Il volantino \"%1\" non contiene nessun prodotto: non c'è niente da esportare.")
                .arg(flyer.title));
    const QString suffix = QFileInfo(outputPath).suffix().toLower();
    if (suffix == u"csv")
        WriteCsv(rows, outputPath);
    else if (suffix == u"xlsx")
        WriteXlsx(rows, outputPath);
    else
        throw ExchangeError(QStringLiteral("Il listino si esporta come file .xlsx o .csv."));
    return qint64(rows.size());
}

} // namespace exchange
