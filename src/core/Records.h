#pragma once
// The match record, the player record, the round and team blocks and the lane
// record. Plain data; the operations belong to the units that own each change.

#include "core/CheckedArray.h"
#include "core/FixedText.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

using u8 = std::uint8_t;
using u16 = std::uint16_t;
using u32 = std::uint32_t;
using i8 = std::int8_t;
using i32 = std::int32_t;
using f32 = float;

constexpr int MaxWettkaempfe = 6;
constexpr int MaxBahnen = 16;
constexpr int MaxSpieler = 16;     // 1..8 home, 9..16 guest
constexpr int MaxDurchgaenge = 4;  // rounds (lanes) per player
constexpr int MaxWuerfe = 100;     // throws per round
constexpr int MaxPhasenWuerfe = 50;  // Volle or Abräumen throws of one part
constexpr int MaxStartplanRunden = 25;
constexpr int MaxStartplanBahnen = 6;
constexpr int MaxSVRunden = 10;

// Bits of a throw word (Wurfbild).
constexpr u16 WurfbildKegelMaske = 0x01FF;   // bit k-1 = pin k felled
constexpr u16 WurfbildZahlEingabe = 0x2000;  // entered as a count without a picture
constexpr u16 WurfbildVorhanden = 0x4000;    // the throw exists

// Bits of a throw's flag word: the flag byte of the lane's throw frame (d3),
// the lane's WurfFlags and the booked word (Wurfart).
constexpr u16 WurfartNull = 0x01;         // the throw counts zero
constexpr u16 WurfartUebertritt = 0x02;   // overstep: mark and warning
constexpr u16 WurfartFoul = WurfartNull | WurfartUebertritt;  // both: a foul throw
constexpr u16 WurfartNeuesBild = 0x04;    // the rack was set up anew before this throw
constexpr u16 WurfartKorrektur = 0x10;    // the lane revalues its last booked throw;
                                          // booked: filled in by a throw-number correction
constexpr u16 WurfartUngueltig = 0x20;    // the last booked throw is removed
constexpr u16 WurfartNullGewertet = 0x40; // with 0x10: the throw now counts zero
constexpr u16 WurfartVerwarnung = 0x80;
constexpr u16 WurfartZeitGeaendert = 0x100;  // the throw time changed (mark 'Z')
// The throw counts zero and booked no miss (a foul that felled pins). The
// booking keeps this bit true of every stored zero throw, so that a later
// correction can tell a booked miss from a zero throw that never counted one.
constexpr u16 WurfartFehlwurfHolz = 0x200;

// Which single MDI children exist (OffeneFenster).
enum OffenesFenster : u8 {
    FensterWettkampf = 1,
    FensterBahnuebersicht = 2,
    FensterErgebnis = 4,
    FensterSpielbericht = 8,
    FensterBahnsteuerung = 16,
};

// Phase word of a match: exactly one of these at a time.
enum Spielphasen : u16 {
    PhaseKeine = 0,
    PhaseAngelegt = 1,
    PhaseBegonnen = 2,
    PhaseProbe = 4,
    PhaseSpiel = 8,
    PhaseBahnwechsel = 16,
    PhaseSpielerwechsel = 32,
    PhaseBeendet = 64,
};

// A start-order plan: lane row 1..6 (lane ErsteSpielbahn + row - 1) by round
// 1..25, the player on that lane in that round, 0 nobody.
using TStartplan = Array1<Array1<u8, MaxStartplanRunden>, MaxStartplanBahnen>;

// One player's round on one lane.
struct TDurchgangBlock {
    u8 Bahn = 0;  // 0 = not played yet
    TextZahl<5> Volle;
    TextZahl<4> Abr;
    TextZahl<4> Fehler;
    TextZahl<6> Total;
    TextZahl<4> Wurf;
    f32 SaP = 0;
    Array1<u16, MaxWuerfe> Wurfbild;
    Array1<u16, MaxWuerfe> Wurfart;
    Array1<u8, MaxWuerfe> Holz;
    Array1<u8, MaxWuerfe> Ausgewertet;
    Array1<u8, MaxWuerfe> Marke;  // bit 0 F, 1 N, 2 Ü, 3 V, 4 A, 5 K, 6 W, 7 Z
    Array1<u8, MaxWuerfe> FehlWurf;
    Array1<u8, MaxWuerfe> NullWurf;
    u8 KorrekterWurfVolle = 0;
    u8 KorrekteLinkeGasse = 0;
    u8 KorrekteRechteGasse = 0;
    u8 KorrekterAnschub = 0;
    u8 KorrekterWurfAbr = 0;
    u8 Abgeraeumt = 0;
    i32 Bahnzeit = 0;
};

