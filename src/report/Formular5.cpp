#include "report/Formularlayouts.h"

void Formular5Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck5Zeichnen(Berichtsleinwand&) {}
