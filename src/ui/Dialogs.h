#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class QDialog;
class QPrinter;
class QUrl;

namespace report {
class Report;
}

namespace ui {

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What an open-file dialog is asked to show.
struct FileRequest {
    QString title;
    QStringList nameFilters; // "Text (*.a; *.b)"; the first one is selected when the dialog opens
    QString defaultSuffix;   // added to a typed name without extension
    QString selectedFile = {}; // save and folder dialogs: the path offered when the dialog opens
};

// The patterns of a name filter: what stands between its last parentheses, split at
// semicolons and blanks ("Immagine JPEG (*.jpg; *.jpeg)" gives *.jpg and *.jpeg).
QStringList FilterPatterns(const QString& nameFilter);

// A chosen path completed with the default suffix when its name has no extension: the
// file of that name with the suffix in any letter case, where one exists (a.jpg as well
// as a.JPG), otherwise the name with the suffix as given.
QString CompleteWithSuffix(const QString& path, const QString& suffix);

// Every modal interaction of the program goes through this seam: start-up installs the
// Qt implementation, tests install a scripted one that records and answers.
class ModalSeam {
public:
    virtual ~ModalSeam() = default;

    virtual MessageAnswer messageBox(QWidget* parent, const QString& text, MessageKind kind) = 0;
    virtual void plainMessage(QWidget* parent, const QString& text) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const FileRequest& request) = 0;
    // The name of a file to write; empty when the user cancels. A seam without one cancels.
    virtual QString saveFileName(QWidget* parent, const FileRequest& request);
    // An existing folder; empty when the user cancels. A seam without one cancels.
    virtual QString folderName(QWidget* parent, const FileRequest& request);
    // True when the user confirmed printing; the printer then carries the choices made.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
    // Shows a prepared report in the preview window; returns when the window closes.
    virtual void showPreview(QWidget* parent, const report::Report& report) = 0;
    // The desktop's open action; its result is never looked at.
    virtual void openUrl(const QUrl& url) = 0;
    // Shows a dialog modally and returns when it has closed.
    virtual void runModal(QDialog& dialog) = 0;
};

// The seam in force: the one last installed. The program installs Qt's own at start-up;
// tests install a scripted one. With none installed, nothing is shown and every question
// is answered as cancelled.
ModalSeam& Seam();
void InstallSeam(ModalSeam* seam);
ModalSeam* InstalledSeam();

// The program's message boxes. Warning, error and information carry OK and Annulla
// (callers ignore the answer); a confirmation carries Sì and No, Sì the default.
MessageAnswer ShowMessageBox(const QString& text, MessageKind kind, QWidget* parent = nullptr);
// A message with the single button OK.
void ShowPlainMessage(const QString& text, QWidget* parent = nullptr);

} // namespace ui