// A player inside the match record. Not copyable: AktDurchgang points into
// the record itself; SpielerKopieren copies the fields that may move.
struct TSpielerEintrag {
    TSpielerEintrag() = default;
    TSpielerEintrag(const TSpielerEintrag&) = delete;
    TSpielerEintrag& operator=(const TSpielerEintrag&) = delete;

    Text<31> Name;
    Text<31> Club;
    Text<7> Pass;
    Text<9> Gebdat;
    Text<16> Nation;
    Text<9> Plz;
    Text<31> Ort;
    Text<31> Adresse;
    Text<16> Tel;
    Text<16> Fax;
    Text<31> Email;
    Text<31> Gruppe;
    Text<9> LetztSpiel;
    Text<2> LetztPlatz;
    u8 Platz = 0;
    TextZahl<4> Volle;
    TextZahl<4> Abr;
    TextZahl<4> Fehler;
    TextZahl<6> Total;
    TextZahl<4> Wurf;
    TextZahl<4, i32> Bonus;
    f32 SaP = 0;
    f32 MaP = 0;
    Array1<TDurchgangBlock, MaxDurchgaenge> Durchgang;
    TDurchgangBlock* AktDurchgang = nullptr;
    Text<3> VerwarnungText;
    u8 VerwarnungAnzahl = 0;
    u8 DurchgangNr = 0;
    u8 IstHeim = 0;
    u8 Gestartet = 0;
    u8 Fertig = 0;
    u8 ErsetztDurch = 0;
    u8 Ersatz = 0;
    u8 Wertung = 0;
};

struct TMannschaftBlock {
    TextZahl<5> Wuerfe;
    TextZahl<5> Plus;
    TextZahl<6> Total;
    TextZahl<6> Volle;
    TextZahl<6> Abr;
    TextZahl<6> Fehler;
    u8 Ersatz7Eingesetzt = 0;
    u8 Ersatz8Eingesetzt = 0;
    Array1< ::Text<81>, 4> Text;
    f32 SaP = 0;
    f32 MaP = 0;
    f32 ErgebnisMaP = 0;
    f32 TotalMaP = 0;
    ::Text<5> TaP;
    ::Text<5> VorTotal;
    f32 VorSaP = 0;
    f32 VorMaP = 0;
    i32 VorTaP = 0;
};

// One lane and one sudden-victory round.
struct TSuddenVictoryEintrag {
    u8 Kennung = 0;  // the leading byte
    u8 SpielerNr = 0;
    TextZahl<4> Holz;     // right-aligned in 3
    TextZahl<4> Fehler;   // right-aligned in 3
    TextZahl<4> Wuerfe;   // left-aligned in 3
    f32 SaP = 0;
    Array1<u16, MaxPhasenWuerfe> Wurfbild;
    Array1<u16, MaxPhasenWuerfe> Wurfart;
};

// State of one display's advert rotation.
// For the lane monitors and the info terminal: Werbung = the "Werbung" flag
// (adverts shown), Zustand = the "Spiel" flag (results shown, MonitorErgebnis
// / TerminalErgebnis), Index = the advert configuration.
// For the result board's rotation: Werbung = adverts on, Liste = the lines of
// the chosen configuration, Index = the configuration number, Position = the
// line looked at next, Zustand = an advert is up, Eintrag/Ereignismaske/
// Anzeigezeit/Intervall = the fields of that line, Zaehler = seconds counted.
struct TWerbeZustand {
    u8 Zustand = 0;  // for MonitorWerbung: the setting MonitorErgebnis
    u8 Werbung = 0;
    std::unique_ptr<QStringList> Liste;  // null when the match has no list
    u16 Index = 0;
    u16 Position = 0;
    u8 Position2 = 0;
    QString Eintrag;
    u16 Ereignismaske = 0;
    i32 Anzeigezeit = 0;
    i32 Intervall = 0;
    u8 Takt = 0;
    i32 Zaehler = 0;
};

struct TSpielleiter {
    Text<31> Name;
    Text<31> Anschrift;
    Text<9> Plz;
    Text<31> Ort;
    Text<21> Tel;
    Text<21> Fax;
    Text<31> Email;
    Text<31> Nr;
    Text<31> LV;
};

// Sixteen pointers, entry n at Spieler[n] of the same record; fixed when the
// record is constructed.
class TSpielerZeiger {
public:
    explicit TSpielerZeiger(Array1<TSpielerEintrag, MaxSpieler>& spieler)
    {
        for (long n = 1; n <= MaxSpieler; ++n) m_zeiger[n] = &spieler[n];
    }
    TSpielerEintrag* operator[](long n) const { return m_zeiger[n]; }

private:
    Array1<TSpielerEintrag*, MaxSpieler> m_zeiger;
};

