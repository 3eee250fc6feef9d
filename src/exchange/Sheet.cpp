#include "exchange/Sheet.h"

#include "exchange/Exchange.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <minizip/unzip.h>

#include <csv.h>

namespace exchange {

namespace {

// Larger lists than this are not price lists; the limit keeps a wrong file from filling
// the memory.
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;

QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

[[noreturn]] void Unreadable(const QString& path, const QString& why)
{
    throw ExchangeError(QStringLiteral("Impossibile leggere il listino \"%1\": %2.").arg(FileName(path), why));
}

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Unreadable(path, QStringLiteral("il file non si apre"));
    if (file.size() > kLargestFile)
        Unreadable(path, QStringLiteral("il file è troppo grande"));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        Unreadable(path, QStringLiteral("errore di lettura"));
    return bytes;
}

// --- CSV -------------------------------------------------------------------------------

// The separator of the header line: ";" unless the line holds more commas, quotes aside.
unsigned char DetectSeparator(const QByteArray& bytes)
{
    int semicolons = 0;
    int commas = 0;
    bool quoted = false;
    for (const char c : bytes) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == ',')
            ++commas;
    }
    return commas > semicolons ? ',' : ';';
}

struct CsvCollector {
    QStringDecoder* decoder = nullptr;
    Sheet sheet;
    std::vector<Cell> row;
    int line = 0;
};

void OnField(void* data, size_t length, void* user)
{
    auto* collector = static_cast<CsvCollector*>(user);
    const QByteArrayView bytes(static_cast<const char*>(data), qsizetype(length));
    collector->row.push_back(Cell{data ? collector->decoder->decode(bytes) : QString(), std::nullopt});
}

void OnRow(int, void* user)
{
    auto* collector = static_cast<CsvCollector*>(user);
    ++collector->line;
    collector->sheet.rows.push_back(SheetRow{collector->line, std::move(collector->row)});
    collector->row.clear();
}

} // namespace

Sheet ReadCsv(const QString& path)
{
    QByteArray bytes = ReadWholeFile(path);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    // UTF-8 when the whole file is valid UTF-8, else the Windows code page spreadsheet
    // programs in Italy save with.
    const char* encoding = "UTF-8";
    {
        QStringDecoder check(QStringDecoder::Utf8);
        const QString decoded = check.decode(bytes);
        if (check.hasError())
            encoding = "windows-1252";
    }
    QStringDecoder decoder(encoding);
    if (!decoder.isValid())
        Unreadable(path, QStringLiteral("codifica dei caratteri non disponibile"));

    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        Unreadable(path, QStringLiteral("memoria insufficiente"));
    csv_set_delim(&parser, DetectSeparator(bytes));
    CsvCollector collector;
    collector.decoder = &decoder;
    const size_t parsed = csv_parse(&parser, bytes.constData(), size_t(bytes.size()), OnField, OnRow, &collector);
    const bool whole = parsed == size_t(bytes.size()) && csv_fini(&parser, OnField, OnRow, &collector) == 0;
    const int error = csv_error(&parser);
    csv_free(&parser);
    if (!whole) {
        if (error == CSV_EPARSE)
            Unreadable(path, QStringLiteral("virgolette non chiuse o fuori posto dopo la riga %1")
                                 .arg(collector.line));
        Unreadable(path, QStringLiteral("formato CSV non valido"));
    }
    return std::move(collector.sheet);
}

// --- XLSX ------------------------------------------------------------------------------

namespace {

// Larger parts than this in a workbook are refused, so that a packed bomb cannot fill the memory.
constexpr qint64 kLargestPart = 512LL * 1024 * 1024;

// The workbook's zip, closed at the end of its life.
class Zip {
public:
    explicit Zip(const QString& path)
        : m_file(unzOpen64(QFile::encodeName(path).constData()))
    { }
    ~Zip()
    {
        if (m_file)
            unzClose(m_file);
    }
    Zip(const Zip&) = delete;
    Zip& operator=(const Zip&) = delete;
    unzFile handle() const { return m_file; }

private:
    unzFile m_file;
};

// One part of the workbook's zip; nothing when the part is missing. Throws on a damaged zip.
std::optional<QByteArray> ReadPart(Zip& zip, const QString& path, const QString& name)
{
    const auto damaged = [&] { Unreadable(path, QStringLiteral("la cartella di lavoro è danneggiata")); };
    // 2: the part's name in any letter case.
    if (unzLocateFile(zip.handle(), name.toUtf8().constData(), 2) != UNZ_OK)
        return std::nullopt;
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip.handle(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK
        || info.uncompressed_size > quint64(kLargestPart))
        damaged();
    if (unzOpenCurrentFile(zip.handle()) != UNZ_OK)
        damaged();
    QByteArray bytes(qsizetype(info.uncompressed_size), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        char spare;
        char* into = filled < bytes.size() ? bytes.data() + filled : &spare;
        const unsigned room = filled < bytes.size() ? unsigned(std::min<qsizetype>(bytes.size() - filled, 1 << 20)) : 1;
        const int read = unzReadCurrentFile(zip.handle(), into, room);
        if (read < 0 || (read > 0 && into == &spare)) {
            unzCloseCurrentFile(zip.handle());
            damaged();
        }
        if (read == 0)
            break;
        filled += read;
    }
    // Closing checks the part's CRC.
    if (unzCloseCurrentFile(zip.handle()) != UNZ_OK || filled != bytes.size())
        damaged();
    return bytes;
}

QByteArray NeedPart(Zip& zip, const QString& path, const QString& name)
{
    std::optional<QByteArray> bytes = ReadPart(zip, path, name);
    if (!bytes)
        Unreadable(path, QStringLiteral("non è una cartella di lavoro .xlsx"));
    return *bytes;
}

void CheckXml(const QXmlStreamReader& xml, const QString& path)
{
    if (xml.hasError())
        Unreadable(path, QStringLiteral("la cartella di lavoro è danneggiata (%1)").arg(xml.errorString()));
}

// The text of the <t> elements inside the current element, phonetic runs aside.
QString CollectText(QXmlStreamReader& xml)
{
    QString text;
    const QString end = xml.name().toString();
    int phonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == end)
                break;
        }
    }
    return text;
}

