#include "report/formulare/Formularansicht.h"

namespace {

// v x neu div alt, without overflow; 0 for a picture without size.
int Skaliert(int v, int neu, int alt) { return alt > 0 ? int(qint64(v) * neu / alt) : 0; }

}  // namespace

Ansichtszoom AnsichtStart(const Formularmasse& m) { return {QSize(AnsichtBreite, m.vorschauHoehe), false, true}; }

Ansichtszoom AnsichtGroesser(const Ansichtszoom& z, const Formularmasse& m)
{
    if (z.bild.width() >= m.breite / 2) return {QSize(m.breite, m.hoehe), true, false};
    return {QSize(z.bild.width() * 2, z.bild.height() * 2), true, true};
}

Ansichtszoom AnsichtKleiner(const Ansichtszoom& z, const Formularmasse& m)
{
    Ansichtszoom neu{z.bild, true, true};
    if (neu.bild.width() > AnsichtBreite) neu.bild = QSize(neu.bild.width() / 2, neu.bild.height() / 2);
    if (neu.bild.width() <= AnsichtBreite) return AnsichtStart(m);
    return neu;
}

QPoint AnsichtKlickMitte(QPoint klick, QSize alt, QSize neu, QSize sicht)
{
    return {Skaliert(klick.x(), neu.width(), alt.width()) - sicht.width() / 2,
            Skaliert(klick.y(), neu.height(), alt.height()) - sicht.height() / 2};
}

QPoint AnsichtZiehen(QPoint bildlauf, QPoint druck, QPoint maus) { return bildlauf + (druck - maus); }

bool AnsichtKlick(QPoint druck, QPoint maus, QPoint bildlaufDruck, QPoint bildlauf)
{
    return druck == maus && bildlaufDruck == bildlauf;
}
