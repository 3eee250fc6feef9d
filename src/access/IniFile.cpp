#include "access/IniFile.h"

#include "storage/WholeWrites.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace login {

namespace {

// Files beyond this size are not profile files; they read as empty and are not rewritten.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// A range of bytes of the text, [begin, end).
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
};

Span Trimmed(const QByteArray& text, Span span)
{
    while (span.begin < span.end && IsBlank(text.at(span.begin)))
        ++span.begin;
    while (span.end > span.begin && IsBlank(text.at(span.end - 1)))
        --span.end;
    return span;
}

struct Line {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    qsizetype begin = 0;      // first byte of the line
    qsizetype contentEnd = 0; // where the line ending starts
    qsizetype end = 0;        // first byte after the line ending
    Span name;                // section or key name, trimmed
    Span value;               // key value, trimmed
};

QList<Line> SplitLines(const QByteArray& text)
{
    QList<Line> lines;
    const qsizetype size = text.size();
    qsizetype pos = 0;
    while (pos < size) {
        Line line;
        line.begin = pos;
        qsizetype stop = pos;
        while (stop < size && text.at(stop) != '\n' && text.at(stop) != '\r')
            ++stop;
        line.contentEnd = stop;
        if (stop < size)
            stop += (text.at(stop) == '\r' && stop + 1 < size && text.at(stop + 1) == '\n') ? 2 : 1;
        line.end = stop;

        Span content{line.begin, line.contentEnd};
        if (line.begin == 0 && text.startsWith("\xEF\xBB\xBF"))
            content.begin = qMin<qsizetype>(3, content.end);
        content = Trimmed(text, content);
        if (content.begin < content.end) {
            const char first = text.at(content.begin);
            if (first == '[') {
                // The name ends at the first "]": what follows it on the line is ignored,
                // so "[Accesso] ; nota [x]" is the section Accesso.
                qsizetype close = content.begin + 1;
                while (close < content.end && text.at(close) != ']')
                    ++close;
                if (close < content.end) {
                    line.kind = Line::Kind::Section;
                    line.name = Trimmed(text, {content.begin + 1, close});
                }
            } else if (first != ';') {
                qsizetype equals = content.begin;
                while (equals < content.end && text.at(equals) != '=')
                    ++equals;
                if (equals < content.end) {
                    line.kind = Line::Kind::Key;
                    line.name = Trimmed(text, {content.begin, equals});
                    line.value = Trimmed(text, {equals + 1, content.end});
                }
            }
        }
        lines.append(line);
        pos = line.end;
    }
    return lines;
}

bool SameName(const QByteArray& text, Span span, const QString& name)
{
    const QString found = QString::fromUtf8(text.constData() + span.begin, span.end - span.begin);
    return found.compare(name, Qt::CaseInsensitive) == 0;
}

QString TrimmedName(const QString& name)
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && name.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && name.at(end - 1).unicode() <= 32)
        --end;
    return name.mid(begin, end - begin);
}

// Index of the first header of the section, or -1.
qsizetype FindSection(const QByteArray& text, const QList<Line>& lines, const QString& section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).kind == Line::Kind::Section && SameName(text, lines.at(i).name, section))
            return i;
    }
    return -1;
}

// The line ending the text already uses; CRLF for a text without one.
QByteArray LineEnding(const QByteArray& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == '\n')
            return QByteArrayLiteral("\n");
        if (text.at(i) == '\r')
            return (i + 1 < text.size() && text.at(i + 1) == '\n') ? QByteArrayLiteral("\r\n")
                                                                   : QByteArrayLiteral("\r");
    }
    return QByteArrayLiteral("\r\n");
}

bool EndsWithLineEnding(const QByteArray& text)
{
    return text.endsWith('\n') || text.endsWith('\r');
}

bool HoldsLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

} // namespace

