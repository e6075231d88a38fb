#include "core/Farbwahl.h"
#include "core/SettingsFile.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace {

TEST(Farbwahl, ComponentsPackAsBlueGreenRed)
{
    EXPECT_EQ(FarbwertAus({1, 2, 3}), 3u * 65536 + 2 * 256 + 1);
    EXPECT_EQ(FarbwertZerlegen(8421376), (Rgb{0, 128, 128}));
    EXPECT_EQ(FarbwertZerlegen(0x00FF0000), (Rgb{0, 0, 255}));
    EXPECT_EQ(FarbwertAus(FarbwertZerlegen(10451556)), 10451556u);
}

TEST(Farbwahl, EditTakesItsDigitsUpTo255)
{
    const std::tuple<const char*, int> faelle[] = {{"300", 255}, {"255", 255}, {"256", 255}, {"042", 42},
                                                   {"7", 7},     {"", 0},      {"999", 255}};
    for (const auto& [text, wert] : faelle) EXPECT_EQ(KomponenteAusText(QString::fromLatin1(text)), wert) << text;
}

TEST(Farbwahl, BrightnessMovesAllThreeOrNone)
{
    const Rgb start{200, 250, 10};
    const std::tuple<int, Rgb> faelle[] = {
        {10, start}, {5, {205, 255, 15}}, {-10, {190, 240, 0}}, {-11, start}, {0, start}};
    for (const auto& [d, erwartet] : faelle) EXPECT_EQ(HelligkeitSchritt(start, d), erwartet) << d;
}

TEST(Farbwahl, PlaneAxesAndCorners)
{
    EXPECT_EQ(EbenenWertSenkrecht(0, 200), 255);
    EXPECT_EQ(EbenenWertWaagrecht(0, 200), 0);
    EXPECT_EQ(EbenenWertWaagrecht(199, 200), 254);  // 199 * 256 / 200 = 254.72
    EXPECT_EQ(EbenenWertSenkrecht(199, 200), 1);
    EXPECT_EQ(EbenenWertWaagrecht(100, 200), 128);
    for (auto [pos, marke] : {std::pair{-3, 0}, {0, 0}, {150, 150}, {199, 199}, {250, 199}})
        EXPECT_EQ(MarkeBegrenzen(pos, 200), marke) << pos;

    // Top middle of the plane: vertical 255, horizontal 128; the fixed one kept.
    const Rgb farbe{10, 20, 30};
    const std::tuple<int, Rgb> faelle[] = {
        {KompBlau, {128, 255, 30}},   // green up, red across
        {KompGruen, {128, 20, 255}},  // blue up, red across
        {KompRot, {10, 128, 255}},    // blue up, green across
    };
    for (const auto& [fest, erwartet] : faelle) EXPECT_EQ(EbenenFarbe(farbe, fest, 100, 0, 200, 200), erwartet) << fest;
}

TEST(Farbwahl, PreviewTableNamesKnownSettings)
{
    EinstellungenVorbelegen();
    int elemente = 0;
    for (const Vorschauelement& e : VorschauElemente()) {
        ++elemente;
        for (int modus = 1; modus <= VorschauModusAnzahl; ++modus) {
            const QString name = VorschauEinstellung(e, modus);
            EXPECT_TRUE(name.isEmpty() || SchluesselSuchen(name)) << name.toStdString();
        }
    }
    EXPECT_EQ(elemente, 20);

    const auto element = [](const char* name) -> const Vorschauelement& {
        for (const Vorschauelement& e : VorschauElemente())
            if (std::string(e.name) == name) return e;
        throw std::logic_error(name);
    };
    // Element, mode, setting, stored on OK, default.
    const std::tuple<const char*, int, const char*, bool, std::optional<u32>> faelle[] = {
        {"LWettkampf", 2, "ColorTMannschaft", false, 6569265},
        {"LSpielerErg", 2, "ColorTSpielerErg", false, 0},
        {"LWettkampf", 3, "ColorMTMannschaft", true, 16777215},
        {"LWettkampf", 1, "", false, std::nullopt},
        {"PErgebnisse", 4, "ColorITErgebnisse", true, 10906720},
        {"LHeim", 3, "ColorMTHeaderHeim", true, 9317322},
        {"PHeim", 1, "ColorHeim", true, 2147483670u},
        {"LSpielerFertig", 4, "ColorITFertig", true, 16777215},
        {"PHinweis", 1, "ColorHinweis", true, 12632256},
        {"PHinweis", 3, "", false, 12632256},
    };
    for (const auto& [name, modus, einstellung, speichern, standard] : faelle) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(modus));
        const Vorschauelement& e = element(name);
        EXPECT_EQ(VorschauEinstellung(e, modus), QString::fromLatin1(einstellung));
        EXPECT_EQ(VorschauSpeichern(e, modus), speichern);
        EXPECT_EQ(VorschauStandard(e, modus), standard);
    }
    EXPECT_TRUE(element("PSpiel").panel);
    EXPECT_FALSE(element("LTotalGast").panel);
}

}  // namespace
