#include "platform/UserInputBlocker.h"

#include <QApplication>
#include <QEvent>

namespace cfq {
namespace {

bool isUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        // The window manager's close box; a window closing itself is not input.
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace

UserInputBlocker::UserInputBlocker()
{
    QCoreApplication::instance()->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

UserInputBlocker::~UserInputBlocker()
{
    QApplication::restoreOverrideCursor();
    QCoreApplication::instance()->removeEventFilter(this);
}

bool UserInputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    if (isUserInput(event)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace cfq
