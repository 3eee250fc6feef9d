#include "app/ErrorReport.h"

#include "app/Dialogs.h"

#include <exception>

namespace app {

void ReportError(const QString& text, QWidget* parent)
{
    QString message = text.trimmed();
    if (message.isEmpty())
        message = QStringLiteral("Errore imprevisto");
    if (!message.endsWith(u'.'))
        message += u'.';
    ShowPlainMessage(message, parent);
}

void RunCommand(QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()), parent);
    } catch (...) {
        ReportError(QString(), parent);
    }
}

} // namespace app
