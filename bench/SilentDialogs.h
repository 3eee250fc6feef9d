#pragma once

#include "ui/Dialogs.h"

#include <QDialog>

#include <functional>

namespace bench {

// A modal seam that answers at once, so benchmarks time the commands and not a person.
class SilentDialogs : public ui::ModalSeam {
public:
    SilentDialogs()
        : m_previous(ui::InstalledSeam())
    {
        ui::InstallSeam(this);
    }
    ~SilentDialogs() override { ui::InstallSeam(m_previous); }

    QString nextFile;
    std::function<void(QDialog&)> onModal;
    std::function<void(const report::Report&)> onPreview;
    int messages = 0;

    ui::MessageAnswer messageBox(QWidget*, const QString&, ui::MessageKind) override
    {
        ++messages;
        return ui::MessageAnswer::Ok;
    }
    void plainMessage(QWidget*, const QString&) override { ++messages; }
    QString openFileName(QWidget*, const ui::FileRequest&) override { return nextFile; }
    QString saveFileName(QWidget*, const ui::FileRequest&) override { return nextFile; }
    QString folderName(QWidget*, const ui::FileRequest&) override { return nextFile; }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
    void showPreview(QWidget*, const report::Report& report) override
    {
        if (onPreview)
            onPreview(report);
    }
    void openUrl(const QUrl&) override { }
    void runModal(QDialog& dialog) override
    {
        if (onModal)
            onModal(dialog);
    }

private:
    ui::ModalSeam* m_previous;
};

} // namespace bench
