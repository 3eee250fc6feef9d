#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace app {
class Screens;
}

namespace help {

enum class HelpTopic { Start, CreateOpen, Editor };

inline constexpr int kHelpParagraphCount = 14;

// Paragraph number (1 to 14) of the help texts; empty outside that range.
QString HelpParagraph(int number);
// The paragraph numbers a topic is made of, in order.
QList<int> HelpTopicParagraphs(HelpTopic topic);

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
