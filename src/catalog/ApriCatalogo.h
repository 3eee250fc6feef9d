#pragma once

#include "app/ScreenWindows.h"

namespace catalog {

class TfrmApriCatalogo : public app::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmApriCatalogo(app::Screens& screens);

protected:
    void onClose() override;
};

} // namespace catalog
