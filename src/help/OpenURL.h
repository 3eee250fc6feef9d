#pragma once

#include <QString>
#include <QUrl>

namespace help {

class TMisc {
public:
    // Hands a file path, a web address or a mail link to the desktop's open action.
    // The command may be enclosed in double quotes. The outcome is not looked at and
    // nothing is shown, whatever happens.
    static void Open(const QString& sCommand);

    // The URL that Open hands on: a local path becomes a file URL, anything with a
    // scheme (https:, mailto:, ...) is taken as it stands. Empty for an empty command.
    static QUrl CommandUrl(const QString& sCommand);
};

} // namespace help
