#pragma once

#include "app/ScreenWindows.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace app {
class Picture;
class PictureButton;
class Rect;
} // namespace app

namespace help {

class LinkText;

// The help window: one topic's title and body, and a link to the PDF user guide.
class TfrmGuida : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmGuida(app::Screens& screens, QWidget* owner = nullptr);

    QWidget* panContainer = nullptr;
    app::Rect* shpLogo = nullptr;
    app::Picture* imgLogo = nullptr;
    QLabel* lblTitolo = nullptr;
    QPlainTextEdit* txtGuida = nullptr;
    app::PictureButton* imgPDF = nullptr;
    LinkText* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

    // Puts a topic's title into lblTitolo (fitted to the text) and its body into txtGuida.
    void ShowTopic(const QString& title, const QString& body);

    void btnChiudiClick();
    // Opens Guida.pdf of the program folder; also reached from imgPDF.
    void lnkWebClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace help
