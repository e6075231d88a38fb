#pragma once
// The lane controllers of an alley, as the PC meets them on the bus: lanes
// 1..16 of one PC station answer registration and start, play their parts
// and report every throw, practice end, part end and keypad command.
//
// Synchronous: the caller hands in every frame the PC sent (empfangen), hands
// the lanes' frames to the PC in order (naechster) and advances the
// simulated time one tick at a time (tick). Throws come from a script per
// lane; a lane without one (or past its end) throws at random from a seed.
//
// [41] asks the lanes to hand over the game they run themselves: the first
// lane of the game reports it [3, ...], each lane the counters of its player
// and of its running part [166, ...]; the lane then waits, and the PC's next
// start of the lane goes on with that part.
//
// [34, 'a'] and the start block [30] start a part (after practice when [30]
// names one); [34, '['] and [34, '\\'] start practice, which ends with
// [34, '_']. A part: the Volle throws on a full rack, the Abräumen throws on
// what still stands (the throw that fells the last pins carries flag 0x04 and
// the rack is set up again), then [34, 't']. Game parameters (kind 5) and [3]
// to the first lane: the lanes of that game run it themselves, every lane its
// first part at once, each further part once the PC registered the lane again
// ([38], [10]), at most 2 x players x rounds a player parts a lane (the lanes
// do not know the start plan). A scripted throw with flag 0x20, or
// 0x10 (with 0x40), is the lane's correction of its last throw.
//
// The LED boards of the alley listen on the bus too: the name boards (one
// row per lane) on 0x310 + k, the team boards (two rows each) on 0x308 + k.
// Their frames are recorded in order, and a 234 frame writes its six
// characters into the addressed row (d1: row in the high nibble, 0 meaning
// 16, column in the low one), so the rows hold what the boards show.
//
// Each lane has a printer behind its controller: [196] from the PC switches
// it on, [197] off, and the lane reports either back with the same kind. The
// printer frames (0x700 + 8n, raw printer bytes) are recorded per lane.
//
// The simulator keeps its own tally of what it reported, counted the way the
// PC books it: a throw with flag bit 0x01 counts zero pins; a throw counting
// zero pins is a miss, except a foul (flags 0x03) that felled pins.
//
// The PC's throw corrections [35, 169, throw, previous pins, new pins] change
// the tally of the part the lane plays (or played last, while at rest): the
// throw counts the new pins (a miss at 0), or with previous pins 0 and the
// throw after the lane's last one, it is added without pins falling. The
// display values after a correction do not change the tally, except the
// throw number [35, 161]: one ahead of the lane's moves the part on, the
// throws passed over are filled in without pins, as the PC fills them in.

#include "lanesim/Wurfskript.h"
#include "platform/CanAdapter.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <random>
#include <vector>

struct GemeldeterWurf {
    int nr = 0;                   // throw number in the part, 1..
    int spieler = 0;              // player on the lane (kind 166 or 0x42), 0 unknown
    std::uint16_t bild = 0;       // felled pins, bit k-1 = pin k
    std::uint8_t flags = 0;       // d3 as reported
    bool abraeumen = false;
    int holz = 0;                 // pins the throw counts
    bool fehler = false;          // counts as a miss
    std::uint16_t stehend = 0;    // standing pins before the throw
    bool vomPc = false;           // pins set or added by the PC's correction
};

struct Zaehlung {
    int volle = 0;      // pins on Volle throws
    int abraeumen = 0;  // pins on Abräumen throws
    int fehler = 0;     // misses
    int wuerfe = 0;
    int gesamt() const { return volle + abraeumen; }
    void addieren(const GemeldeterWurf& w);
    Zaehlung& operator+=(const Zaehlung& z);
    bool operator==(const Zaehlung&) const = default;
};

// One part a lane played (or plays): its throws as reported and corrected.
struct Teil {
    int spieler = 0;  // player on the lane at the start
    int volle = 0;
    int abraeumen = 0;
    bool fertig = false;  // part end [34, 't'] sent
    std::vector<GemeldeterWurf> wuerfe;
    Zaehlung zaehlung() const;
};

