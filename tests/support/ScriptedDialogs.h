#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>

namespace testing {

// A modal seam for tests: records every request and gives the answers the test queued.
// Installed for its lifetime.
class ScriptedDialogs : public ui::ModalSeam {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    struct Message {
        QString text;
        ui::MessageKind kind;
        bool plain;
    };

    // Recorded requests.
    QList<Message> messages;
    QList<ui::FileRequest> fileRequests;
    int printDialogs = 0;
    int previews = 0;
    QList<QUrl> openedUrls;
    QStringList modalDialogs; // objectName of each dialog shown through runModal

    // Answers, taken in order; when a queue is empty: OK (Sì for a confirmation), cancel
    // for file and print dialogs.
    std::deque<ui::MessageAnswer> answers;
    std::deque<QString> fileNames;
    std::deque<bool> printAnswers;

    // Called for every message as it is shown (for example to look at the screen meanwhile).
    std::function<void(const Message&)> onMessage;
    // Called while a dialog is "open"; may click its buttons. The dialog is closed afterwards.
    std::function<void(QDialog&)> onModal;
    // Called while the preview window would be open, with the report it shows.
    std::function<void(const report::Report&)> onPreview;
    // Called when the print dialog is asked for, with the printer to be set up.
    std::function<void(QPrinter&)> onPrintDialog;

    QStringList messageTexts() const;

    ui::MessageAnswer messageBox(QWidget* parent, const QString& text, ui::MessageKind kind) override;
    void plainMessage(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const ui::FileRequest& request) override;
    // Save and folder dialogs are recorded in fileRequests too and answered from fileNames.
    QString saveFileName(QWidget* parent, const ui::FileRequest& request) override;
    QString folderName(QWidget* parent, const ui::FileRequest& request) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    void showPreview(QWidget* parent, const report::Report& report) override;
    void openUrl(const QUrl& url) override;
    void runModal(QDialog& dialog) override;

private:
    ui::ModalSeam* m_previous; // put back when this one goes
};

} // namespace testing
