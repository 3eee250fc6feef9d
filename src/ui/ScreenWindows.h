#pragma once

#include <QColor>
#include <QDialog>
#include <QWidget>

namespace ui {

class ScreenRegistry;

// The client area every maximised screen lays its content out for.
inline constexpr QSize kMaximisedContentSize{1016, 713};

// A normal, resizable window with minimise, maximise and close buttons that opens
// maximised; its content keeps a fixed 1016 x 713 size, centred in the window.
class MaximisedScreen : public QWidget {
    Q_OBJECT
public:
    MaximisedScreen(ScreenRegistry& screens, const QString& objectName, const QString& caption,
                    const QColor& gradientTop, const QColor& gradientBottom);

    // The fixed panel on which the screen places its controls.
    QWidget* content() const { return m_content; }

    // Shows the screen maximised and brings it to the front.
    void showScreen();

    ScreenRegistry& screens() const { return m_screens; }

protected:
    // The screen's own steps when it is shown and when it is closed.
    virtual void onShow() { }
    virtual void onClose() { }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenRegistry& m_screens;
    QWidget* m_content;
    QColor m_top;
    QColor m_bottom;
};

// A window of fixed size without minimise, maximise or close buttons: it is left only
// through its own buttons.
class FixedDialogScreen : public QDialog {
    Q_OBJECT
public:
    enum class Centre { Screen, Owner };

    FixedDialogScreen(ScreenRegistry& screens, const QString& objectName, const QString& caption,
                      const QSize& clientSize, const QColor& gradientTop, const QColor& gradientBottom, Centre centre,
                      QWidget* owner = nullptr);

    ScreenRegistry& screens() const { return m_screens; }

protected:
    virtual void onShow() { }
    virtual void onClose() { }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ScreenRegistry& m_screens;
    QColor m_top;
    QColor m_bottom;
    Centre m_centre;
};

} // namespace ui
