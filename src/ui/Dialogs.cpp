#include "ui/Dialogs.h"

#include <QDialog>

namespace ui {

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
