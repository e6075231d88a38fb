#include "core/Clock.h"

namespace {
std::function<QDateTime()> g_uhr;
}

QDateTime Jetzt() { return g_uhr ? g_uhr() : QDateTime::currentDateTime(); }

void setUhr(std::function<QDateTime()> uhr) { g_uhr = std::move(uhr); }
