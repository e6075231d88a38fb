#include "core/CheckedArray.h"

#include <QtGlobal>

namespace IndexCheck {
namespace {

void logHandler(long index, long first, long last)
{
    qCritical("Index %ld ausserhalb von %ld..%ld", index, first, last);
}

Handler g_handler = &logHandler;
long g_count = 0;

}  // namespace

void setHandler(Handler h) { g_handler = h ? h : &logHandler; }
Handler handler() { return g_handler; }
long count() { return g_count; }
void resetCount() { g_count = 0; }

void report(long index, long first, long last)
{
    ++g_count;
    g_handler(index, first, last);
}

}  // namespace IndexCheck
