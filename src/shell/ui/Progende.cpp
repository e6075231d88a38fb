#include "shell/ui/Progende.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/Zeitgeber.h"
#include "match/dienste/Anzeigeschicht.h"
#include "shell/Hauptbefehle.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int Breite = 400;
constexpr int Hoehe = 150;
constexpr int KnopfBreite = 89;
constexpr int KnopfHoehe = 25;
}  // namespace

TProgende::TProgende(QWidget* parent, Abschaltung* abschaltung)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), abfShutdown(abschaltung)
{
    setObjectName(QStringLiteral("Progende"));
    setWindowTitle(QStringLiteral("Programm Ende"));
    setFixedSize(Breite, Hoehe);
    HintergrundSetzen(this, u"ColorHinweis");
    abfShutdown.ActionType = aatShutdown;

    LHinweis = new QLabel(QStringLiteral("Programm wirklich beenden ?"), this);
    LHinweis->setObjectName(QStringLiteral("LHinweis"));
    LHinweis->setFont(QFont(QStringLiteral("Arial"), 12));
    LHinweis->adjustSize();
    LHinweis->move((Breite - LHinweis->width()) / 2, 32);

    BtnJa = BoxKnopf(this, QStringLiteral("BtnJa"), QStringLiteral("&Ja"));
    BtnJa->setToolTip(QStringLiteral("Programm beenden"));
    BtnNein = BoxKnopf(this, QStringLiteral("BtnNein"), QStringLiteral("&Nein"));
    BtnNein->setToolTip(QStringLiteral("Programm nicht beenden"));
    const int x = (Breite - 2 * KnopfBreite - 16) / 2;
    BtnJa->setGeometry(x, Hoehe - KnopfHoehe - 24, KnopfBreite, KnopfHoehe);
    BtnNein->setGeometry(x + KnopfBreite + 16, Hoehe - KnopfHoehe - 24, KnopfBreite, KnopfHoehe);
    BtnNein->setDefault(true);
    connect(BtnJa, &QPushButton::clicked, this, &TProgende::BtnJaClick);
    connect(BtnNein, &QPushButton::clicked, this, [this] { done(ErgebnisNein); });

    TimerEnde = new Zeitgeber([this] { TimerEndeGo(); }, EndeWarten::IntervallMs, this);
    Beenden = [this] { QCoreApplication::exit(m_exitcode); };
}

void TProgende::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
    }
    SoundSpielen(QStringLiteral("Frage.wav"));
}

void TProgende::done(int ergebnis)
{
    WindowsBeenden = 0;
    QDialog::done(ergebnis);
}

void TProgende::BtnJaClick()
{
    BtnJa->setEnabled(false);
    ProgrammBeenden();
}

void TProgende::ProgrammBeenden(int exitcode)
{
    m_exitcode = exitcode;
    hide();  // ends a modal run without closing: the shut-down choice stays
    if (!ProgrammBeendenVorbereiten()) {
        BtnJa->setEnabled(true);
        WindowsBeenden = 0;  // the dialog is closed; the program keeps running
        return;
    }
    m_warten = EndeWarten();
    m_laeuft = true;
    TimerEnde->setEnabled(true);
}

void TProgende::TimerEndeGo()
{
    if (m_beendet || !m_warten.fertig()) return;
    m_beendet = true;
    TimerEnde->setEnabled(false);
    AnzeigefensterSchliessen();
    BahnsteuerungVerbergen();
    if (Beenden) Beenden();
    // The answer does not matter any more: the program is ending.
    if (WindowsBeenden) abfShutdown.Execute();
}
