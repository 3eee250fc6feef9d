// The INI reader and writer on any bytes: a write reads back, writing it again changes
// nothing, and every other line of the file is kept, in order, byte for byte.
#include "access/IniFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The file's lines as the reader sees them (ended by CR, LF or CR LF), each with its ending.
QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != '\n' && text.at(end) != '\r')
            ++end;
        if (end < text.size())
            end += (text.at(end) == '\r' && end + 1 < text.size() && text.at(end + 1) == '\n') ? 2 : 1;
        lines << text.mid(start, end - start);
        start = end;
    }
    return lines;
}

bool isValoreLine(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return false;
    // Names are trimmed of every character up to the space, as the reader does.
    QByteArray name = line.left(equals);
    while (!name.isEmpty() && quint8(name.front()) <= 32)
        name.remove(0, 1);
    while (!name.isEmpty() && quint8(name.back()) <= 32)
        name.chop(1);
    // Names are read as UTF-8, which drops a leading byte-order mark.
    if (name.startsWith("\xEF\xBB\xBF"))
        name.remove(0, 3);
    return name.compare("Valore", Qt::CaseInsensitive) == 0;
}

bool hasEnding(const QByteArray& line)
{
    return line.endsWith('\n') || line.endsWith('\r');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString section = QStringLiteral("Accesso");
    const QString key = QStringLiteral("Valore");
    const QString value = QStringLiteral("625C");

    login::ini::ReadValue(text, section, key);
    const QByteArray written = login::ini::WriteValue(text, section, key, value);
    const auto fail = [&](const char* what) {
        std::fprintf(stderr, "ini_file: %s\nafter: %s\n", what, written.toPercentEncoding().constData());
        std::abort();
    };
    if (login::ini::ReadValue(written, section, key) != value)
        fail("the value written does not read back");
    if (login::ini::WriteValue(written, section, key, value) != written)
        fail("writing the same value again changed the file");

    // Every other line survives byte for byte: past the lines both files start and end
    // with, at most one input line (the key's, or a last line that gains its ending) gives
    // way to at most three (that line, a section header and the key's line).
    const QList<QByteArray> before = linesOf(text);
    const QList<QByteArray> after = linesOf(written);
    const qsizetype shorter = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    if (before.size() - head - tail > 1 || after.size() - head - tail > 3)
        fail("another line of the file was changed");
    if (before.size() - head - tail == 1) {
        const QByteArray& replaced = before.at(head);
        if (!isValoreLine(replaced) && (head != before.size() - 1 || hasEnding(replaced)))
            fail("a line other than the key's was replaced");
    }

    // Names and values from the input itself: refused or written, never a crash.
    const QString asText = QString::fromUtf8(text.left(64));
    login::ini::ReadValue(text, asText, asText);
    try {
        login::ini::WriteValue(text, asText, asText, asText);
    } catch (const login::IniWriteError&) { }
    return 0;
}