// The match record, one per slot of Wettkaempfe. Not copyable: the player
// pointers and the lanes point into it.
struct TWettkampfDaten {
    TWettkampfDaten() = default;
    TWettkampfDaten(const TWettkampfDaten&) = delete;
    TWettkampfDaten& operator=(const TWettkampfDaten&) = delete;

    // Header
    u8 WettkampfNummer = 0;
    u8 Geaendert = 0;
    u32 AnlegeNr = 0;  // counts the matches created in this slot; tells them apart
    Array1<u8, MaxBahnen> Bahnbelegung;
    const TStartplan* StartplanZeiger = nullptr;
    TStartplan Startfolge;
    QString Speichername;
    Text<31> Land;
    Text<31> Bezirk;
    Text<31> Club;
    Text<3> MannschaftNr;
    Text<34> Heimmannschaft;
    Text<31> Gastmannschaft;
    Text<31> Klasse;
    Text<9> Datum;
    Text<9> Beginn;
    Text<9> Ende;
    Text<4> Spieltag;
    Text<6> Spielnummer;
    Text<21> Spielart;
    Text<31> Schiedsrichter;
    TSpielleiter Spielleiter;
    Array1<Text<61>, 2> Textzeile;
    Text<16> Gruppe;
    u16 Wurfvorwahl = 0;
    // A loaded match whose preset number names no preset here, or another
    // one: the number its file gave (whatever number it was), written back by
    // every save so that the match keeps taking its rounds from its lane
    // blocks; empty otherwise (and once the operator picks a preset).
    std::optional<long long> DateiWurfvorwahl;
    u16 Volle = 0;
    u16 Abraeumen = 0;
    u16 Durchgaenge = 0;
    u16 Spielmodus = 0;
    u16 Wurfzeit = 0;
    u16 Spieleranzahl = 0;
    u8 SpieleranzahlWaehlbar = 0;
    u16 BahnenIndex = 0;
    u8 ErsteBahn = 0;
    u8 LetzteBahn = 0;
    u16 Art = 0;
    u8 ArtWaehlbar = 0;
    u16 Probe = 0;
    u8 Probewuerfe = 0;
    u8 Probezeit = 0;
    u16 Zeit = 0;
    u16 Uebertritt = 0;
    u16 Durchlaeufer = 0;

    // Players
    Array1<TSpielerEintrag, MaxSpieler> Spieler;
    const TSpielerZeiger SpielerZeiger{Spieler};

    // Teams
    TMannschaftBlock Heim;
    TMannschaftBlock Gast;

    // Scoring options and sudden victory
    u8 Punktespiel = 0;
    u8 Streichspiel = 0;
    u8 SVictory1Spiel = 0;
    u8 SVictory2Spiele = 0;
    u16 SVictoryWuerfe = 0;
    u8 SVictoryLaeuft = 0;
    f32 SVictoryHeimSaP = 0;
    f32 SVictoryGastSaP = 0;
    u8 SVictoryRunde = 0;
    Array1<Array1<TSuddenVictoryEintrag, MaxSVRunden>, MaxStartplanBahnen> SVictoryTabelle;

