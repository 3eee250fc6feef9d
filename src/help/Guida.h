#pragma once

#include "ui/ScreenWindows.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class Picture;
class PictureButton;
class Rect;
} // namespace ui

namespace help {

class LinkText;

// The help window: one topic's title and body, and a link to the PDF user guide.
class TfrmGuida : public ui::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmGuida(ui::ScreenRegistry& screens, QWidget* owner = nullptr);

    QWidget* panContainer = nullptr;
    ui::Rect* shpLogo = nullptr;
    ui::Picture* imgLogo = nullptr;
    QLabel* lblTitolo = nullptr;
    QPlainTextEdit* txtGuida = nullptr;
    ui::PictureButton* imgPDF = nullptr;
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
