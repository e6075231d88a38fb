#include "report/Formularlayouts.h"

void Formular6Zeichnen(Berichtsleinwand&, TWettkampfDaten&, const Formularkontext&) {}

void Vordruck6Zeichnen(Berichtsleinwand&) {}
