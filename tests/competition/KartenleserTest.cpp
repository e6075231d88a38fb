#include "platform/Kartenleser.h"
#include "platform/Speicherkarte.h"
#include "support/Dateien.h"

#include <QDir>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>

namespace {
using Bild = std::vector<std::uint16_t>;

QByteArray bytes(std::initializer_list<int> werte)
{
    QByteArray b;
    for (int w : werte) b.append(char(w));
    return b;
}

// A memory card behind a PC/SC reader: answers READ/UPDATE BINARY and keeps
// the commands it got. `fehlerAb`: from this command on it answers 6B 00.
struct Speicherkarte {
    QByteArray speicher = QByteArray(2 * KartenEinheiten, '\0');
    QList<QByteArray> befehle;
    int fehlerAb = -1;

    std::optional<QByteArray> operator()(const QByteArray& b)
    {
        befehle.append(b);
        if (fehlerAb >= 0 && befehle.size() > fehlerAb) return bytes({0x6B, 0x00});
        const int adresse = std::uint8_t(b[2]) << 8 | std::uint8_t(b[3]);
        const int n = std::uint8_t(b[4]);
        if (std::uint8_t(b[1]) == 0xB0) return speicher.mid(adresse, n) + bytes({0x90, 0x00});
        speicher.replace(adresse, n, b.mid(5));
        return bytes({0x90, 0x00});
    }
};

bool uebertragen(Speicherkarte& karte, int modus, int adresse, int laenge, Bild& bild)
{
    return SpeicherkarteUebertragen(std::ref(karte), modus, std::uint16_t(adresse), std::uint16_t(laenge),
                                    bild.data());
}
}  // namespace

TEST(Speicherkarte, LesenInBloeckenMitNiedrigemByteZuerst)
{
    Speicherkarte karte;
    karte.speicher[2 * 399] = char(0x34);
    karte.speicher[2 * 399 + 1] = char(0x12);
    Bild bild(KartenEinheiten, 0xFFFF);
    ASSERT_TRUE(uebertragen(karte, KartenModusLesen, 0, 400, bild));
    // 400 units = 800 bytes: 250, 250, 250, 50.
    EXPECT_THAT(karte.befehle, testing::ElementsAre(bytes({0xFF, 0xB0, 0x00, 0x00, 0xFA}),
                                                    bytes({0xFF, 0xB0, 0x00, 0xFA, 0xFA}),
                                                    bytes({0xFF, 0xB0, 0x01, 0xF4, 0xFA}),
                                                    bytes({0xFF, 0xB0, 0x02, 0xEE, 0x32})));
    EXPECT_EQ(bild[399], 0x1234);
    EXPECT_EQ(bild[400], 0xFFFF);
}

TEST(Speicherkarte, SchreibenAnDieByteadresseDerEinheit)
{
    Speicherkarte karte;
    Bild bild(KartenEinheiten, 0);
    bild[8000] = 0xABCD;
    bild[8001] = 0x0102;
    ASSERT_TRUE(uebertragen(karte, KartenModusSchreiben, 8000, 2, bild));
    // unit 8000 = byte 16000 = 0x3E80
    EXPECT_THAT(karte.befehle,
                testing::ElementsAre(bytes({0xFF, 0xD6, 0x3E, 0x80, 0x04, 0xCD, 0xAB, 0x02, 0x01})));
}

TEST(Speicherkarte, FehlschlaegeBrechenAb)
{
    Bild bild(KartenEinheiten, 0);
    Speicherkarte abgelehnt;
    abgelehnt.fehlerAb = 1;
    EXPECT_FALSE(uebertragen(abgelehnt, KartenModusLesen, 0, 400, bild));
    EXPECT_EQ(abgelehnt.befehle.size(), 2);

    for (auto [modus, adresse, laenge] :
         {std::tuple{KartenModusLesen, 8190, 3}, std::tuple{KartenModusSchreiben, 8192, 1}, std::tuple{1, 0, 8}}) {
        Speicherkarte karte;
        EXPECT_FALSE(uebertragen(karte, modus, adresse, laenge, bild)) << modus << " " << adresse;
        EXPECT_TRUE(karte.befehle.isEmpty());
    }
}

class DateiKarte : public testing::Test {
protected:
    QByteArray datei() const { return DateiInhalt(pfad); }
    void ablegen(const QByteArray& inhalt) const
    {
        ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("karte.bin"), inhalt));
    }

    QTemporaryDir tmp;
    QString pfad = QDir(tmp.path()).filePath(QStringLiteral("karte.bin"));
    std::unique_ptr<Kartenleser> leser = DateiKartenleser(pfad);
    Bild bild = Bild(KartenEinheiten, 0);
};