namespace ini {

QString ReadValue(const QByteArray& text, const QString& section, const QString& key)
{
    const QString sectionName = TrimmedName(section);
    const QString keyName = TrimmedName(key);
    const QList<Line> lines = SplitLines(text);
    const qsizetype header = FindSection(text, lines, sectionName);
    if (header < 0)
        return {};
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        const Line& line = lines.at(i);
        if (line.kind == Line::Kind::Section)
            break;
        if (line.kind == Line::Kind::Key && SameName(text, line.name, keyName)) {
            Span value = line.value;
            // A value in matching quotes is given without them.
            if (value.end - value.begin >= 2) {
                const char first = text.at(value.begin);
                if ((first == '"' || first == '\'') && text.at(value.end - 1) == first) {
                    ++value.begin;
                    --value.end;
                }
            }
            return QString::fromUtf8(text.constData() + value.begin, value.end - value.begin);
        }
    }
    return {};
}

QByteArray WriteValue(const QByteArray& text, const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = TrimmedName(section);
    const QString keyName = TrimmedName(key);
    if (HoldsLineBreak(sectionName) || HoldsLineBreak(keyName) || HoldsLineBreak(value))
        throw IniWriteError("a profile name or value cannot hold a line break");
    if (keyName.isEmpty() || keyName.contains(QLatin1Char('=')) || keyName.startsWith(QLatin1Char('['))
        || keyName.startsWith(QLatin1Char(';')))
        throw IniWriteError("not a valid profile key name");

    const QByteArray eol = LineEnding(text);
    const QByteArray keyLine = keyName.toUtf8() + '=' + value.toUtf8();
    const QList<Line> lines = SplitLines(text);
    const qsizetype header = FindSection(text, lines, sectionName);

    if (header < 0) {
        QByteArray result = text;
        if (!result.isEmpty() && !EndsWithLineEnding(result))
            result += eol;
        result += '[' + sectionName.toUtf8() + ']' + eol + keyLine + eol;
        return result;
    }

    qsizetype lastKey = header;
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        const Line& line = lines.at(i);
        if (line.kind == Line::Kind::Section)
            break;
        if (line.kind != Line::Kind::Key)
            continue;
        if (SameName(text, line.name, keyName)) {
            QByteArray result = text;
            result.replace(line.begin, line.contentEnd - line.begin, keyLine);
            return result;
        }
        lastKey = i;
    }

    const Line& after = lines.at(lastKey);
    QByteArray insert;
    if (after.end == after.contentEnd) { // the file's last line, without a line ending
        insert += eol + keyLine + eol;
    } else {
        // The new line ends as the line before it does: a lone CR taken from elsewhere in
        // the file could join the LF that follows and swallow the next (empty) line.
        insert += keyLine + text.mid(after.contentEnd, after.end - after.contentEnd);
    }
    QByteArray result = text;
    result.insert(after.end, insert);
    return result;
}

} // namespace ini

QString ReadIniString(const QString& path, const QString& section, const QString& key)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileSize)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.read(kMaxFileSize + 1);
    file.close();
    if (text.size() > kMaxFileSize)
        return {};
    return ini::ReadValue(text, section, key);
}

void WriteIniString(const QString& path, const QString& section, const QString& key, const QString& value)
{
    QByteArray text;
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        if (!info.isFile())
            throw IniWriteError("the profile file is not a regular file");
        if (info.size() > kMaxFileSize)
            throw IniWriteError("the profile file is too large");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw IniWriteError("the profile file cannot be read");
        text = file.read(kMaxFileSize + 1);
        if (file.error() != QFileDevice::NoError || text.size() > kMaxFileSize)
            throw IniWriteError("the profile file cannot be read");
    }

    const QByteArray updated = ini::WriteValue(text, section, key, value);

    // Unbuffered, so that a short write (a full disk) is seen here: a buffered QSaveFile
    // loses the rest of its buffer and still commits the truncated file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IniWriteError("the profile file cannot be written");
    storage::WholeWrites whole(&file);
    if (whole.write(updated) != updated.size()) {
        file.cancelWriting();
        throw IniWriteError("the profile file cannot be written");
    }
    if (!file.commit())
        throw IniWriteError("the profile file cannot be written");
}

} // namespace login
