#include "match/print/Escp.h"

#include "core/Globals.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TZentralDrucker drucker(int emulation, int startFeed = 0, int endFeed = 0, bool formFeed = false,
                        int pageLength = 0)
{
    TZentralDrucker d;
    d.Emulation = std::uint8_t(emulation);
    d.StartFeed = startFeed, d.EndFeed = endFeed, d.FormFeed = formFeed, d.PageLength = pageLength;
    return d;
}

struct Fall {
    const char* was;
    std::function<void(QByteArray&)> schreiben;
    const char* soll;  // hex bytes, space-separated
};

void pruefen(std::initializer_list<Fall> faelle)
{
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        QByteArray ist("vorher");
        f.schreiben(ist);
        ASSERT_TRUE(ist.startsWith("vorher"));
        EXPECT_EQ(ist.mid(6).toHex(' ').toStdString(), std::string(f.soll));
    }
}

}  // namespace

TEST(EscpTest, Blattvorschuebe)
{
    const auto anfang = [](TZentralDrucker d) { return [d](QByteArray& b) { BlattanfangVorschub(b, d); }; };
    const auto ende = [](TZentralDrucker d) { return [d](QByteArray& b) { BlattendeVorschub(b, d); }; };
    pruefen({
        {"0: nichts", anfang(drucker(0, 0)), ""},
        {"255: ein Befehl", anfang(drucker(0, 255)), "1b 4a ff"},
        {"600: geteilt", anfang(drucker(0, 600)), "1b 4a ff 1b 4a ff 1b 4a 5a"},
        {"-300: rueckwaerts", anfang(drucker(0, -300)), "1b 6a ff 1b 6a 2d"},
        {"9 Nadeln, 180 -> 216", anfang(drucker(1, 180)), "1b 4a d8"},
        {"Ende ohne FF", ende(drucker(0, 0, 30)), "1b 4a 1e"},
        {"Ende mit FF", ende(drucker(0, 0, 30, true)), "1b 4a 1e 0c"},
        {"9 Nadeln, -10 -> 12 rueckwaerts", ende(drucker(1, 0, -10, true)), "1b 6a 0c 0c"},
    });
}

TEST(EscpTest, EinzelvorschubWirdGeteiltUndNieUebergelaufen)
{
    const auto vor = [](int n, int emu) { return [=](QByteArray& b) { VorschubVor(b, n, drucker(emu)); }; };
    const auto zurueck = [](int n, int emu) { return [=](QByteArray& b) { VorschubZurueck(b, n, drucker(emu)); }; };
    pruefen({
        {"9 Nadeln, 150 -> 180", vor(150, 1), "1b 4a b4"},
        {"9 Nadeln, zurueck 200 -> 240", zurueck(200, 1), "1b 6a f0"},
        {"300 geteilt", vor(300, 0), "1b 4a ff 1b 4a 2d"},
        {"9 Nadeln, 240 -> 288 geteilt", vor(240, 1), "1b 4a ff 1b 4a 21"},
        {"0", vor(0, 1), ""},
        {"vor -10 geht zurueck", vor(-10, 0), "1b 6a 0a"},
        {"zurueck -10 geht vor", zurueck(-10, 0), "1b 4a 0a"},
    });
}

TEST(EscpTest, InitialisierungUndSeitenlaenge)
{
    const auto init = [](TZentralDrucker d) { return [d](QByteArray& b) { DruckerInitialisieren(b, d); }; };
    const auto seite = [](TZentralDrucker d) { return [d](QByteArray& b) { SeitenlaengeSetzen(b, d); }; };
    pruefen({
        {"ohne Seitenlaenge", init(drucker(0, 0, 0, false, 0)), "1b 40 1b 4d 1b 52 02 0d"},
        {"24 Nadeln, 3960", init(drucker(0, 0, 0, false, 3960)), "1b 40 1b 4d 1b 52 02 1b 28 43 02 00 78 0f 0d"},
        {"9 Nadeln, 3960", init(drucker(1, 0, 0, false, 3960)), "1b 40 1b 4d 1b 52 02 1b 43 00 0b 0d"},
        {"negativ", seite(drucker(0, 0, 0, false, -1)), ""},
        {"24 Nadeln, zu lang", seite(drucker(0, 0, 0, false, 70000)), "1b 28 43 02 00 ff ff"},
        {"9 Nadeln, zu lang", seite(drucker(1, 0, 0, false, 360 * 300)), "1b 43 00 ff"},
    });
}

TEST(EscpTest, Kegelbild)
{
    const auto bild = [](std::uint16_t m) { return [m](QByteArray& b) { KegelbildDrucken(b, m); }; };
    pruefen({
        {"alle gefallen", bild(0x1FF),
         "1b 4c 22 00 08 08 08 08 08 08 00 22 22 22 22 22 22 00 49 49 49 49 49 49 00 "
         "22 22 22 22 22 22 00 08 08 08 08 08 08"},
        {"alle stehen", bild(0),
         "1b 4c 22 00 00 00 18 18 00 00 00 00 00 66 66 00 00 00 00 00 db db 00 00 00 "
         "00 00 66 66 00 00 00 00 00 18 18 00 00"},
        {"nur Kegel 5", bild(0x010),
         "1b 4c 22 00 00 00 18 18 00 00 00 00 00 66 66 00 00 00 08 08 cb cb 08 08 00 "
         "00 00 66 66 00 00 00 00 00 18 18 00 00"},
    });
}

TEST(EscpTest, Sonderzeichen)
{
    const auto alt = Einst;
    Einst.DrSs = 0xE1;
    QByteArray text;
    DruckerTextAnhaengen(text, "Stra\xDF" "e");
    EXPECT_EQ(text, QByteArray("Stra\xE1" "e"));
    EXPECT_EQ(SonderzeichenWandeln('Z'), 'Z');
    EXPECT_EQ(SonderzeichenWandeln('['), '[');
    // A code not set never sends NUL: the letter of the German character set.
    for (std::uint8_t* c : {&Einst.DrAeGross, &Einst.DrOeGross, &Einst.DrUeGross, &Einst.DrAeKlein, &Einst.DrOeKlein,
                            &Einst.DrUeKlein, &Einst.DrSs})
        *c = 0;
    text.clear();
    DruckerTextAnhaengen(text, "\xC4\xD6\xDC\xE4\xF6\xFC\xDF");
    EXPECT_EQ(text, QByteArray("[\\]{|}~"));
    Einst = alt;
}