TEST_F(DateiKarte, SchreibenLegtDieKarteAnUndLaesstDieUebrigenEinheiten)
{
    bild[5] = 0x1234;
    bild[6] = 0x00FF;
    bild[7] = 0x7777;  // outside the range
    ASSERT_TRUE(leser->uebertragen('0', KartenModusSchreiben, 5, 2, bild.data()));
    EXPECT_TRUE(leser->karteVorhanden());
    bild[8191] = 0xBEEF;
    ASSERT_TRUE(leser->uebertragen('0', KartenModusSchreiben, 8191, 1, bild.data()));

    QByteArray erwartet(2 * KartenEinheiten, '\0');
    erwartet.replace(10, 3, bytes({0x34, 0x12, 0xFF}));
    erwartet.replace(16382, 2, bytes({0xEF, 0xBE}));
    EXPECT_EQ(datei(), erwartet);

    Bild frisch(KartenEinheiten, 0xAAAA);
    ASSERT_TRUE(leser->uebertragen('4', KartenModusLesen, 4, 4, frisch.data()));
    EXPECT_EQ((Bild{frisch.begin() + 3, frisch.begin() + 9}), (Bild{0xAAAA, 0, 0x1234, 0x00FF, 0, 0xAAAA}));
}

TEST_F(DateiKarte, BereichHinterDemEndeScheitert)
{
    ablegen(QByteArray(2 * KartenEinheiten, '\x11'));
    for (auto [modus, adresse, laenge] :
         {std::tuple{KartenModusLesen, 8190, 3}, std::tuple{KartenModusSchreiben, 8192, 1},
          std::tuple{KartenModusSchreiben, 0, 8193}, std::tuple{1, 0, 1}})
        EXPECT_FALSE(leser->uebertragen('0', modus, std::uint16_t(adresse), std::uint16_t(laenge), bild.data()))
            << modus << " " << adresse << " " << laenge;
    EXPECT_EQ(datei(), QByteArray(2 * KartenEinheiten, '\x11'));
}

TEST_F(DateiKarte, DateiFalscherGroesseIstKeineKarte)
{
    for (int groesse : {0, 2 * KartenEinheiten - 1, 2 * KartenEinheiten + 1}) {
        const QByteArray fremd(groesse, 'x');
        ablegen(fremd);
        EXPECT_FALSE(leser->karteVorhanden()) << groesse;
        EXPECT_FALSE(leser->uebertragen('0', KartenModusLesen, 0, 1, bild.data())) << groesse;
        EXPECT_FALSE(leser->uebertragen('0', KartenModusSchreiben, 0, 1, bild.data())) << groesse;
        EXPECT_EQ(datei(), fremd);
    }
}

TEST(KartenleserErzeugen, TypAusserhalbIstKeinLeser)
{
    for (int typ : {0, 5, -1}) {
        QString fehler;
        EXPECT_EQ(KartenleserErzeugen(typ, 1, QStringLiteral("datei:/tmp/karte.bin"), &fehler), nullptr) << typ;
        EXPECT_EQ(fehler, QStringLiteral("Chipkarte nicht vorhanden !"));
    }
}

TEST(KartenleserErzeugen, DateiAuchOhneKarte)
{
    QTemporaryDir tmp;
    const QString pfad = QDir(tmp.path()).filePath(QStringLiteral("fehlt.bin"));
    QString fehler;
    const auto leser = KartenleserErzeugen(4, 1, QStringLiteral(" datei:") + pfad, &fehler);
    ASSERT_NE(leser, nullptr);
    EXPECT_FALSE(leser->karteVorhanden());
    Bild bild(KartenEinheiten, 0);
    EXPECT_FALSE(leser->uebertragen('0', KartenModusLesen, 0, 8, bild.data()));
    EXPECT_EQ(leser->name(), QStringLiteral("Datei: ") + pfad);
    EXPECT_TRUE(fehler.isEmpty());
}

TEST(KartenleserErzeugen, UnbrauchbareSchnittstelleWirdGenannt)
{
    for (const char* wert : {"datei:", "com1", "pcsc:2"}) {
        QString fehler;
        EXPECT_EQ(KartenleserErzeugen(1, 1, QString::fromLatin1(wert), &fehler), nullptr) << wert;
        EXPECT_TRUE(fehler.contains(QString::fromLatin1(wert))) << fehler.toStdString();
    }
}

// This machine has no reader; pcscd may or may not run.
TEST(KartenleserErzeugen, PcscOhneLeser)
{
    for (const char* wert : {"", "pcsc", "PCSC"}) {
        QString fehler;
        const auto leser = KartenleserErzeugen(1, 1, QString::fromLatin1(wert), &fehler);
        if (leser) GTEST_SKIP() << "reader attached: " << leser->name().toStdString();
        EXPECT_THAT(fehler.toStdString(), testing::AnyOf("Der Chipkartendienst (pcscd) läuft nicht !",
                                                         "Kein Chipkartenleser angeschlossen !"));
    }
    EXPECT_EQ(KartenleserErzeugen(2, 3, QString(), nullptr), nullptr);
}
