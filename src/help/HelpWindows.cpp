#include "help/HelpWindows.h"

#include "help/Guida.h"
#include "help/HelpTopics.h"
#include "help/Info.h"
#include "help/Maker.h"
#include "help/OpenURL.h"
#include "help/Splash.h"
#include "ui/Dialogs.h"

#include <memory>

namespace help {

namespace {

// Shows a fresh dialog owned by owner modally and discards it when it has closed.
template <typename Dialog, typename Prepare>
void RunFresh(ui::ScreenRegistry& screens, QWidget* owner, Prepare prepare)
{
    auto dialog = std::make_unique<Dialog>(screens, owner);
    prepare(*dialog);
    ui::Seam().runModal(*dialog);
}

} // namespace

void ShowHelpTopic(ui::ScreenRegistry& screens, QWidget* owner, HelpTopic topic)
{
    RunFresh<TfrmGuida>(screens, owner,
                        [topic](TfrmGuida& dialog) { dialog.ShowTopic(HelpTopicTitle(topic), HelpTopicBody(topic)); });
}

void OpenInfo(ui::ScreenRegistry& screens, QWidget* owner)
{
    RunFresh<TfrmInfo>(screens, owner, [](TfrmInfo&) {});
}

void OpenSplash(ui::ScreenRegistry& screens, QWidget* owner)
{
    RunFresh<TfrmSplash>(screens, owner, [](TfrmSplash&) {});
}

void OpenWebSite()
{
    TMisc::Open(MakerWebSite());
}

} // namespace help
