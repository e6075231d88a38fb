#pragma once
// Waiting in a test on the event loop: until a condition holds or a deadline
// has passed, never a fixed sleep.

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <functional>

// Runs the event loop until `bedingung` holds or the deadline has passed;
// whether it holds.
inline bool warten(const std::function<bool()>& bedingung, int ms = 30000)
{
    QEventLoop schleife;
    QTimer pruefen;
    const QDeadlineTimer frist(ms);
    QObject::connect(&pruefen, &QTimer::timeout, [&] {
        if (bedingung() || frist.hasExpired()) schleife.quit();
    });
    pruefen.start(5);
    if (!bedingung()) schleife.exec();
    return bedingung();
}
