#include "core/ui/WidgetBoxen.h"

#include "core/ui/Eingabe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/HinweisAlt.h"
#include "core/ui/HinweisJa.h"
#include "core/ui/HinweisMulti.h"
#include "core/ui/HinweisOk.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// Label text, width, centred, modal.
int zeigen(THinweisFenster* fenster, const QString& text, int besetzt)
{
    if (!fenster || fenster->isVisible()) return besetzt;
    fenster->LHinweis->setText(text);
    fenster->BreiteAnpassen();
    Zentrieren(fenster);
    return fenster->exec();
}

}  // namespace

WidgetBoxen::WidgetBoxen(QWidget* hauptfenster)
    : m_hinweis(new THinweis(hauptfenster)),
      m_hinweisJa(new THinweisJa(hauptfenster)),
      m_hinweisOk(new THinweisOk(hauptfenster)),
      m_eingabe(new TEingabefenster(hauptfenster)),
      m_hinweisMulti(new THinweisMulti(hauptfenster)),
      m_hinweisAlt(new THinweisAlt(hauptfenster))
{
}

// The main window may have deleted its children first.
WidgetBoxen::~WidgetBoxen()
{
    if (&boxen() == this) setBoxen(nullptr);
    delete m_hinweisAlt.data();
    delete m_hinweisMulti.data();
    delete m_eingabe.data();
    delete m_hinweisOk.data();
    delete m_hinweisJa.data();
    delete m_hinweis.data();
}

void WidgetBoxen::hinweis(const QString& text) { zeigen(m_hinweis, text, ErgebnisOk); }

int WidgetBoxen::hinweisJa(const QString& text) { return zeigen(m_hinweisJa, text, ErgebnisNein); }

int WidgetBoxen::hinweisOk(const QString& text) { return zeigen(m_hinweisOk, text, ErgebnisAbbrechen); }

int WidgetBoxen::hinweisMulti(const QString& text) { return zeigen(m_hinweisMulti, text, ErgebnisAbbrechen); }

std::optional<QString> WidgetBoxen::eingabe(const EingabeAnfrage& anfrage)
{
    TEingabefenster* f = m_eingabe;
    if (!f || f->isVisible()) return std::nullopt;
    f->LEingabe->setText(anfrage.beschriftung);
    f->EEingabe->setText(anfrage.text);
    f->EEingabe->setToolTip(anfrage.hinweis);
    f->Schritt = anfrage.schritt;
    f->Zahlformat = anfrage.format;
    f->Modus = anfrage.modus;
    f->BtnUp->setVisible(anfrage.pfeileSichtbar);
    f->BtnDown->setVisible(anfrage.pfeileSichtbar);
    f->adjustSize();
    Zentrieren(f);
    if (f->exec() != ErgebnisOk) return std::nullopt;
    return f->EEingabe->text();
}

std::optional<int> WidgetBoxen::hinweisAlt(const QString& text, const QStringList& wahl, int vorgewaehlt)
{
    THinweisAlt* f = m_hinweisAlt;
    if (!f || f->isVisible()) return std::nullopt;
    f->fragen(text, wahl, vorgewaehlt);
    Zentrieren(f);
    if (f->exec() != ErgebnisOk || f->gewaehlt() < 0) return std::nullopt;
    return f->gewaehlt();
}
