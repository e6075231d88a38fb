#pragma once
// The frames the program has queued for a lane, oldest first, each as its
// bytes; the caller chooses the containers. And the frames queued for the
// boards.

#include "match/bus/CanFrames.h"
#include "match/bus/CanSenden.h"

#include <QList>
#include <algorithm>
#include <ostream>
#include <vector>

template <class Liste = QList<QList<int>>>
Liste GesendeteRahmen(int bahn)
{
    using Rahmen = typename Liste::value_type;
    Liste r;
    for (int i = 0; i < BahnSendeAnzahl[bahn]; ++i) {
        const TCanNachricht& n = BahnSendepuffer[bahn][(BahnSendeLesezeiger[bahn] + i) % BahnPufferGroesse];
        r.push_back(Rahmen(n.Daten.begin(), n.Daten.begin() + n.Laenge));
    }
    return r;
}

// A frame as gtest prints it: [length: bytes].
inline void PrintTo(const CanDaten& c, std::ostream* os)
{
    *os << "[" << int(c.laenge) << ":";
    for (int i = 0; i < c.laenge; ++i) *os << " " << int(c.d[std::size_t(i)]);
    *os << "]";
}

// A frame on the board queue: identifier and data.
struct Anzeigerahmen {
    u32 id = 0;
    CanDaten daten;
    bool operator==(const Anzeigerahmen&) const = default;
};
inline void PrintTo(const Anzeigerahmen& r, std::ostream* os)
{
    *os << std::hex << "0x" << r.id << std::dec << " ";
    PrintTo(r.daten, os);
}

// The frames queued for the boards so far, oldest first.
inline std::vector<Anzeigerahmen> GesendeteAnzeigerahmen()
{
    std::vector<Anzeigerahmen> r;
    for (int i = 0; i < AnzeigeSendeAnzahl; ++i) {
        const TCanNachricht& n = AnzeigeSendepuffer[(AnzeigeSendeLesezeiger + i) % AnzeigePufferGroesse];
        Anzeigerahmen a{n.Id, {}};
        a.daten.laenge = n.Laenge;
        std::copy_n(n.Daten.begin(), std::min<int>(n.Laenge, 8), a.daten.d.begin());
        r.push_back(a);
    }
    return r;
}

// The frames of a row builder, as queued for the board identifier `id`.
inline std::vector<Anzeigerahmen> AlsAnzeigerahmen(u32 id, const std::vector<CanDaten>& daten)
{
    std::vector<Anzeigerahmen> r;
    for (const CanDaten& d : daten) r.push_back({id, d});
    return r;
}
