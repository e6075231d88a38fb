#pragma once
// The time of day for texts and logs; tests set a fixed clock.

#include <QDateTime>
#include <functional>

QDateTime Jetzt();
// An empty function restores the system clock.
void setUhr(std::function<QDateTime()> uhr);
