#include "ui/Dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ui {

QStringList FilterPatterns(const QString& nameFilter)
{
    QString patterns = nameFilter;
    const qsizetype open = nameFilter.lastIndexOf(u'(');
    const qsizetype close = nameFilter.lastIndexOf(u')');
    if (open >= 0 && close > open)
        patterns = nameFilter.mid(open + 1, close - open - 1);
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return patterns.split(separators, Qt::SkipEmptyParts);
}

QString CompleteWithSuffix(const QString& path, const QString& suffix)
{
    if (path.isEmpty() || suffix.isEmpty())
        return path;
    const QFileInfo info(path);
    if (info.fileName().isEmpty() || info.fileName().contains(u'.') || info.isDir())
        return path;
    const QString wanted = info.fileName() + u'.' + suffix;
    const QDir folder = info.dir();
    if (QFileInfo(folder, wanted).isFile())
        return folder.filePath(wanted);
    // Letter case aside: the name filter of a folder listing ignores it.
    const QStringList found = folder.entryList({wanted}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : found) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return folder.filePath(wanted);
}

namespace {

ModalSeam*& installedSeam()
{
    static ModalSeam* seam = nullptr;
    return seam;
}

// Stands in while no seam is installed: shows nothing and answers every question as
// cancelled.
class NoDialogs : public ModalSeam {
public:
    MessageAnswer messageBox(QWidget*, const QString&, MessageKind kind) override
    {
        return kind == MessageKind::Confirmation ? MessageAnswer::No : MessageAnswer::Cancel;
    }
    void plainMessage(QWidget*, const QString&) override { }
    QString openFileName(QWidget*, const FileRequest&) override { return {}; }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
    void showPreview(QWidget*, const report::Report&) override { }
    void openUrl(const QUrl&) override { }
    void runModal(QDialog&) override { }
};

} // namespace

QString ModalSeam::saveFileName(QWidget*, const FileRequest&)
{
    return {};
}

QString ModalSeam::folderName(QWidget*, const FileRequest&)
{
    return {};
}

ModalSeam& Seam()
{
    static NoDialogs none;
    ModalSeam* seam = installedSeam();
    return seam ? *seam : none;
}

void InstallSeam(ModalSeam* seam)
{
    installedSeam() = seam;
}

ModalSeam* InstalledSeam()
{
    return installedSeam();
}

MessageAnswer ShowMessageBox(const QString& text, MessageKind kind, QWidget* parent)
{
    return Seam().messageBox(parent, text, kind);
}

void ShowPlainMessage(const QString& text, QWidget* parent)
{
    Seam().plainMessage(parent, text);
}

} // namespace ui