    // Run state, report data and options
    u8 Satzanzeige = 0;
    u8 Gestartet = 0;
    u8 Beendet = 0;
    u8 Gestoppt = 0;
    u8 KeinNaechsterDurchgang = 0;
    Array1<u8, MaxBahnen> BahnImSpiel;
    u8 ErsteSpielbahn = 0;
    u8 LetzteSpielbahn = 0;
    u8 Durchgang = 0;
    QString Speicherordner;
    u8 BahnenOk = 0;
    u8 PaesseOk = 0;
    u8 Verwarnungen = 0;
    u8 Verletzungen = 0;
    u8 Protest = 0;
    u8 Sonstiges = 0;
    u8 Anlagen = 0;
    u8 SchiedsrichterOkHeim = 0;
    u8 SchiedsrichterOkGast = 0;
    Array1<Text<31>, 2> Mannschaftsfuehrer;  // 1 home, 2 guest
    u8 FaxDeckblatt = 0;
    u8 EmailDeckblatt = 0;
    QString EmailName;
    QString EmailVon;
    QString EmailAn;
    QString EmailBetreff;
    u8 DrWurfblatt = 0;
    u8 DrZweiBahnen = 0;
    u8 DrZentral = 0;
    u8 DrSparmodus = 0;
    u8 DrEinzelbahn = 0;
    u8 DrKopf = 0;
    u8 DrFuss = 0;
    u8 Formular = 0;
    Array1<QString, 10> FormularText;  // 1..5 home, 6..10 guest
    u8 DruckerZugeordnet = 0;
    u8 MannschNamenAnzeigen = 0;
    u8 MannschNamen = 0;
    u8 MaNaWechsel = 0;
    u8 MannschaftsanzeigeEin = 0;
    TWerbeZustand NamenanzWerbung;
    u8 NamenanzeigeEin = 0;
    u8 NamenOn = 0;
    u8 NaVorWechsel = 0;
    u8 NaSaPWechsel = 0;
    u8 MaPMannsch = 0;
    u8 MaPMaWechsel = 0;
    TWerbeZustand GrossanzWerbung;
    u8 GrossanzeigeEin = 0;
    TWerbeZustand MonitorWerbung;
    u8 MonitoreEin = 0;
    TWerbeZustand TerminalWerbung;
    u8 TerminalEin = 0;
    u16 Spielphase = 0;
    u16 EndeAngefordert = 0;
    u8 ManuellerBahnwechsel = 0;
    u8 WechselAnstehend = 0;
    QString FtpHost;
    QString FtpKennung;
    QString FtpZugang;  // as stored, scrambled
    QString FtpPfad;
    u8 FtpUpdate = 0;
    u8 FtpUpdateZeit = 0;
    i32 FtpUpdateInterv = 0;
    u8 FtpUpdateDurchg = 0;
    u8 FtpUpdateWechsel = 0;
    u8 JavaUpdate = 0;
};

// The Volle or the Abräumen marks of the lane panel: throws 1-10, 11-20 and
// 21-25, each group NUL-terminated.
struct TWurfMarken {
    Text<11> Wuerfe1bis10;
    Text<11> Wuerfe11bis20;
    Text<6> Wuerfe21bis25;

    // Mark of throw k (1..25).
    char& marke(long k);
    void leeren();  // blanks: 10, 10 and 5
};

// One lane of the alley.
struct TBahnDaten {
    TBahnDaten() = default;
    TBahnDaten(const TBahnDaten&) = delete;
    TBahnDaten& operator=(const TBahnDaten&) = delete;

    u8 GemeldeteSpielNr = 0;
    u8 BahnNr = 0;
    TWettkampfDaten* Wettk = nullptr;
    TSpielerEintrag* BahnSpieler = nullptr;
    u8 SpielerNr = 0;
    u8 AnmeldeZaehler = 0;
    u8 BahnOnline = 0;
    u8 BahnBereit = 0;
    u8 BahnStatus = 0;  // 0 free, 1 part finished, 2 running, 3 match number but idle
    u8 TeilBeendet = 0;
    Text<4> TextVolle;
    u16 BahnVolle = 0;
    Text<4> TextAbraeumen;
    u16 BahnAbraeumen = 0;
    Text<4> TextFehler;
    u8 BahnFehler = 0;
    Text<4> TextGesamt;
    u16 BahnGesamt = 0;
    Text<6> TextTotal;
    u16 BahnTotal = 0;
    Array1<TWurfMarken, 2> TextName1;  // 1 Volle, 2 Abräumen
    TextZahl<3, u8> Spalte1;
    TextZahl<3, u8> Spalte2;
    TextZahl<3, u8> Spalte3;
    u8 WurfNr = 0;
    Text<4> TextWurfNr;
    // One character per throw of the part and a NUL after the last one.
    Text<MaxPhasenWuerfe + 1> WurfHolzVolle;
    Text<MaxPhasenWuerfe + 1> WurfHolzAbraeumen;
    Array1<u8, MaxWuerfe> WurfGedruckt;
    TextZahl<4, u8> WuerfeRestDruck;
    u8 BahnVerwarnungen = 0;
    u8 FehlwurfHolz = 0;
    u8 DruckAbschnitt = 0;
    u8 ProbeLaeuft = 0;
    u8 TeilLaeuft = 0;
    u8 BahnGestartet = 0;
    u8 BahnGestoppt = 0;
    u8 UebertrittStatus = 0;
    u8 ZeitStatus = 0;
    u16 StatusWort = 0;
    u16 DruckSpalte = 0;
    u16 DruckZeile = 0;
    u8 DruckZeilenstand = 0;
    u8 WurfKorrigiert = 0;
    u8 ZeitGeaendert = 0;
    i8 WurfHolz = 0;
    u16 WurfBild = 0;
    u16 WurfFlags = 0;
    u8 WurfOffen = 0;
    i32 BahnWurfzeit = 0;
    u8 Ersatzwurf = 0;
    u8 Wiederherstellen = 0;
    u8 UebersichtAktualisieren = 0;
    u16 BahnendeZaehler = 0;
};
