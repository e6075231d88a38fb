#include "report/Formularlayouts.h"

void Formular2Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck2Zeichnen(Berichtsleinwand&) {}
