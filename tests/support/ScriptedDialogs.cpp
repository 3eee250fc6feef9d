#include "ScriptedDialogs.h"

#include <QDialog>

namespace testing {

ScriptedDialogs::ScriptedDialogs()
{
    app::InstallSeam(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    app::InstallSeam(nullptr);
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts << message.text;
    return texts;
}

app::MessageAnswer ScriptedDialogs::messageBox(QWidget*, const QString& text, app::MessageKind kind)
{
    messages.append({text, kind, false});
    if (onMessage)
        onMessage(messages.last());
    if (answers.empty())
        return kind == app::MessageKind::Confirmation ? app::MessageAnswer::Yes : app::MessageAnswer::Ok;
    const app::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::plainMessage(QWidget*, const QString& text)
{
    messages.append({text, app::MessageKind::Information, true});
    if (onMessage)
        onMessage(messages.last());
}

QString ScriptedDialogs::openFileName(QWidget*, const app::FileRequest& request)
{
    fileRequests.append(request);
    if (fileNames.empty())
        return {};
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
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
