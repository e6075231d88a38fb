#include "report/Formularlayouts.h"

void Formular1Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck1Zeichnen(Berichtsleinwand&) {}
