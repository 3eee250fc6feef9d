#include "exchange/PriceListImport.h"

#include "base/Parallel.h"
#include "base/Text.h"
#include "editor/FieldText.h"
#include "editor/FlyerPages.h"
#include "print/PageTemplate.h"
#include "report/Report.h"
#include "storage/PhotoStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

#include <atomic>
#include <deque>

namespace exchange {

namespace {

enum class Column { Codice, Nome, Um, Caratteristiche, Prezzo, Foto, Count };

struct Synonym {
    const char* word;
    Column column;
};
constexpr Synonym kSynonyms[] = {
    {"codice", Column::Codice},       {"articolo", Column::Codice},      {"nome", Column::Nome},
    {"prodotto", Column::Nome},       {"descrizione", Column::Nome},     {"aspetto", Column::Um},
    {"confezione", Column::Um},       {"formato", Column::Um},           {"caratteristiche", Column::Caratteristiche},
    {"note", Column::Caratteristiche}, {"prezzo", Column::Prezzo},       {"foto", Column::Foto},
    {"immagine", Column::Foto},
};

// A header's words, lower case, accents and punctuation dropped.
QStringList HeaderWords(const QString& header)
{
    QString plain;
    for (const QChar c : header.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain += c.isLetterOrNumber() ? c.toLower() : QChar(u' ');
    }
    return plain.split(u' ', Qt::SkipEmptyParts);
}

// The column of each role: the first header whose first known word names it; -1 for none.
std::array<int, int(Column::Count)> FindColumns(const SheetRow& header)
{
    std::array<int, int(Column::Count)> columns;
    columns.fill(-1);
    for (size_t index = 0; index < header.cells.size(); ++index) {
        for (const QString& word : HeaderWords(header.cells[index].text)) {
            const auto* match = std::find_if(std::begin(kSynonyms), std::end(kSynonyms),
                                             [&](const Synonym& s) { return word == QLatin1String(s.word); });
            if (match == std::end(kSynonyms))
                continue;
            int& column = columns[int(match->column)];
            if (column < 0)
                column = int(index);
            break;
        }
    }
    return columns;
}

// The text of a cell as the list shows it; a number as its shortest exact digits.
QString CellText(const SheetRow& row, int column)
{
    if (column < 0 || size_t(column) >= row.cells.size())
        return {};
    const Cell& cell = row.cells[size_t(column)];
    if (cell.number)
        return QString::number(*cell.number, 'g', 15);
    return cell.text;
}

bool BlankRow(const SheetRow& row)
{
    return std::all_of(row.cells.begin(), row.cells.end(),
                       [](const Cell& cell) { return base::TrimBlanks(cell.text).isEmpty() && !cell.number; });
}

// The pictures of a folder by lower-case file name.
void AddPictures(QHash<QString, QString>& pictures, const QString& folder)
{
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Readable);
    for (const QFileInfo& entry : entries)
        pictures.insert(entry.fileName().toLower(), entry.filePath());
}

class PictureFinder {
public:
    explicit PictureFinder(const QString& folder)
        : m_folder(folder)
    { }

    // The picture named by article code: <code>.jpg, .jpeg, .png or .bmp, any letter case,
    // in the list's folder first, then in its foto/ subfolder.
    QString byCode(const QString& code)
    {
        if (code.isEmpty() || code.contains(u'/') || code.contains(u'\\'))
            return {};
        if (!m_listed) {
            AddPictures(m_inFoto, m_folder + QStringLiteral("/foto"));
            AddPictures(m_inFolder, m_folder);
            m_listed = true;
        }
        static const char* const kSuffixes[] = {".jpg", ".jpeg", ".png", ".bmp"};
        for (const QHash<QString, QString>* pictures : {&m_inFolder, &m_inFoto}) {
            for (const char* suffix : kSuffixes) {
                const auto found = pictures->constFind(code.toLower() + QLatin1String(suffix));
                if (found != pictures->constEnd())
                    return *found;
            }
        }
        return {};
    }

