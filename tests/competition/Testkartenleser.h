#pragma once
// A chip-card reader over a card in memory for the tests: switches for "no
// card" and for transfers that fail at a start address; it records the
// light and every transfer but the type probe.

#include "competition/Chipkarte.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

struct Testkarte {
    std::array<u16, KartenEinheiten> einheiten{};
    bool vorhanden = true;
    std::map<int, int> fehlschlaege;  // start address: transfers there still to fail
    std::map<int, int> schreibfehlschlaege;  // the same for writes only
    std::vector<std::pair<int, int>> uebertragungen;  // mode, start address (failed ones too)
    std::vector<int> lichter;

    int schreibvorgaenge() const
    {
        int n = 0;
        for (const auto& [modus, adresse] : uebertragungen) n += modus == KartenModusSchreiben;
        return n;
    }
    void text(int position, const QByteArray& t)
    {
        for (int i = 0; i <= t.size(); ++i) einheiten[std::size_t(position + i)] = i < t.size() ? u8(t.at(i)) : 0;
    }
    // The text at the position up to its 0 unit; a field without one ends at
    // the card's end (a card not written reads as what it held).
    QByteArray lesen(int position) const
    {
        QByteArray t;
        for (std::size_t i = std::size_t(position); i < einheiten.size() && einheiten[i]; ++i) t += char(einheiten[i]);
        return t;
    }
};

class Testkartenleser : public Kartenleser {
public:
    explicit Testkartenleser(std::shared_ptr<Testkarte> karte) : k(*karte), m_karte(std::move(karte)) {}
    bool karteVorhanden() override { return k.vorhanden; }
    bool uebertragen(char, int modus, std::uint16_t adresse, std::uint16_t laenge, std::uint16_t* bild) override
    {
        if (adresse != 8000) k.uebertragungen.emplace_back(modus, adresse);
        if (!k.vorhanden) return false;
        if (auto f = k.fehlschlaege.find(adresse); f != k.fehlschlaege.end() && f->second > 0) return --f->second, false;
        if (auto f = k.schreibfehlschlaege.find(adresse);
            modus == KartenModusSchreiben && f != k.schreibfehlschlaege.end() && f->second > 0)
            return --f->second, false;
        for (int i = adresse; i < adresse + laenge; ++i) {
            u16& einheit = k.einheiten[std::size_t(i)];
            if (modus == KartenModusSchreiben)
                einheit = bild[i];
            else
                bild[i] = einheit;
        }
        return true;
    }
    void licht(int code) override { k.lichter.push_back(code); }
    QString name() const override { return QStringLiteral("Test"); }

private:
    Testkarte& k;
    std::shared_ptr<Testkarte> m_karte;
};

// Opens a test reader over a new blank card and gives the card.
inline std::shared_ptr<Testkarte> TestkarteEinlegen()
{
    auto karte = std::make_shared<Testkarte>();
    setKartenleserVorgabe([karte] { return std::make_unique<Testkartenleser>(karte); });
    KartenleserOeffnen();
    return karte;
}
