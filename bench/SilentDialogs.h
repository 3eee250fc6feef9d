#pragma once

#include "app/Dialogs.h"

#include <QDialog>

#include <functional>

namespace bench {

// A modal seam that answers at once, so benchmarks time the commands and not a person.
class SilentDialogs : public app::ModalSeam {
public:
    SilentDialogs() { app::InstallSeam(this); }
    ~SilentDialogs() override { app::InstallSeam(nullptr); }

    QString nextFile;
    std::function<void(QDialog&)> onModal;
    std::function<void(const report::Report&)> onPreview;
    int messages = 0;

    app::MessageAnswer messageBox(QWidget*, const QString&, app::MessageKind) override
    {
        ++messages;
        return app::MessageAnswer::Ok;
    }
    void plainMessage(QWidget*, const QString&) override { ++messages; }
    QString openFileName(QWidget*, const app::FileRequest&) override { return nextFile; }
    bool printDialog(QWidget*, QPrinter&) override { return false; }
    void showPreview(QWidget*, const report::Report& report) override
    {
        if (onPreview)
            onPreview(report);
    }
    void openUrl(const QUrl&) override {}
    void runModal(QDialog& dialog) override
    {
        if (onModal)
            onModal(dialog);
    }
};

} // namespace bench
