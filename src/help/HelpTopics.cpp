#include "help/HelpTopics.h"

namespace help {

QString HelpTopicTitle(HelpTopic)
{
    return {};
}

QString HelpTopicBody(HelpTopic)
{
    return {};
}

void ShowHelpTopic(app::Screens&, QWidget*, HelpTopic) {}
void OpenInfo(app::Screens&, QWidget*) {}
void OpenSplash(app::Screens&, QWidget*) {}
void OpenWebSite() {}

} // namespace help
