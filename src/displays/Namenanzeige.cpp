#include "displays/Namenanzeige.h"

QByteArray NamenanzText(const char*, int) { return {}; }
std::pair<QByteArray, QByteArray> NamenWechselTexte(const char*, int) { return {}; }
QByteArray NameSatzpunkteText(const char*, int) { return {}; }
QByteArray SatzpunkteText(float) { return {}; }
std::array<QByteArray, 16> WerbeWorte(const QString&) { return {}; }
Namenwerbeeintrag NamenWerbezeileLesen(const QString&) { return {}; }
QString NamenWerbezeileText(const Namenwerbeeintrag&) { return {}; }

Namenanzsteuerung::Namenanzsteuerung()
    : TimerWechsel([this] { wechselTakt(); }, NamenanzWechselMs),
      TimerWerbung([this] { werbungTakt(); }, NamenanzWerbetakt)
{
    StopBahnZustand.fill(1);
}

Namenanzsteuerung& namenanzsteuerung()
{
    static Namenanzsteuerung s;
    return s;
}

void Namenanzsteuerung::NamenanzeigeAktualisieren(int) {}
void Namenanzsteuerung::NamenanzeigeLoeschen(int) {}
void Namenanzsteuerung::NameAnzeigen(int) {}
void Namenanzsteuerung::NamenWechselAnzeigen(int) {}
void Namenanzsteuerung::NameSatzpunkteAnzeigen(int) {}
void Namenanzsteuerung::StopBahnAnzeigen(int) {}
void Namenanzsteuerung::NamenanzWerbungLaden(TWettkampfDaten&) {}
void Namenanzsteuerung::NamenanzWerbungStarten(TWettkampfDaten&) {}
void Namenanzsteuerung::NamenanzWerbungAnzeigen(TWettkampfDaten&) {}
void Namenanzsteuerung::WerbeeintragLesen(TWettkampfDaten&) {}
void Namenanzsteuerung::wechselTakt() {}
void Namenanzsteuerung::werbungTakt() {}
void Namenanzsteuerung::HelligkeitSenden(u8) {}
void Namenanzsteuerung::zuruecksetzen()
{
    TimerWechsel.setEnabled(false);
    TimerWerbung.setEnabled(false);
}
void Namenanzsteuerung::zeileSenden(int, const QByteArray&) {}