    // A path from the list, relative to the list's folder or absolute.
    QString byPath(const QString& path) const { return QDir(m_folder).absoluteFilePath(QDir::fromNativeSeparators(path)); }

private:
    QString m_folder;
    bool m_listed = false;
    QHash<QString, QString> m_inFolder;
    QHash<QString, QString> m_inFoto;
};

// The printed page's text boxes of one slot, measured as the renderer lays them out.
struct SlotMeasures {
    std::deque<report::TextFit> fits; // nome, um, caratteristiche, codice, prezzo
};

const char* const kFieldRoles[] = {"txtNome", "txtUM", "txtCaratteristiche", "txtCodice", "txtPrezzo"};
const char* const kFieldNames[] = {"nome", "aspetto", "caratteristiche", "codice", "prezzo"};

std::vector<std::optional<report::TextFit>> TemplateMeasures()
{
    print::PageTemplate pageTemplate;
    try {
        pageTemplate = print::PageTemplate::Load();
    } catch (const print::TemplateError&) {
        throw ExchangeError(QStringLiteral("Il modello di stampa della pagina non è disponibile."));
    }
    std::vector<std::optional<report::TextFit>> measures;
    for (int slot = 0; slot < kRowsPerPage; ++slot) {
        for (const char* role : kFieldRoles) {
            const report::TextBox* box =
                pageTemplate.page().findTextBox(print::SlotObjectName(QLatin1String(role), slot));
            measures.emplace_back();
            if (box)
                measures.back().emplace(*box);
        }
    }
    return measures;
}

QString ListFolderOf(const QString& listPath)
{
    return QFileInfo(listPath).absolutePath();
}

} // namespace

ImportPlan PlanImport(const QString& listPath, const Progress& progress)
{
    return PlanImport(ReadSheet(listPath), QFileInfo(listPath).fileName(), ListFolderOf(listPath), progress);
}

ImportPlan PlanImport(const Sheet& sheet, const QString& listName, const QString& listFolder, const Progress& progress)
{
    ImportPlan plan;
    plan.listName = listName;
    const auto header = std::find_if(sheet.rows.begin(), sheet.rows.end(), [](const SheetRow& r) { return !BlankRow(r); });
    if (header == sheet.rows.end())
        throw ExchangeError(QStringLiteral("Il listino \"%1\" è vuoto.").arg(listName));
    const auto columns = FindColumns(*header);
    const auto at = [&](Column c) { return columns[int(c)]; };
    QStringList missing;
    if (at(Column::Nome) < 0)
        missing << QStringLiteral("nome (o prodotto, descrizione)");
    if (at(Column::Prezzo) < 0)
        missing << QStringLiteral("prezzo");
    if (!missing.isEmpty())
        throw ExchangeError(QStringLiteral("Il listino \"%1\" non ha la colonna %2: la prima riga deve "
                                           "indicare i nomi delle colonne.")
                                .arg(listName, missing.join(QStringLiteral(" né la colonna "))));

    const std::vector<std::optional<report::TextFit>> measures = TemplateMeasures();
    PictureFinder finder(listFolder);
    const qint64 total = qint64(sheet.rows.end() - header);
    qint64 done = 0;
    for (auto row = header + 1; row != sheet.rows.end(); ++row) {
        if (progress && (++done % 512) == 0 && !progress(done, total))
            throw Cancelled();
        if (BlankRow(*row))
            continue;
        ImportRow product;
        product.line = row->line;
        storage::ProductSlot& slot = product.slot;
        slot.codice = editor::FieldText(CellText(*row, at(Column::Codice)), editor::kCodiceLength);
        slot.nome = editor::FieldText(CellText(*row, at(Column::Nome)), editor::kNomeLength);
        slot.um = editor::FieldText(CellText(*row, at(Column::Um)), editor::kUmLength);
        slot.caratteristiche =
            editor::FieldText(CellText(*row, at(Column::Caratteristiche)), editor::kCaratteristicheLength);
        if (slot.nome.isEmpty()) {
            plan.skipped.push_back({row->line, QStringLiteral("manca il nome del prodotto")});
            continue;
        }
        const QString priceText = base::TrimBlanks(CellText(*row, at(Column::Prezzo)));
        if (priceText.isEmpty()) {
            plan.skipped.push_back({row->line, QStringLiteral("manca il prezzo")});
            continue;
        }
        const std::optional<QString> price = editor::PriceFromText(priceText);
        if (!price) {
            plan.skipped.push_back({row->line, QStringLiteral("prezzo non valido \"%1\"").arg(priceText.left(40))});
            continue;
        }
        slot.prezzo = *price;

        const QString named = base::TrimBlanks(CellText(*row, at(Column::Foto)));
        if (!named.isEmpty()) {
            const QString path = finder.byPath(named);
            if (!QFileInfo(path).isFile())
                plan.missingPictures.push_back({row->line, QStringLiteral("foto \"%1\" non trovata").arg(named)});
            else if (!QImageReader(path).canRead())
                plan.missingPictures.push_back({row->line, QStringLiteral("foto \"%1\" non leggibile").arg(named)});
            else
                product.picture = path;
        } else if (!slot.codice.isEmpty()) {
            product.picture = finder.byCode(slot.codice);
            if (product.picture.isEmpty())
                plan.missingPictures.push_back(
                    {row->line, QStringLiteral("nessuna foto per il codice \"%1\"").arg(slot.codice)});
        }

        const int slotIndex = int(plan.rows.size() % kRowsPerPage);
        const QString texts[] = {slot.nome, slot.um, slot.caratteristiche, slot.codice, print::PrintedPrice(slot.prezzo)};
        QStringList cut;
        for (int field = 0; field < 5; ++field) {
            const auto& fit = measures[size_t(slotIndex * 5 + field)];
            if (fit && !texts[field].isEmpty() && !fit->fits(texts[field]))
                cut << QLatin1String(kFieldNames[field]);
        }
        if (!cut.isEmpty())
            plan.longTexts.push_back({row->line, QStringLiteral("%1 troppo lungo per la pagina stampata")
                                                     .arg(cut.join(QStringLiteral(", ")))});
        plan.rows.push_back(std::move(product));
    }
    if (progress && !progress(total, total))
        throw Cancelled();
    return plan;
}

