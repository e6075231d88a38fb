#include "report/Formularlayouts.h"

void Formular0Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck0Zeichnen(Berichtsleinwand&) {}
