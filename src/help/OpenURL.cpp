#include "help/OpenURL.h"

#include "base/ProgramFolder.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QRegularExpression>

namespace help {

namespace {

QString StripQuotes(const QString& command)
{
    QString text = command.trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

bool HasScheme(const QString& text)
{
    // Two letters at least, so that a drive letter ("C:\...") stays a path.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(text).hasMatch();
}

bool IsLocalPath(const QString& text)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return QDir::isAbsolutePath(text) || text.startsWith(QLatin1String("\\\\")) || drive.match(text).hasMatch();
}

} // namespace

QUrl TMisc::CommandUrl(const QString& sCommand)
{
    const QString text = StripQuotes(sCommand);
    if (text.isEmpty())
        return {};
    if (HasScheme(text)) {
        // Tolerant mode keeps the text as written: the subject and body of a mail
        // link go in with their spaces and punctuation unchanged.
        return QUrl(text, QUrl::TolerantMode);
    }
    if (IsLocalPath(text)) {
        // Windows separators become slashes on every platform, as a file URL wants.
        QString path = text;
        if (!QDir::isAbsolutePath(text))
            path.replace(u'\\', u'/');
        return QUrl::fromLocalFile(QDir::fromNativeSeparators(path));
    }
    // A file of the program folder named on its own, or a bare host name such as
    // www.example.org.
    return QUrl::fromUserInput(text, base::ProgramFolder());
}

void TMisc::Open(const QString& sCommand)
{
    const QUrl url = CommandUrl(sCommand);
    if (url.isEmpty())
        return;
    ui::Seam().openUrl(url);
}

} // namespace help
