#include "ScriptedDialogs.h"

#include <QDialog>

namespace testing {

ScriptedDialogs::ScriptedDialogs()
    : m_previous(ui::InstalledSeam())
{
    ui::InstallSeam(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    ui::InstallSeam(m_previous);
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts << message.text;
    return texts;
}

ui::MessageAnswer ScriptedDialogs::messageBox(QWidget*, const QString& text, ui::MessageKind kind)
{
    messages.append({text, kind, false});
    if (onMessage)
        onMessage(messages.last());
    if (answers.empty())
        return kind == ui::MessageKind::Confirmation ? ui::MessageAnswer::Yes : ui::MessageAnswer::Ok;
    const ui::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::plainMessage(QWidget*, const QString& text)
{
    messages.append({text, ui::MessageKind::Information, true});
    if (onMessage)
        onMessage(messages.last());
}

QString ScriptedDialogs::openFileName(QWidget*, const ui::FileRequest& request)
{
    fileRequests.append(request);
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedDialogs::saveFileName(QWidget* parent, const ui::FileRequest& request)
{
    return openFileName(parent, request);
}

QString ScriptedDialogs::folderName(QWidget* parent, const ui::FileRequest& request)
{
    return openFileName(parent, request);
}

bool ScriptedDialogs::printDialog(QWidget*, QPrinter& printer)
{
    ++printDialogs;
    if (onPrintDialog)
        onPrintDialog(printer);
    if (printAnswers.empty())
        return false;
    const bool answer = printAnswers.front();
    printAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::showPreview(QWidget*, const report::Report& report)
{
    ++previews;
    if (onPreview)
        onPreview(report);
}

void ScriptedDialogs::openUrl(const QUrl& url)
{
    openedUrls.append(url);
}

void ScriptedDialogs::runModal(QDialog& dialog)
{
    modalDialogs.append(dialog.objectName());
    dialog.setModal(true);
    dialog.show();
    if (onModal)
        onModal(dialog);
    if (dialog.isVisible())
        dialog.close();
}

} // namespace testing
