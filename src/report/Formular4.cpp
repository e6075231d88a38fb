#include "report/Formularlayouts.h"

void Formular4Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck4Zeichnen(Berichtsleinwand&) {}
