#include "match/ui/Bahnfensterdienste.h"

#include "core/Globals.h"
#include "core/ui/Keyb.h"
#include "match/flow/Spielbahnen.h"
#include "match/ui/Bahnen.h"
#include "match/ui/Einzelergebnis.h"
#include "match/ui/Korrektur.h"
#include "match/ui/Steuerung.h"

Bahnfensterdienste::Bahnfensterdienste(QWidget* hauptfenster, std::function<void(int bahn)> spielStart)
    : m_steuerung(new TSteuerung(hauptfenster)), m_bahnen(new TBahnen(hauptfenster))
{
    m_steuerung->spielStart = std::move(spielStart);
    m_bahnen->bahnsteuerungModal = [this](int bahn) { bahnsteuerungModal(bahn); };
    TastaturBahnsteuerungSetzen(m_steuerung);
}

Bahnfensterdienste::~Bahnfensterdienste()
{
    TastaturBahnsteuerungSetzen(nullptr);
    delete m_bahnen;
    delete m_steuerung;
}

TSteuerung* Bahnfensterdienste::steuerung() const { return m_steuerung; }
TBahnen* Bahnfensterdienste::bahnen() const { return m_bahnen; }

void Bahnfensterdienste::bahnsteuerungAktualisieren(int bahn)
{
    if (m_steuerung && m_steuerung->isVisible() && m_steuerung->Bahn() == bahn) m_steuerung->BahnsteuerungAnzeigen(bahn);
}

void Bahnfensterdienste::bahnuebersichtAktualisieren(int bahn)
{
    if (m_bahnen && m_bahnen->isVisible() && (AktivesFenster & FensterBahnuebersicht)) m_bahnen->BahnfeldAnzeigen(bahn);
}

void Bahnfensterdienste::korrekturAktualisieren(int bahn)
{
    if (TKorrektur* k = TKorrektur::offen(); k && k->Bahn() == bahn) k->KorrekturUp();
}

void Bahnfensterdienste::wurflisteAktualisieren(int bahn)
{
    if (TEinzelergebnis* e = TEinzelergebnis::offen(); e && AktWettkampf && WettkampfDerBahn(bahn) == AktWettkampf)
        e->WuerfeNachfuehren();
}

bool Bahnfensterdienste::ergebnistafelAktiv() const { return AktivesFenster == FensterErgebnis; }
bool Bahnfensterdienste::spielberichtAktiv() const { return AktivesFenster == FensterSpielbericht; }

void Bahnfensterdienste::bahnuebersichtZeigen()
{
    if (!m_bahnen) return;
    if (m_bahnen->isVisible())
        m_bahnen->SeiteAnzeigen();
    else
        m_bahnen->show();
    m_bahnen->raise();
    m_bahnen->activateWindow();
}

void Bahnfensterdienste::bahnuebersichtVerbergen()
{
    if (m_bahnen && m_bahnen->isVisible()) m_bahnen->hide();
}

void Bahnfensterdienste::bahnuebersichtRahmen()
{
    if (m_bahnen) m_bahnen->RahmenSetzen();
}

void Bahnfensterdienste::bahnsteuerungZeigen(int bahn)
{
    if (!m_steuerung) return;
    m_steuerung->BahnsteuerungAnzeigen(bahn);
    m_steuerung->show();
    m_steuerung->raise();
    m_steuerung->activateWindow();
}

void Bahnfensterdienste::bahnsteuerungVerbergen()
{
    if (m_steuerung && m_steuerung->isVisible()) m_steuerung->hide();
}

void Bahnfensterdienste::bahnsteuerungNachVorn()
{
    if (m_steuerung && m_steuerung->isVisible()) m_steuerung->raise();
}

void Bahnfensterdienste::bahnsteuerungModal(int bahn)
{
    if (!m_steuerung) return;
    // The window open from the menu comes back as it was after the modal run.
    const bool warOffen = m_steuerung->isVisible();
    if (warOffen) m_steuerung->hide();
    m_steuerung->BahnsteuerungAnzeigen(bahn);
    m_steuerung->exec();
    if (warOffen && m_steuerung) {
        m_steuerung->show();
        m_steuerung->raise();
    }
}
