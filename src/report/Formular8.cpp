#include "report/Formularlayouts.h"

void Formular8Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck8Zeichnen(Berichtsleinwand&) {}