namespace {

void AppendNotes(QString& text, const QString& heading, const std::vector<RowNote>& notes, int maxLines)
{
    if (notes.empty())
        return;
    text += QStringLiteral("\n\n") + heading.arg(notes.size());
    const int shown = int(std::min<size_t>(notes.size(), size_t(std::max(maxLines, 0))));
    for (int i = 0; i < shown; ++i)
        text += QStringLiteral("\n  riga %1: %2").arg(notes[size_t(i)].line).arg(notes[size_t(i)].text);
    if (size_t(shown) < notes.size())
        text += QStringLiteral("\n  … e altre %1 righe.").arg(notes.size() - size_t(shown));
}

} // namespace

QString PlanSummary(const ImportPlan& plan, qint64 firstPage, int maxLines)
{
    QString text;
    const qint64 pages = plan.pageCount();
    if (pages == 0)
        text = QStringLiteral("Il listino \"%1\" non contiene nessun prodotto da importare.").arg(plan.listName);
    else if (pages == 1)
        text = QStringLiteral("Dal listino \"%1\" verranno aggiunti %2 prodotti in una pagina nuova (pagina %3).")
                   .arg(plan.listName)
                   .arg(plan.rows.size())
                   .arg(firstPage);
    else
        text = QStringLiteral("Dal listino \"%1\" verranno aggiunti %2 prodotti in %3 pagine nuove (pagine da %4 a %5).")
                   .arg(plan.listName)
                   .arg(plan.rows.size())
                   .arg(pages)
                   .arg(firstPage)
                   .arg(firstPage + pages - 1);
    AppendNotes(text, QStringLiteral("Righe scartate (%1):"), plan.skipped, maxLines);
    AppendNotes(text, QStringLiteral("Foto non trovate, al loro posto l'immagine vuota (%1):"), plan.missingPictures,
                maxLines);
    AppendNotes(text, QStringLiteral("Testi che la pagina stampata taglia, importati comunque (%1):"), plan.longTexts,
                maxLines);
    return text;
}

qint64 PageCountOf(const QString& archivePath, int lockTimeoutMs)
{
    try {
        if (!QFileInfo::exists(archivePath))
            return 0;
        storage::FlyerArchive archive(archivePath, lockTimeoutMs);
        const qint64 count = archive.recordCount();
        archive.close();
        return count;
    } catch (const storage::StorageError& error) {
        if (QByteArrayView(error.what()).contains("locked"))
            throw ExchangeError(QStringLiteral("L'archivio del volantino è in uso da un'altra copia del programma: "
                                               "riprovare più tardi."));
        throw ExchangeError(QStringLiteral("Impossibile leggere l'archivio del volantino."));
    }
}

namespace {

const QString kSetAside = QStringLiteral(".prima_importazione");

// The photos an import writes, and how to take them back.
struct PhotoJob {
    QString source; // empty: the blank picture
    QString target;
    int line = 0;
    bool setAside = false; // an older file of that name, moved to target + kSetAside
    bool written = false;
    bool unreadable = false;
};

void TakeBack(std::vector<PhotoJob>& jobs)
{
    for (PhotoJob& job : jobs) {
        if (job.written)
            QFile::remove(job.target);
        if (job.setAside)
            QFile::rename(job.target + kSetAside, job.target);
    }
}

[[noreturn]] void WriteFailed()
{
    throw ExchangeError(QStringLiteral("Importazione non riuscita: impossibile scrivere le foto o l'archivio (disco "
                                       "pieno o cartella non più disponibile). L'archivio e le foto sono rimasti "
                                       "come prima dell'importazione."));
}

} // namespace

