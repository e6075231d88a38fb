#include "competition/ui/Mannschaftskarte.h"

#include "core/ui/Hinweis.h"
#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "competition/Mannschaftskarte.h"
#include "competition/ui/HinweisKarte.h"
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/ui/Farben.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace {

}  // namespace

TMannschaftskarte::TMannschaftskarte(Auftrag auftrag, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_auftrag(auftrag)
{
    setObjectName(QStringLiteral("Mannschaftskarte"));
    setWindowTitle(QStringLiteral("Daten werden übertragen !"));
    setFixedSize(360, 70);
    HintergrundSetzen(this, u"ColorHinweis");

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(20, 24, 320, 22);
    ProgressBar->setRange(0, MannschaftskarteEinheiten);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
}

TMannschaftskarte::~TMannschaftskarte() = default;

void TMannschaftskarte::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Inside the window's own event loop, so that closing ends it.
    if (!m_begonnen) QTimer::singleShot(0, this, &TMannschaftskarte::uebertragen);
}

void TMannschaftskarte::uebertragen()
{
    if (m_begonnen) return;
    m_begonnen = true;
    ProgressBar->setValue(0);

    // The card poll must not open its own prompts in the middle of a transfer.
    const bool abfrage = Timer5().enabled();
    Timer5().setEnabled(false);

    const QPointer<TMannschaftskarte> selbst(this);
    Kartenuebertragung u;
    u.fortschritt = [selbst](int erreicht, int gesamt) {
        if (!selbst) return;
        QProgressBar* balken = selbst->ProgressBar;
        if (gesamt > 0 && balken->maximum() != gesamt) balken->setMaximum(gesamt);
        balken->setValue(erreicht);
        balken->repaint();  // the transfer holds the event loop
    };
    u.erneutEinschieben = [] {
        return boxen().hinweisOk(QStringLiteral("Bitte Karte erneut einschieben !")) == ErgebnisOk;
    };
    u.ueberschreiben = [selbst] {
        return KarteUeberschreibenFragen(selbst, QStringLiteral("Mannschaftskarte !"),
                                         QStringLiteral("Im Leser befindet sich keine Mannschaftskarte !"));
    };

    switch (m_auftrag) {
    case Auftrag::Laden: m_ergebnis = MannschaftskarteLaden(u); break;
    case Auftrag::Speichern: m_ergebnis = MannschaftskarteSpeichern(u); break;
    case Auftrag::Gast: m_ergebnis = GastkarteLaden(u); break;
    }

    Timer5().setEnabled(abfrage);
    if (!selbst) return;
    m_fertig = true;
    done(m_ergebnis == Kartenergebnis::Ok ? Accepted : Rejected);
}

void TMannschaftskarte::reject()
{
    if (m_fertig) QDialog::reject();
}

void TMannschaftskarte::closeEvent(QCloseEvent* event)
{
    if (m_fertig)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

bool TMannschaftskarte::GastkarteUebertragen(QWidget* eltern)
{
    if (!AktWettkampf || !KartenleserAktiv || !KarteVorhanden()) return false;
    TMannschaftskarte fenster(Auftrag::Gast, eltern);
    Zentrieren(&fenster);
    return fenster.exec() == Accepted;
}
