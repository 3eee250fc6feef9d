#pragma once

#include <QList>
#include <QString>

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

} // namespace help
