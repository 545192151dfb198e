#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace cfq::test {

// Runs action on the next modal dialog once it is shown (for code that calls
// exec()). Call it before the code that opens the dialog.
void whenModalShown(std::function<void(QWidget* modal)> action);

// The child widget with this object name, of the given type; fails the
// current Qt test when missing.
template <typename T>
T* child(QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

} // namespace cfq::test
