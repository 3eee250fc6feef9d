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

// The paragraph on the open screen's price-list and export buttons, outside the numbered
// ones: the topic CreateOpen ends with it.
QString ExchangeParagraph();

QString HelpTopicTitle(HelpTopic topic);
// The topic's paragraphs joined by CR LF CR LF, and for CreateOpen ExchangeParagraph().
QString HelpTopicBody(HelpTopic topic);

} // namespace help
