#pragma once

#include "help/HelpTopics.h"

class QWidget;

namespace ui {
class ScreenRegistry;
}

namespace help {

// Opens a fresh help window owned by owner on the topic, modally; discarded on close.
void ShowHelpTopic(ui::ScreenRegistry& screens, QWidget* owner, HelpTopic topic);

// The start screen's information and splash windows, fresh and modal, owned by owner.
void OpenInfo(ui::ScreenRegistry& screens, QWidget* owner);
void OpenSplash(ui::ScreenRegistry& screens, QWidget* owner);

// The maker's web site in the default browser.
void OpenWebSite();

} // namespace help
