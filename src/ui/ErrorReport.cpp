#include "ui/ErrorReport.h"

namespace ui {

void ReportError(const QString& text, QWidget* parent)
{
    QString message = text.trimmed();
    if (message.isEmpty())
        message = QStringLiteral("Errore imprevisto");
    if (!message.endsWith(u'.'))
        message += u'.';
    ShowPlainMessage(message, parent);
}

void ShowFailure(QWidget* parent, const FailureReport& report, const QString& errorText)
{
    if (report.text.isEmpty())
        ReportError(errorText, parent);
    else if (report.plain)
        ShowPlainMessage(report.text, parent);
    else
        ShowMessageBox(report.text, report.kind, parent);
}

void RunCommand(QWidget* parent, const std::function<void()>& command)
{
    RunGuarded(parent, FailureReport{}, command);
}

} // namespace ui