std::vector<QString> SharedStrings(const QByteArray& bytes, const QString& path)
{
    std::vector<QString> strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings.push_back(CollectText(xml));
    }
    CheckXml(xml, path);
    return strings;
}

// The part of the first sheet, from the workbook and its relationships.
QString FirstSheetPart(Zip& zip, const QString& path)
{
    const QString fallback = QStringLiteral("xl/worksheets/sheet1.xml");
    QString id;
    {
        QXmlStreamReader xml(NeedPart(zip, path, QStringLiteral("xl/workbook.xml")));
        while (!xml.atEnd() && id.isEmpty()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet") {
                for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                    if (attribute.name() == u"id")
                        id = attribute.value().toString();
                }
            }
        }
        CheckXml(xml, path);
    }
    const std::optional<QByteArray> relations = ReadPart(zip, path, QStringLiteral("xl/_rels/workbook.xml.rels"));
    if (id.isEmpty() || !relations)
        return fallback;
    QXmlStreamReader xml(*relations);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship"
            && xml.attributes().value(QStringLiteral("Id")) == id) {
            QString target = xml.attributes().value(QStringLiteral("Target")).toString();
            if (target.startsWith(u'/'))
                return target.mid(1);
            return QStringLiteral("xl/") + target;
        }
    }
    CheckXml(xml, path);
    return fallback;
}

// Column index from a cell reference ("C12" is 2); -1 when there are no letters.
int ColumnOf(QStringView reference)
{
    int column = 0;
    int letters = 0;
    for (const QChar c : reference) {
        if (c >= u'A' && c <= u'Z') {
            column = column * 26 + (c.unicode() - u'A' + 1);
            if (++letters > 3)
                return -1;
        } else {
            break;
        }
    }
    return letters == 0 ? -1 : column - 1;
}

} // namespace

Sheet ReadXlsx(const QString& path)
{
    Zip zip(path);
    if (!zip.handle())
        Unreadable(path, QStringLiteral("non è una cartella di lavoro .xlsx o è danneggiata"));
    std::vector<QString> strings;
    if (const std::optional<QByteArray> shared = ReadPart(zip, path, QStringLiteral("xl/sharedStrings.xml")))
        strings = SharedStrings(*shared, path);
    const QByteArray sheetBytes = NeedPart(zip, path, FirstSheetPart(zip, path));

    Sheet sheet;
    QXmlStreamReader xml(sheetBytes);
    int lastLine = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"row")
            continue;
        SheetRow row;
        bool number = false;
        row.line = xml.attributes().value(QStringLiteral("r")).toInt(&number);
        if (!number || row.line <= lastLine)
            row.line = lastLine + 1;
        lastLine = row.line;
        int nextColumn = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == u"row")
                break;
            if (!xml.isStartElement() || xml.name() != u"c")
                continue;
            int column = ColumnOf(xml.attributes().value(QStringLiteral("r")));
            if (column < 0)
                column = nextColumn;
            if (column > 16383)
                Unreadable(path, QStringLiteral("riferimento di cella non valido alla riga %1").arg(row.line));
            nextColumn = column + 1;
            const QString type = xml.attributes().value(QStringLiteral("t")).toString();
            Cell cell;
            QString value;
            bool hasValue = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == u"c")
                    break;
                if (!xml.isStartElement())
                    continue;
                if (xml.name() == u"v") {
                    value = xml.readElementText();
                    hasValue = true;
                } else if (xml.name() == u"is") {
                    cell.text = CollectText(xml);
                } else if (xml.name() == u"f") {
                    xml.skipCurrentElement();
                }
            }
            if (type == u"s" && hasValue) {
                bool ok = false;
                const qulonglong index = value.toULongLong(&ok);
                if (!ok || index >= strings.size())
                    Unreadable(path, QStringLiteral("testo condiviso mancante alla riga %1").arg(row.line));
                cell.text = strings[index];
            } else if (type == u"str" || type == u"e" || type == u"b") {
                cell.text = value;
            } else if (type != u"inlineStr" && hasValue) {
                bool ok = false;
                const double amount = value.toDouble(&ok);
                cell.text = value;
                if (ok)
                    cell.number = amount;
            }
            if (row.cells.size() <= size_t(column))
                row.cells.resize(size_t(column) + 1);
            row.cells[size_t(column)] = std::move(cell);
        }
        sheet.rows.push_back(std::move(row));
    }
    CheckXml(xml, path);
    return sheet;
}

Sheet ReadSheet(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"csv" || suffix == u"txt")
        return ReadCsv(path);
    if (suffix == u"xlsx")
        return ReadXlsx(path);
    throw ExchangeError(
        QStringLiteral("Il listino \"%1\" non è un file .csv o .xlsx.").arg(FileName(path)));
}

} // namespace exchange
