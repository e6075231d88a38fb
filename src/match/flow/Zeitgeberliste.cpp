#include "match/flow/Zeitgeberliste.h"

#include "core/Zeitgeber.h"

Zeitgeber& Timer1()
{
    static Zeitgeber t({}, 60000);
    return t;
}

Zeitgeber& Timer2()
{
    static Zeitgeber t({}, 50);
    return t;
}

Zeitgeber& Timer3()
{
    static Zeitgeber t({}, 50);
    return t;
}

Zeitgeber& Timer9()
{
    static Zeitgeber t({}, 1000);
    return t;
}

Zeitgeber& TimerSpielEnde()
{
    static Zeitgeber t({}, 1000);
    return t;
}

Zeitgeber& TimerBahnEnde()
{
    static Zeitgeber t({}, 1000);
    return t;
}

Zeitgeber& TimerFocus()
{
    static Zeitgeber t({}, 1000);
    return t;
}
