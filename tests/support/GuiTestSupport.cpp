#include "GuiTestSupport.h"

#include <QApplication>
#include <QTimer>

namespace cfq::test {

void whenModalShown(std::function<void(QWidget* modal)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

} // namespace cfq::test