class Bahnsimulator {
public:
    struct Vorgaben {
        int bahnen = 16;              // lanes 1..bahnen answer
        int pcEinheit = 1;            // station of the PC the lanes listen to
        int wurfTakt = 20;            // ticks from one throw to the next
        int startVerzoegerung = 20;   // ticks from a start to its part
        int probeTakte = 40;          // ticks of practice
        int zehntelTakt = 120;        // ticks per tenth of a minute of lane time
        std::uint32_t seed = 1;       // random throws
        // An offline lane takes nothing but its registration (36, 38): names,
        // match number, game parameters and starts sent before are lost.
        bool offlineTaub = false;
        // The lanes have printers that report themselves switched on and off.
        bool drucker = true;
        // A lane holds what it sends from the start of its part on, and the
        // lanes hand all of it over (throws, answers, keys, part ends) in the
        // tick in which none of them plays any more, as lanes that held their
        // messages through an outage do.
        bool teilAufEinmal = false;
    };

    explicit Bahnsimulator(const Vorgaben& v);
    Bahnsimulator() : Bahnsimulator(Vorgaben{}) {}

    // Lane n listens on 0x600 + 8n + k (k = station - 1 for stations 2..8,
    // else 0) and sends on 0x200 + 8n.
    std::uint32_t empfangsId(int bahn) const;
    std::uint32_t namenTafelId() const { return 0x310u + stationsVersatz(); }
    std::uint32_t mannschaftsTafelId() const { return 0x308u + stationsVersatz(); }
    static std::uint32_t sendeId(int bahn) { return 0x200u + 8u * std::uint32_t(bahn); }
    static std::uint32_t druckerId(int bahn) { return 0x700u + 8u * std::uint32_t(bahn); }

    // A frame the PC sent; a lane printer's and a board's frame is recorded,
    // frames for other stations are taken and ignored.
    void empfangen(const CanRohRahmen& r);
    // The next frame of a lane to the PC, in the order the lanes sent them.
    std::optional<CanRohRahmen> naechster();
    void tick();

    // Throws of a lane, replacing what is left of its script.
    void setSkript(int bahn, Wurfliste wuerfe);
    // A keypad command of the lane: [34, code, extra...]. The lane does what
    // the command means for its own count: 'q' the last throw counts zero,
    // 'r' it is invalid (gone, thrown again), 't' the running part ends,
    // '_' practice ends, 'B' with a number: that substitute throws on.
    void taste(int bahn, std::uint8_t code, std::initializer_list<std::uint8_t> extra = {});
    // The lane asks the PC to see to its printer [194].
    void druckerAnfrage(int bahn);
    // The lane's stop key: as [34, 'n'] / [34, 'm'] from the PC.
    void anhalten(int bahn, bool halt);
    // The controller restarts: it forgets its game and reports [14]. From the
    // PC's state replay (throw number 0x3D, rack 0x41, start block 30) it goes
    // on with the part it had begun.
    void neustart(int bahn);

    // Notes on what the lanes do, for the command-line program.
    void setProtokoll(std::function<void(const QString&)> f) { m_protokoll = std::move(f); }

    bool online(int bahn) const { return lane(bahn).online; }
    std::uint8_t pcEinheit(int bahn) const { return lane(bahn).pc; }
    std::uint8_t spielNr(int bahn) const { return lane(bahn).spielNr; }
    std::uint8_t spieler(int bahn) const { return lane(bahn).spieler; }
    bool gestoppt(int bahn) const { return lane(bahn).gestoppt; }
    bool probeLaeuft(int bahn) const { return lane(bahn).phase == Phase::Probe; }
    bool teilLaeuft(int bahn) const { return lane(bahn).phase == Phase::Spiel; }
    std::uint16_t statuswort(int bahn) const;
    // Throws still in the lane's script.
    std::size_t skriptRest(int bahn) const { return lane(bahn).skript.size(); }

    const std::vector<Teil>& teile(int bahn) const { return lane(bahn).teile; }
    // The lane's printer: switched on, the bytes and frames it received.
    bool druckerAn(int bahn) const { return lane(bahn).druckerAn; }
    const QByteArray& druckerBytes(int bahn) const { return lane(bahn).druckerBytes; }
    int druckerRahmen(int bahn) const { return lane(bahn).druckerRahmen; }
    Zaehlung zaehlung(int bahn) const;
    Zaehlung spielerZaehlung(int spielerNr) const;

