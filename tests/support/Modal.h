#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace kav::test {

// Acts on a modal window once it is open. Polls (bounded) until the active
// modal widget is a T, then runs the action on it. On time-out it closes
// whatever modal window is open, so the test fails instead of hanging.
template <class T>
void whenModal(std::function<void(T*)> action, int timeoutMs = 5000)
{
    auto* poll = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, clock, action, timeoutMs] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            delete clock;
            action(w);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            poll->stop();
            poll->deleteLater();
            delete clock;
            ADD_FAILURE() << "the expected modal window " << T::staticMetaObject.className() << " did not open";
            if (QWidget* open = QApplication::activeModalWidget())
                open->close();
        }
    });
    poll->start();
}

}  // namespace kav::test
