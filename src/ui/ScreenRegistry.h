#pragma once

#include <QList>
#include <QString>
#include <QWidget>

namespace ui {

// The long-lived screens one screen hands over to.
enum class ScreenId { Login, ChangePassword, Start, CreateFlyer, OpenFlyer };

// What the screens know of each other: the hand-overs of the screen flow, and the end of
// the program. The program's composition root builds the screens and implements this.
class ScreenRegistry {
public:
    virtual ~ScreenRegistry() = default;

    // Shows the login screen, the main window, at start-up.
    virtual void showMainWindow() = 0;
    // Shows that screen as its window kind has it and brings it to the front.
    virtual void show(ScreenId screen) = 0;
    // The page editor on a flyer: its archive path and title set, then shown.
    virtual void openFlyer(const QString& archivePath, const QString& title) = 0;
    // Ends the program: the event loop stops; no screen's close step runs.
    virtual void endProgram() = 0;

    // Every screen, in the order they were created.
    virtual QList<QWidget*> all() const = 0;

    // The first screen of that class; nullptr when there is none.
    template <typename Screen>
    Screen* find() const
    {
        for (QWidget* widget : all()) {
            if (auto* screen = qobject_cast<Screen*>(widget))
                return screen;
        }
        return nullptr;
    }
};

} // namespace ui
