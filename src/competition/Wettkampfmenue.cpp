#include "competition/Wettkampfmenue.h"

#include "competition/Aufstellung.h"
#include "core/Globals.h"

#include <initializer_list>

namespace {

void Setzen(std::initializer_list<WettkampfMenuepunkt*> punkte, bool enabled)
{
    for (WettkampfMenuepunkt* p : punkte) p->enabled = enabled;
}

}  // namespace

Wettkampfmenue MenueStatusSetzen(const WettkampfmenueEingabe& e)
{
    Wettkampfmenue m;
    m.MTouchEingabe.enabled = e.touchAktiv;
    m.MTouchEingabe.checked = e.touchEingabe;
    m.MVerschieben.checked = e.gridVerschieben;
    m.MSpielerkarte.enabled = e.kartenleserAktiv;

    // Text commands act on an edit only.
    const bool auswahl = e.editAktiv && e.selektionLaenge >= 1;
    Setzen({&m.MAusschneiden, &m.MKopieren}, auswahl);
    m.MEinfuegen.enabled = e.editAktiv && e.zwischenablageText;

    if (e.aktSpielerNr >= 1) {
        Setzen({&m.MSpielerAusschneiden, &m.MSpielerKopieren, &m.MSpielerLoeschen, &m.MInhaltLoeschen,
                &m.MSpielerdaten},
               true);
        Setzen({&m.MSpielerEinfuegen, &m.MInhaltEinfuegen}, e.ablageBelegt);
        Setzen({&m.MSpielleiter, &m.MSpieldaten}, false);
    } else if (e.aktSpielerNr == -1) {
        const bool zeilen = e.selStartCol == -1;
        Setzen({&m.MSpielerAusschneiden, &m.MSpielerLoeschen, &m.MSpielerKopieren}, zeilen);
        m.MSpielerEinfuegen.enabled = zeilen && e.ablageBelegt;
        Setzen({&m.MInhaltEinfuegen, &m.MInhaltLoeschen, &m.MSpielerdaten}, false);
        const bool zelle = e.selStartCol >= 0 && e.selStartRow >= 0;
        Setzen({&m.MAusschneiden, &m.MKopieren}, zelle);
        m.MEinfuegen.enabled = zelle && e.zwischenablageText;
    } else {
        Setzen({&m.MSpielerAusschneiden, &m.MSpielerEinfuegen, &m.MSpielerKopieren, &m.MSpielerLoeschen,
                &m.MInhaltEinfuegen, &m.MInhaltLoeschen, &m.MSpielerdaten},
               false);
        Setzen({&m.MSpielleiter, &m.MSpieldaten}, true);
    }

    m.MRueckg.enabled = e.spielerRueckgaengigNr != 0;
    return m;
}

WettkampfmenueEingabe WettkampfmenueEingabeLesen(bool editAktiv, int selektionLaenge, bool zwischenablageText,
                                                 int selStartCol, int selStartRow)
{
    WettkampfmenueEingabe e;
    e.aktSpielerNr = AktSpielerNr;
    e.editAktiv = editAktiv;
    e.selektionLaenge = selektionLaenge;
    e.zwischenablageText = zwischenablageText;
    e.touchAktiv = Einst.TouchAktiv;
    e.touchEingabe = TouchEingabe != 0;
    e.gridVerschieben = GridVerschieben != 0;
    e.kartenleserAktiv = KartenleserAktiv != 0;
    e.spielerRueckgaengigNr = AktWettkampf && RueckgaengigFuer(*AktWettkampf) ? SpielerRueckgaengigNr : 0;
    e.ablageBelegt = AblageBelegt != 0;
    e.selStartCol = selStartCol;
    e.selStartRow = selStartRow;
    return e;
}
