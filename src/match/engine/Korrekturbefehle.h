#pragma once
// The referee's commands on one lane of a running match (the correction
// panel): each changes the records and returns the frames that go to the
// lanes, in order. A lane that is not online gets no frames (except the
// throw-time frames); the PC side of a command still runs. Questions go
// through boxen().

#include "core/Boxes.h"
#include "core/Records.h"
#include "match/bus/CanFrames.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct KorrekturRahmen {
    int bahn = 0;
    CanDaten daten;
    bool operator==(const KorrekturRahmen&) const = default;
};
using KorrekturRahmenliste = QList<KorrekturRahmen>;

// Queues the frames, each for its lane.
void KorrekturRahmenSenden(const KorrekturRahmenliste& rahmen);

// What the panel shows for a lane.
struct KorrekturAnzeige {
    bool gueltig = false;  // the lane has a match and a player
    // Throw texts: one character per played throw of the phase; the maximum
    // length allows one throw added at the end of the current phase.
    bool volleSichtbar = false;
    int volleMax = 0;
    QString volleText;
    bool abrSichtbar = false;
    int abrMax = 0;
    QString abrText;
    QString name, pass, gebdat;
    bool letzterWurfAktiv = false;  // "Wurf zählt nicht", "Fehlwurf"
    bool ersatzSichtbar = false;
    QString ersatz1Text, ersatz2Text;
    bool ersatz1Aktiv = false, ersatz2Aktiv = false;
    bool stopBildSichtbar = false;
    QString stopText;  // "Bahn Stop" / "Bahn Start"
    bool spielStartSichtbar = false;
    QString spielStartText;  // "Spiel Start" / "Spiel Stop"
    bool zeitSichtbar = false;
    bool korrekturSichtbar = false;
};
KorrekturAnzeige KorrekturZustand(int bahn);

// "Probe beenden".
KorrekturRahmenliste ProbeBeenden(int bahn);
// "Bahn Stop" / "Bahn Start".
KorrekturRahmenliste BahnStopStart(int bahn);
// "Durchg beenden": asks "Durchgang abbrechen ?"; nothing on "no".
KorrekturRahmenliste DurchgangAbbrechen(int bahn);
// "Spiel Start" / "Spiel Stop" of the lane's match (started matches only):
// asks, then SpielStarten or SpielStoppen.
void SpielStartStop(int bahn);
// "Zeit Start" / "Zeit Stop" on every lane in play of the match that is online.
KorrekturRahmenliste ZeitStartStop(int bahn, bool start);

// Player fields of the lane's player, cut to the record's capacity.
enum class Spielerfeld { Name, Pass, Gebdat };
void SpielerfeldAendern(int bahn, Spielerfeld feld, const QString& text);
// Leaving the name field: name board and monitors.
void SpielernameVerlassen(int bahn);

// Substitution by button 1 or 2: asks "Ersatzspieler einsetzen ?" (or
// "zweiten Ersatzspieler einsetzen ?") and brings the substitute in only on
// "Ja". True when the substitute came in.
bool ErsatzEinsetzen(int bahn, int knopf);

KorrekturRahmenliste VerwarnungGeben(int bahn);
KorrekturRahmenliste VerwarnungLoeschen(int bahn);
// The last throw: these queue 34/'r' and 34/'q' themselves, ahead of the
// display frames the booking (lane control modes 1 and 2) queues, and
// return nothing further to send.
void WurfZaehltNicht(int bahn);
void Fehlwurf(int bahn);

// Throw time: the request 34/'H', 0xFF, 0xFF; the input box's request; the
// entered minutes ("8,75" or "8.75"), cut to tenths and held within
// 0..9999 tenths. Nothing when the value is unchanged; a text that is no
// number gets a message and changes nothing.
KorrekturRahmenliste WurfzeitAnfragen(int bahn);
EingabeAnfrage WurfzeitEingabe(int bahn);
KorrekturRahmenliste WurfzeitSetzen(int bahn, const QString& text);

// The three correction buttons.
enum class Ausbesserung { PCBahn, PC, Bahn };
// The panel's throw texts against the lane's: a changed digit corrects the
// throw, one digit past the played throws adds a throw; blanks and
// characters other than digits leave the throw as it is. abr is ignored
// while the Abräumen field is hidden (Volle phase, sudden victory).
KorrekturRahmenliste Ausbessern(int bahn, const QByteArray& volle, const QByteArray& abr, Ausbesserung art);
