#pragma once

#include "ui/Dialogs.h"

namespace app {

// The real dialogs: Qt's message boxes, file dialog, print dialog and preview window, and
// the desktop's open action.
class QtModalSeam : public ui::ModalSeam {
public:
    ui::MessageAnswer messageBox(QWidget* parent, const QString& text, ui::MessageKind kind) override;
    void plainMessage(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const ui::FileRequest& request) override;
    QString saveFileName(QWidget* parent, const ui::FileRequest& request) override;
    QString folderName(QWidget* parent, const ui::FileRequest& request) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    void showPreview(QWidget* parent, const report::Report& report) override;
    void openUrl(const QUrl& url) override;
    void runModal(QDialog& dialog) override;
};

} // namespace app
