#pragma once

#include <QObject>

namespace cfq {

// While it exists, the application takes no user input (mouse, keyboard,
// wheel, touch, close requests from the window manager) but goes on
// painting and handling every other event, and shows the busy cursor. Used
// while the configurator waits for another program.
class UserInputBlocker : public QObject
{
public:
    UserInputBlocker();
    ~UserInputBlocker() override;
    UserInputBlocker(const UserInputBlocker&) = delete;
    UserInputBlocker& operator=(const UserInputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace cfq
