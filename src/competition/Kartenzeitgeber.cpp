#include "competition/Kartenzeitgeber.h"

Zeitgeber& Timer5()
{
    static Zeitgeber t([] { Timer5Go(); }, 1500);
    return t;
}
Zeitgeber& Timer7()
{
    static Zeitgeber t([] { Timer7Go(); }, 500);
    return t;
}
Zeitgeber& Timer71()
{
    static Zeitgeber t([] { Timer71Go(); }, 20000);
    return t;
}
void Timer5Go() {}
void Timer7Go() {}
void Timer71Go() {}