ImportResult ApplyImport(const ImportPlan& plan, const ImportTarget& target, const Progress& progress)
{
    const bool archiveExisted = QFileInfo::exists(target.archivePath);
    const bool folderExisted = QFileInfo(target.photoFolder).isDir();
    std::optional<storage::FlyerArchive> archive;
    try {
        archive.emplace(target.archivePath, target.lockTimeoutMs);
    } catch (const storage::StorageError& error) {
        if (QByteArrayView(error.what()).contains("locked"))
            throw ExchangeError(QStringLiteral("L'archivio del volantino è in uso da un'altra copia del programma: "
                                               "nessuna pagina importata, riprovare più tardi."));
        throw ExchangeError(QStringLiteral("Impossibile aprire l'archivio del volantino: nessuna pagina importata."));
    }
    std::vector<PhotoJob> jobs;
    // Whatever happens from here on, the archive and the photo folder end as they began.
    const auto undo = [&] {
        TakeBack(jobs);
        archive.reset();
        if (!archiveExisted)
            QFile::remove(target.archivePath);
        if (!folderExisted)
            QDir().rmdir(target.photoFolder);
    };

    ImportResult result;
    qint64 firstIndex = 0;
    try {
        firstIndex = archive->recordCount();
    } catch (const storage::StorageError&) {
        undo();
        throw ExchangeError(QStringLiteral("Impossibile leggere l'archivio del volantino: nessuna pagina importata."));
    }
    result.firstPage = firstIndex + 1;
    result.pages = plan.pageCount();
    if (result.pages == 0) {
        archive->close();
        return result;
    }

    std::vector<storage::PageRecord> records(size_t(result.pages), editor::FlyerPages::NewPage());
    const QString title = base::TrimBlanks(target.title);
    jobs.resize(size_t(result.pages) * kRowsPerPage);
    for (size_t i = 0; i < jobs.size(); ++i) {
        const qint64 page = qint64(i) / kRowsPerPage;
        const int slot = int(i % kRowsPerPage);
        if (i < plan.rows.size()) {
            records[size_t(page)].slots[size_t(slot)] = plan.rows[i].slot;
            jobs[i].source = plan.rows[i].picture;
            jobs[i].line = plan.rows[i].line;
        }
        jobs[i].target = storage::SlotPhotoPath(target.photoFolder, title, storage::SlotLetter(slot),
                                                QString::number(firstIndex + page + 1));
    }

    if (!QDir().mkpath(target.photoFolder)) {
        undo();
        WriteFailed();
    }

    // The photos, shared out over the cores; this thread takes its share and reports.
    const QImage blank = storage::DrawBlankPicture();
    std::atomic<size_t> next{0};
    std::atomic<size_t> finished{0};
    std::atomic<bool> failed{false};
    std::atomic<bool> stop{false};
    const auto work = [&](bool reporting) {
        for (size_t i = next++; i < jobs.size() && !stop; i = next++) {
            PhotoJob& job = jobs[i];
            if (QFileInfo::exists(job.target)) {
                QFile::remove(job.target + kSetAside);
                job.setAside = QFile::rename(job.target, job.target + kSetAside);
                if (!job.setAside) {
                    failed = stop = true;
                    break;
                }
            }
            QImage picture = blank;
            if (!job.source.isEmpty()) {
                if (std::optional<QImage> photo = storage::LoadPhoto(job.source))
                    picture = std::move(*photo);
                else
                    job.unreadable = true;
            }
            job.written = storage::SavePhoto(picture, job.target);
            if (!job.written) {
                failed = stop = true;
                break;
            }
            const size_t count = ++finished;
            if (reporting && progress && !progress(qint64(count), qint64(jobs.size()) + 1))
                stop = true;
        }
    };
    base::RunOnCores(16, work);
    if (failed) {
        undo();
        WriteFailed();
    }
    if (stop) {
        undo();
        throw Cancelled();
    }

    try {
        archive->appendPages(records);
    } catch (const storage::StorageError&) {
        undo();
        WriteFailed();
    }
    // The pages are on the disk already; closing only lets go of the lock.
    try {
        archive->close();
    } catch (const storage::StorageError&) {
    }
    for (PhotoJob& job : jobs) {
        if (job.setAside)
            QFile::remove(job.target + kSetAside);
        if (job.unreadable)
            result.unreadablePictures.push_back({job.line, QStringLiteral("foto \"%1\" non leggibile")
                                                                .arg(QFileInfo(job.source).fileName())});
    }
    if (progress)
        progress(qint64(jobs.size()) + 1, qint64(jobs.size()) + 1);
    return result;
}

QString ResultText(const ImportResult& result, int maxLines)
{
    QString text;
    if (result.pages == 0)
        text = QStringLiteral("Nessuna pagina importata.");
    else if (result.pages == 1)
        text = QStringLiteral("Importazione completata: aggiunta la pagina %1.").arg(result.firstPage);
    else
        text = QStringLiteral("Importazione completata: aggiunte %1 pagine, da %2 a %3.")
                   .arg(result.pages)
                   .arg(result.firstPage)
                   .arg(result.firstPage + result.pages - 1);
    AppendNotes(text, QStringLiteral("Foto non leggibili, al loro posto l'immagine vuota (%1):"),
                result.unreadablePictures, maxLines);
    return text;
}

} // namespace exchange
