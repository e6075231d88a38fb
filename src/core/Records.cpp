#include "core/Records.h"

char& TWurfMarken::marke(long k)
{
    if (k >= 1 && k <= 10) return Wuerfe1bis10.zeichen(k);
    if (k >= 11 && k <= 20) return Wuerfe11bis20.zeichen(k - 10);
    if (k >= 21 && k <= 25) return Wuerfe21bis25.zeichen(k - 20);
    // Marks beyond the 25th are reported and dropped.
    IndexCheck::report(k, 1, 25);
    static char scratch;
    scratch = 0;
    return scratch;
}

void TWurfMarken::leeren()
{
    Wuerfe1bis10 = "          ";
    Wuerfe11bis20 = "          ";
    Wuerfe21bis25 = "     ";
}