    // The board frames received, oldest first.
    const std::vector<CanRohRahmen>& tafelRahmen() const { return m_tafelRahmen; }
    void tafelRahmenLeeren() { m_tafelRahmen.clear(); }
    // A row as the board shows it: 30 characters, 0 where nothing was
    // written (row 1..16; team board b: home row 2b - 1, guest row 2b).
    QByteArray namenTafel(int bahn) const;
    QByteArray mannschaftsTafel(int zeile) const;
    // The last brightness (239) each kind of board received; -1 none.
    int namenTafelHelligkeit() const { return m_helligkeit[0]; }
    int mannschaftsTafelHelligkeit() const { return m_helligkeit[1]; }

private:
    enum class Phase { Ruhe, Probe, Startet, Spiel };

    // Game parameters of a game the lanes run themselves (kind 5).
    struct Spielparameter {
        int probeWuerfe = 0, probeMinuten = 0, wuerfe = 0, volle = 0, abraeumen = 0;
        int minuten = 0, bahnen = 0, art = 0, spieler = 0;
        bool gesetzt = false;
    };

    struct Bahn {
        bool online = false;
        std::uint8_t pc = 0;
        std::uint8_t spielNr = 0;
        std::uint8_t spieler = 0;
        bool gestoppt = false;
        Phase phase = Phase::Ruhe;
        int countdown = 0;
        bool teilNachProbe = false;
        int volle = 0, abraeumen = 0, minuten = 0;
        int wurfNr = 0;
        std::uint16_t stehend = 0x1FF;
        int zehntel = 0;        // lane time left, tenths of a minute
        int zehntelTicks = 0;
        std::deque<Wurfangabe> skript;
        std::vector<Teil> teile;
        Spielparameter param;
        int spielErste = 0;     // first lane of the game it runs itself, 0 none
        int restTeile = 0;
        bool neuAngemeldet = false;
        int spielSpieler = 0;           // players a side of the game it runs itself
        bool uebergeben = false;        // handed over to the PC, until the next start
        bool wiederherstellen = false;  // restarted, until the replay ends [2, 27]
        bool fortsetzen = false;        // the next start goes on with the open part
        int replayWurfNr = 0;
        std::uint16_t replayBild = 0;
        bool druckerAn = false;
        QByteArray druckerBytes;
        int druckerRahmen = 0;
        std::vector<CanRohRahmen> gehalten;  // teilAufEinmal: sent since its part began
    };

    Bahn& lane(int bahn);
    const Bahn& lane(int bahn) const;
    std::uint32_t stationsVersatz() const;
    bool tafelEmpfangen(const CanRohRahmen& r);
    bool gueltig(int bahn) const { return bahn >= 1 && bahn <= m_vorgaben.bahnen; }

    void senden(int bahn, std::initializer_list<std::uint8_t> daten);
    void ausgeben(int bahn, const CanRohRahmen& r);
    void freigeben(Bahn& b);
    void melden(int bahn, const QString& text);
    void steuerbefehl(int bahn, const CanRohRahmen& r);
    void anzeige(int bahn, const CanRohRahmen& r);
    void wurfKorrigieren(int bahn, int nr, int alt, int neu);
    void wurfNrVorruecken(int bahn, int nr);
    void wurfNachtragen(int bahn, int holz, bool fehler);
    void teilPlanen(int bahn, int volle, int abraeumen, int minuten);
    void probePlanen(int bahn, bool danachTeil);
    void probeEnde(int bahn, bool melden);
    void teilBeginnen(int bahn);
    void teilEnde(int bahn, bool frame);
    void werfen(int bahn);
    void spielUebernehmen(int bahn, std::uint8_t nr);
    void spielVerlassen(int bahn);
    void spielUebergeben(int bahn);
    bool weiterNachUebergabe(int bahn);
    GemeldeterWurf* letzterWurf(int bahn);
    void nullWerten(int bahn);
    void ungueltig(int bahn);

    Vorgaben m_vorgaben;
    std::array<Bahn, 17> m_bahnen;  // 1..16
    std::deque<CanRohRahmen> m_ausgang;
    std::mt19937 m_zufall;
    std::function<void(const QString&)> m_protokoll;
    std::vector<CanRohRahmen> m_tafelRahmen;
    std::array<std::array<QByteArray, 17>, 2> m_tafeln;  // [name, team][row 1..16]
    std::array<int, 2> m_helligkeit{-1, -1};
};
