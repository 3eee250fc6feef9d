#include "app/QtDialogs.h"

#include "report/PreviewWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace app {

namespace {

QWidget* parentOrActive(QWidget* parent)
{
    return parent ? parent : QApplication::activeWindow();
}

} // namespace

ui::MessageAnswer QtModalSeam::messageBox(QWidget* parent, const QString& text, ui::MessageKind kind)
{
    QMessageBox box(parentOrActive(parent));
    box.setText(text);
    switch (kind) {
    case ui::MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Attenzione"));
        break;
    case ui::MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Errore"));
        break;
    case ui::MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Informazione"));
        break;
    case ui::MessageKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Conferma"));
        break;
    }
    if (kind == ui::MessageKind::Confirmation) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return ui::MessageAnswer::Yes;
    case QMessageBox::No:
        return ui::MessageAnswer::No;
    case QMessageBox::Ok:
        return ui::MessageAnswer::Ok;
    default:
        return kind == ui::MessageKind::Confirmation ? ui::MessageAnswer::No : ui::MessageAnswer::Cancel;
    }
}

void QtModalSeam::plainMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(parentOrActive(parent));
    box.setWindowTitle(QStringLiteral("Vetrinalia"));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

QString QtModalSeam::openFileName(QWidget* parent, const ui::FileRequest& request)
{
    QFileDialog dialog(parentOrActive(parent), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // Any name is taken, also one that names no file: the caller decides what that means,
    // and Qt shows no "file not found" box of its own.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(request.nameFilters);
    if (!request.nameFilters.isEmpty())
        dialog.selectNameFilter(request.nameFilters.first());
    // Qt splits a filter's patterns at blanks only, so "(*.jpg; *.jpeg)" would list no
    // .jpg file: the file list takes the patterns as the program reads them.
    auto* files = dialog.findChild<QFileSystemModel*>();
    const auto usePatterns = [files](const QString& filter) {
        if (files)
            files->setNameFilters(ui::FilterPatterns(filter));
    };
    usePatterns(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, usePatterns);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // The default suffix is added here rather than by Qt, which would look only for the
    // suffix in the letter case given.
    return ui::CompleteWithSuffix(dialog.selectedFiles().first(), request.defaultSuffix);
}

QString QtModalSeam::saveFileName(QWidget* parent, const ui::FileRequest& request)
{
    QFileDialog dialog(parentOrActive(parent), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(request.nameFilters);
    if (!request.nameFilters.isEmpty())
        dialog.selectNameFilter(request.nameFilters.first());
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.selectedFile.isEmpty())
        dialog.selectFile(request.selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtModalSeam::folderName(QWidget* parent, const ui::FileRequest& request)
{
    QFileDialog dialog(parentOrActive(parent), request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    dialog.setFileMode(QFileDialog::Directory);
    if (!request.selectedFile.isEmpty())
        dialog.setDirectory(request.selectedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtModalSeam::printDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parentOrActive(parent));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

void QtModalSeam::showPreview(QWidget* parent, const report::Report& report)
{
    report::ShowPreviewWindow(parentOrActive(parent), report);
}

void QtModalSeam::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void QtModalSeam::runModal(QDialog& dialog)
{
    dialog.exec();
}

} // namespace app
