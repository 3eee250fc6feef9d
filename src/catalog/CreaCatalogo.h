#pragma once

#include "app/ScreenWindows.h"

namespace catalog {

class TfrmCreaCatalogo : public app::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmCreaCatalogo(app::Screens& screens);

protected:
    void onClose() override;
};

} // namespace catalog
