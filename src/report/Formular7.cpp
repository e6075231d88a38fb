#include "report/Formularlayouts.h"

void Formular7Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck7Zeichnen(Berichtsleinwand&) {}
