#pragma once

#include <QString>

class QWidget;

namespace app {
class Screens;
}

namespace help {

enum class HelpTopic { Start, CreateOpen, Editor };

QString HelpTopicTitle(HelpTopic topic);
// The topic's paragraphs joined by CR LF CR LF.
QString HelpTopicBody(HelpTopic topic);

// Opens a fresh help window owned by owner on the topic, modally; discarded on close.
void ShowHelpTopic(app::Screens& screens, QWidget* owner, HelpTopic topic);

// The start screen's information and splash windows, fresh and modal, owned by owner.
void OpenInfo(app::Screens& screens, QWidget* owner);
void OpenSplash(app::Screens& screens, QWidget* owner);

// The maker's web site in the default browser.
void OpenWebSite();

} // namespace help
