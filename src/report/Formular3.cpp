#include "report/Formularlayouts.h"

void Formular3Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck3Zeichnen(Berichtsleinwand&) {}
