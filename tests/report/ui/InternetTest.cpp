// The web-site dialog "Website konfigurieren" and the send dialog
// "Spielbericht zur Website senden ?", opened through the window hub over a
// program folder of their own, with a network module that records its calls.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Fensterhub.h"
#include "match/flow/Wettkampfslots.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/netz/Netzmodul.h"
#include "report/ui/FtpSenden.h"
#include "report/ui/Internet.h"
#include "support/Aufnahmen.h"
#include "support/Ftpserver.h"
#include "support/ImDialog.h"
#include "support/Klicken.h"
#include "support/Programmordner.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTcpServer>
#include <tuple>
#include <vector>

namespace {

// Site uploads and the browser with the server and the upload kind of that
// moment; a site upload ends when the test says so.
struct FtpNetzAufnahme : NetzAufnahme {
    std::vector<NetzFertig> offen;
    void siteErzeugen(const FtpVerbindung& s, NetzFertig fertig) override
    {
        site(QStringLiteral("site"), s, std::move(fertig));
    }
    void siteDateienSenden(const FtpVerbindung& s, NetzFertig fertig) override
    {
        site(QStringLiteral("sitedateien"), s, std::move(fertig));
    }
    void site(const QString& art, const FtpVerbindung& s, NetzFertig fertig)
    {
        aufrufe << QStringLiteral("%1 %2 %3 %4 %5 %6 | %7 %8")
                       .arg(art, s.host, QString::number(s.port), s.kennung, s.passwort, s.pfad)
                       .arg(int(AktJavaUpdate))
                       .arg(AktUpdateIntervall);
        offen.push_back(std::move(fertig));
    }
    void updateSenden(TWettkampfDaten&, const FtpVerbindung& s) override
    {
        aufrufe << QStringLiteral("update %1 %2 %3 %4 %5 | %6 %7")
                       .arg(s.host, QString::number(s.port), s.kennung, s.passwort, s.pfad)
                       .arg(int(AktJavaUpdate))
                       .arg(AktUpdateIntervall);
    }
    void ftpServer(const FtpVerbindung& s, NetzFertig fertig) override
    {
        aufrufe << QStringLiteral("browser %1 %2 %3 %4 %5")
                       .arg(s.host, QString::number(s.port), s.kennung, s.passwort, s.pfad);
        fertig(true, {});
    }
};

// Host, user, password, folder; "Homepage aktualisieren", "nach", minutes,
// "nach einem Durchgang", "bei Spielerwechsel", "Update mit JavaScript".
using Werte = std::tuple<QString, QString, QString, QString, bool, bool, i32, bool, bool, bool>;
const Werte Verein{"ftp.kc-adler.de", "adler", "Geheim!9", "/www\\live", true, true, 15, false, true, true};

Werte Gezeigt(const TInternet& d)
{
    return {d.EFtpHost->text(),          d.EFtpKennung->text(),           d.EFtpPasswort->text(),
            d.EFtpPfad->text(),          d.CBFtpUpdate->isChecked(),      d.CBFtpUpdateZeit->isChecked(),
            d.intervall(),               d.CBFtpUpdateDurchg->isChecked(), d.CBFtpUpdateWechsel->isChecked(),
            d.CBJavaUpdate->isChecked()};
}

void Zeigen(TInternet& d, const Werte& v)
{
    const auto& [host, kennung, passwort, pfad, update, zeit, minuten, durchgang, wechsel, java] = v;
    for (auto [e, t] : {std::pair(d.EFtpHost, host), {d.EFtpKennung, kennung}, {d.EFtpPasswort, passwort},
                        {d.EFtpPfad, pfad}, {d.EFtpUpdateInterv, minuten ? QString::number(minuten) : QString()}})
        e->setText(t);
    for (auto [c, an] : {std::pair(d.CBFtpUpdate, update), {d.CBFtpUpdateZeit, zeit}, {d.CBFtpUpdateDurchg, durchgang},
                         {d.CBFtpUpdateWechsel, wechsel}, {d.CBJavaUpdate, java}})
        c->setChecked(an);
}

Werte ImWettkampf(const TWettkampfDaten& w)
{
    return {w.FtpHost,         w.FtpKennung,          PasswortDekodieren(w.FtpZugang), w.FtpPfad,
            bool(w.FtpUpdate), bool(w.FtpUpdateZeit), w.FtpUpdateInterv,               bool(w.FtpUpdateDurchg),
            bool(w.FtpUpdateWechsel), bool(w.JavaUpdate)};
}

void Eintragen(TWettkampfDaten& w, const Werte& v)
{
    const auto& [host, kennung, passwort, pfad, update, zeit, minuten, durchgang, wechsel, java] = v;
    w.FtpHost = host, w.FtpKennung = kennung, w.FtpZugang = PasswortKodieren(passwort), w.FtpPfad = pfad;
    w.FtpUpdate = update, w.FtpUpdateZeit = zeit, w.FtpUpdateInterv = minuten;
    w.FtpUpdateDurchg = durchgang, w.FtpUpdateWechsel = wechsel, w.JavaUpdate = java;
}

class Website : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        OrdnerSetzen(ordner.path());
        EinstellungenVorbelegen();
        Einst.FtpPort = 2121;
        ReportFensterRegistrieren(hub);
    }
    TWettkampfDaten& wettkampf(const Werte& v)
    {
        EXPECT_TRUE(WettkampfAnlegen());
        Eintragen(*AktWettkampf, v);
        return *AktWettkampf;
    }
    template <typename T>
    bool oeffnen(Dialog d, const std::function<void(T&)>& handeln)
    {
        return ImDialog<T>(hub, [d] { return fenster().dialog(d); }, handeln);
    }

    Fensterhub hub;
    FtpNetzAufnahme netz;

private:
    FensterDiensteEinsetzen m_hub{&hub};
    NetzDiensteEinsetzen m_netz{&netz};
};

// The match's values (the password in clear behind "*"), or without a match
// the settings; "Homepage aktualisieren" off greys its boxes without
// unchecking them; "Update senden" needs a match, "Site erzeugen" JavaScript.
TEST_F(Website, ShowsTheMatchOrTheSettings)
{
    Werte v = Verein;
    std::get<4>(v) = false;
    std::tie(Einst.FtpHost, Einst.FtpKennung, Einst.FtpZugang, Einst.FtpPfad) = std::tuple("h", "k", "p", "f");
    std::tie(Einst.FtpUpdate, Einst.FtpUpdateInterv, Einst.JavaUpdate) = std::tuple(true, 5, false);
    oeffnen<TInternet>(Dialog::Internet, [](TInternet& d) {
        EXPECT_EQ(Gezeigt(d), Werte("h", "k", "p", "f", true, false, 5, false, false, false));
        EXPECT_EQ(std::tuple(d.BtnUpdate->isEnabled(), d.BtnHtmlSite->isEnabled(), d.CBFtpUpdateZeit->isEnabled()),
                  std::tuple(false, false, true));
    });
    TWettkampfDaten& w = wettkampf(v);
    EXPECT_FALSE(oeffnen<TInternet>(Dialog::Internet, [&](TInternet& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Website konfigurieren"));
        EXPECT_EQ(std::tuple(d.EFtpHost->maxLength(), d.EFtpKennung->maxLength(), d.EFtpPasswort->maxLength(),
                             d.EFtpPfad->maxLength(), d.EFtpUpdateInterv->inputMask(),
                             d.EFtpPasswort->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                                d.EFtpPasswort)),
                  std::tuple(79, 30, 30, 256, QStringLiteral("999"), int('*')));
        EXPECT_EQ(Gezeigt(d), v);
        for (QWidget* c : std::initializer_list<QWidget*>{d.CBFtpUpdateZeit, d.CBFtpUpdateDurchg,
                                                          d.CBFtpUpdateWechsel, d.EFtpUpdateInterv, d.LMinuten})
            EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
        EXPECT_EQ(std::tuple(d.BtnUpdate->isEnabled(), d.BtnHtmlSite->isEnabled(), FeldcodeMin, FeldcodeMax),
                  std::tuple(true, true, 233, 235));
    }));
    EXPECT_EQ(std::tuple(ImWettkampf(w), w.Geaendert), std::tuple(v, 0));
}

// Unchecking "Homepage aktualisieren" unchecks and greys its boxes,
// checking it again only enables them; "Site erzeugen" follows JavaScript.
TEST_F(Website, EnablingRules)
{
    wettkampf(Verein);
    oeffnen<TInternet>(Dialog::Internet, [](TInternet& d) {
        d.CBJavaUpdate->click();
        EXPECT_FALSE(d.BtnHtmlSite->isEnabled());
        d.CBJavaUpdate->click();
        EXPECT_TRUE(d.BtnHtmlSite->isEnabled());
        d.CBFtpUpdateDurchg->setChecked(true);
        for (bool an : {false, true}) {
            d.CBFtpUpdate->click();
            for (QCheckBox* c : {d.CBFtpUpdateZeit, d.CBFtpUpdateDurchg, d.CBFtpUpdateWechsel})
                EXPECT_EQ(std::tuple(c->isChecked(), c->isEnabled()), std::tuple(false, an));
            EXPECT_EQ(std::tuple(d.EFtpUpdateInterv->isEnabled(), d.intervall()), std::tuple(an, 15));
        }
    });
}

// OK with a match: the ten values into the match only, the upload timer as
// the boxes say, left alone while "Homepage aktualisieren" is off.
TEST_F(Website, OkWithAMatchStoresTheMatchAndSwitchesTheTimer)
{
    const std::tuple<bool, bool, i32, QStringList> faelle[] = {
        {true, true, 20, {"timer 1 1200000"}}, {true, false, 20, {"timer 0 1200000"}},
        {true, true, 0, {"timer 1 0"}},        {false, false, 20, {}}};
    TWettkampfDaten& w = wettkampf(Verein);
    const auto einstellungen = std::tuple(Einst.FtpHost, Einst.FtpUpdate);
    for (const auto& [update, zeit, minuten, aufrufe] : faelle) {
        w.Geaendert = 0;
        netz.aufrufe.clear();
        const Werte v{"ftp.neu.de", "gast", "pässwort", "a/b", update, zeit, minuten, false, update, false};
        EXPECT_TRUE(oeffnen<TInternet>(Dialog::Internet, [&](TInternet& d) {
            Zeigen(d, v);
            d.BtnOk->click();
        }));
        EXPECT_EQ(std::tuple(ImWettkampf(w), w.Geaendert, netz.aufrufe), std::tuple(v, 1, aufrufe));
    }
    EXPECT_EQ(std::tuple(Einst.FtpHost, Einst.FtpUpdate), einstellungen);
    EXPECT_EQ(TextdateiLesen(InfDatei), std::nullopt);
}

// OK without a match writes the ten keys in their order into "[Internet]",
// the password scrambled; an empty interval is 0.
TEST_F(Website, OkWithoutAMatchWritesTheSettings)
{
    InfListe = QStringList{"[Internet]", "TimeHost = ptbtime1.ptb.de", "", "[Ansicht]", "ColorInternet = 255"};
    Werte v = Verein;
    std::get<6>(v) = 0;
    EXPECT_TRUE(oeffnen<TInternet>(Dialog::Internet, [&](TInternet& d) {
        Zeigen(d, v);
        d.BtnOk->click();
    }));
    std::optional<QStringList> datei = TextdateiLesen(InfDatei);
    ASSERT_TRUE(datei && datei->size() == 15);
    const QString zugang = datei->takeAt(4);
    EXPECT_EQ(std::tuple(zugang.left(12), PasswortDekodieren(zugang.mid(12)), zugang.contains(u"Geheim")),
              std::tuple(QStringLiteral("FtpZugang = "), QStringLiteral("Geheim!9"), false));
    EXPECT_EQ(*datei, QStringList({"[Internet]", "TimeHost = ptbtime1.ptb.de", "FtpHost = ftp.kc-adler.de",
                                   "FtpKennung = adler", "FtpPfad = /www\\live", "FtpUpdate = True",
                                   "FtpUpdateZeit = True", "FtpUpdateInterv = 0", "FtpUpdateDurchg = False",
                                   "FtpUpdateWechsel = True", "JavaUpdate = True", "", "[Ansicht]",
                                   "ColorInternet = 255"}));
    EXPECT_EQ(std::tuple(Einst.FtpZugang, netz.aufrufe), std::tuple(QStringLiteral("Geheim!9"), QStringList()));
}

// The commands hand the edits (and the "FtpPort" setting) to the network
// module; a failed upload is shown and the dialog stays open; without a
// password the site is not uploaded.
TEST_F(Website, CommandsCallTheNetworkModuleWithTheEdits)
{
    Werte v = Verein;
    std::get<9>(v) = false;
    TWettkampfDaten& w = wettkampf(v);
    oeffnen<TInternet>(Dialog::Internet, [&](TInternet& d) {
        d.EFtpHost->setText(QStringLiteral("ftp.probe.de"));
        d.EFtpUpdateInterv->setText(QStringLiteral("7"));
        Klicken(d.BtnHtmlSite);  // greyed without JavaScript
        d.CBJavaUpdate->click();
        Klicken(d.BtnHtmlSite);
        ASSERT_EQ(netz.offen.size(), 1u);
        netz.offen.front()(false, QStringLiteral("Keine Verbindung !"));
        EXPECT_TRUE(d.isVisible());
        Klicken(d.BtnUpdate);
        Klicken(d.BtnFtpServer);
        d.EFtpPasswort->clear();
        Klicken(d.BtnHtmlSite);
    });
    EXPECT_EQ(netz.aufrufe, QStringList({"site ftp.probe.de 2121 adler Geheim!9 /www\\live | 1 7",
                                         "update ftp.probe.de 2121 adler Geheim!9 /www\\live | 1 7",
                                         "browser ftp.probe.de 2121 adler Geheim!9 /www\\live"}));
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList({"Keine Verbindung !", "Bitte Ftp-Server, Benutzerkennung und Passwort eintragen !"}));
    EXPECT_EQ(ImWettkampf(w), v);
}

// The send dialog: OK makes the edits the match's server, uploads the site
// files with JavaScript and the live results once that upload has ended,
// whatever its result, and not for a match closed meanwhile; without
// JavaScript only the live results; cancel or an empty user send nothing.
TEST_F(Website, SendDialog)
{
    TWettkampfDaten& w = wettkampf(Verein);
    EXPECT_TRUE(oeffnen<TFtpSenden>(Dialog::FtpSenden, [](TFtpSenden& d) {
        EXPECT_EQ(std::tuple(d.windowTitle(), d.BtnOk->toolTip(), d.BtnAbbrechen->toolTip()),
                  std::tuple(QStringLiteral("Spielbericht zur Website senden ?"), QStringLiteral("Spielbericht senden"),
                             QStringLiteral("Spielbericht nicht senden")));
        EXPECT_EQ(std::tuple(d.EFtpHost->text(), d.EFtpKennung->text(), d.EFtpPasswort->text(), d.EFtpPfad->text()),
                  std::tuple(QStringLiteral("ftp.kc-adler.de"), QStringLiteral("adler"), QStringLiteral("Geheim!9"),
                             QStringLiteral("/www\\live")));
        d.EFtpPfad->setText(QStringLiteral("live"));
        d.BtnOk->click();
    }));
    EXPECT_EQ(std::tuple(w.FtpPfad, w.Geaendert), std::tuple(QStringLiteral("live"), 1));
    ASSERT_EQ(netz.offen.size(), 1u);
    netz.offen[0](false, QStringLiteral("Falscher Server !"));
    EXPECT_EQ(netz.aufrufe,
              QStringList({"sitedateien ftp.kc-adler.de 2121 adler Geheim!9 live | 1 15", "update 1 15"}));
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList({"Falscher Server !"}));

    EXPECT_TRUE(oeffnen<TFtpSenden>(Dialog::FtpSenden, [](TFtpSenden& d) { d.BtnOk->click(); }));
    WettkampfBelegt[AktWettkampfNr] = 0;
    netz.offen.at(1)(true, {});
    EXPECT_EQ(netz.aufrufe.size(), 3);
    WettkampfBelegt[AktWettkampfNr] = 1;
    netz.aufrufe.clear();
    w.JavaUpdate = 0, w.FtpUpdateInterv = 4, w.Geaendert = 0;
    EXPECT_TRUE(oeffnen<TFtpSenden>(Dialog::FtpSenden, [](TFtpSenden& d) { d.BtnOk->click(); }));
    EXPECT_FALSE(oeffnen<TFtpSenden>(Dialog::FtpSenden, [](TFtpSenden& d) {
        d.EFtpKennung->clear();
        d.BtnOk->click();
        EXPECT_TRUE(d.isVisible());
        d.EFtpKennung->setText(QStringLiteral("neu"));
        d.BtnAbbrechen->click();
    }));
    EXPECT_EQ(std::tuple(netz.aufrufe, netz.offen.size(), w.FtpKennung, w.Geaendert),
              std::tuple(QStringList({"update 0 4"}), 2u, QStringLiteral("adler"), 0));

    NetzDiensteEinsetzen keinNetz(nullptr);
    w.JavaUpdate = 1;
    skriptBoxen().gezeigt.clear();
    EXPECT_TRUE(oeffnen<TFtpSenden>(Dialog::FtpSenden, [](TFtpSenden& d) { d.BtnOk->click(); }));
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList{"Das Veröffentlichen im Internet ist in dieser Programmversion nicht eingerichtet !"});
}

// The web-site dialog with the network module against the local FTP server.
class WebsiteLive : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        OrdnerSetzen(ordner.path());
        EinstellungenVorbelegen();
        ReportFensterRegistrieren(hub);
        hub.statusTextSetzen = [this](int panel, const QString& text) {
            if (panel == 0) status << text;
        };
        ASSERT_NE(server.port, 0);
        ASSERT_TRUE(QDir(server.wurzel()).mkpath(QStringLiteral("live")));
        QTcpServer geschlossen;
        ASSERT_TRUE(geschlossen.listen(QHostAddress::LocalHost));
        tot = geschlossen.serverPort();
    }

    FtpTestserver server;
    quint16 tot = 0;  // nothing listens there
    Fensterhub hub;
    QStringList status;
    Netzmodul modul{[](const QString&) {}};

private:
    FensterDiensteEinsetzen m_hub{&hub};
    NetzDiensteEinsetzen m_netz{&modul};
};

// "Update senden" sends the live results to the server shown, a port typed
// with the host before the "FtpPort" setting, and ends with a status line:
// sent, or why not with the server and port tried. The match keeps its own
// server.
TEST_F(WebsiteLive, UpdateSendenEndsWithAStatusLine)
{
    Einst.FtpPort = tot;
    EXPECT_TRUE(WettkampfAnlegen());
    TWettkampfDaten& w = *AktWettkampf;
    Eintragen(w, Verein);
    const struct {
        QString host;
        QString zeile;
    } faelle[] = {
        {QStringLiteral("127.0.0.1:%1").arg(server.port), QStringLiteral("Update gesendet !")},
        {QStringLiteral("127.0.0.1:%1").arg(tot), QStringLiteral("Keine Verbindung zu 127.0.0.1 (Port %1) !").arg(tot)},
        {QStringLiteral("127.0.0.1"), QStringLiteral("Keine Verbindung zu 127.0.0.1 (Port %1) !").arg(tot)},
        {QStringLiteral("ftp.kc adler.de"), QStringLiteral("Falscher Server ! „ftp.kc adler.de“ (Port %1)").arg(tot)},
    };
    for (const auto& f : faelle) {
        status.clear();
        QFile::remove(server.datei(QStringLiteral("live/Update.js")));
        EXPECT_FALSE(ImDialog<TInternet>(hub, [] { return fenster().dialog(Dialog::Internet); }, [&](TInternet& d) {
            d.EFtpHost->setText(f.host);
            d.EFtpKennung->setText(QString::fromLatin1(FtpTestserver::Kennung));
            d.EFtpPasswort->setText(QString::fromLatin1(FtpTestserver::Passwort));
            d.EFtpPfad->setText(QStringLiteral("live"));
            Klicken(d.BtnUpdate);
            EXPECT_TRUE(FtpTestserver::warten([&] { return modul.laufendeFtpAuftraege() == 0; }));
            d.BtnAbbrechen->click();
        }));
        EXPECT_EQ(status.value(status.size() - 1), f.zeile) << status.join(u'|').toStdString();
        EXPECT_EQ(QFile::exists(server.datei(QStringLiteral("live/Update.js"))), f.zeile == u"Update gesendet !")
            << f.host.toStdString();
    }
    EXPECT_EQ(std::tuple(ImWettkampf(w), w.Geaendert), std::tuple(Verein, 0));
}

// "Update gesendet !" only when the server took the file: a server that
// refuses it (a folder of that name is in the way) gives its reason. With
// server, user or password missing the notice box says so, and nothing is
// sent.
TEST_F(WebsiteLive, UpdateSendenSaysGesendetOnlyWhenTheFileWent)
{
    EXPECT_TRUE(WettkampfAnlegen());
    Eintragen(*AktWettkampf, Verein);
    ASSERT_TRUE(QDir(server.wurzel()).mkpath(QStringLiteral("live/Update.js")));
    const auto senden = [&](const QString& passwort) {
        EXPECT_FALSE(ImDialog<TInternet>(hub, [] { return fenster().dialog(Dialog::Internet); }, [&](TInternet& d) {
            d.EFtpHost->setText(QStringLiteral("127.0.0.1:%1").arg(server.port));
            d.EFtpKennung->setText(QString::fromLatin1(FtpTestserver::Kennung));
            d.EFtpPasswort->setText(passwort);
            d.EFtpPfad->setText(QStringLiteral("live"));
            Klicken(d.BtnUpdate);
            EXPECT_TRUE(FtpTestserver::warten([&] { return modul.laufendeFtpAuftraege() == 0; }));
            d.BtnAbbrechen->click();
        }));
    };
    senden(QString::fromLatin1(FtpTestserver::Passwort));
    EXPECT_TRUE(server.zeilen().contains(QStringLiteral("STOR Update.js")));
    const QString zeile = status.value(status.size() - 1);
    EXPECT_TRUE(zeile.startsWith(QStringLiteral("„Update.js“ nicht gesendet: Der Server lehnt ab: 550 ")))
        << zeile.toStdString();
    EXPECT_FALSE(zeile.contains(QStringLiteral("gesendet !"))) << zeile.toStdString();
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList());

    status.clear();
    const qsizetype befehle = server.zeilen().size();
    senden(QString());
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{FtpDatenFehlenText});
    EXPECT_EQ(status, QStringList());
    EXPECT_EQ(server.zeilen().size(), befehle);
}

// The send dialog against the server: the site files of the data folder
// go up without any "Update.js" (not the blank script, nor one lying in the
// data folder); the live results then bring the filled script, once.
TEST_F(WebsiteLive, SendDialogSendsTheSiteFilesThenTheFilledScriptOnly)
{
    ASSERT_TRUE(QDir().mkpath(Datenverzeichnis));
    for (const char* name : {"index.inf", "Banner.png", "Hinweis.js", "site.css", "style.css", "Update.js"}) {
        QFile f(QDir(Datenverzeichnis).filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("/* ") + name + " */\r\n");
    }
    ASSERT_TRUE(WettkampfAnlegen());
    TWettkampfDaten& w = *AktWettkampf;
    Eintragen(w, Verein);
    w.FtpUpdateInterv = 5;
    w.Heimmannschaft.setzenText(QStringLiteral("KSC Grün-Weiß"));
    EXPECT_TRUE(ImDialog<TFtpSenden>(hub, [] { return fenster().dialog(Dialog::FtpSenden); }, [&](TFtpSenden& d) {
        d.EFtpHost->setText(QStringLiteral("127.0.0.1:%1").arg(server.port));
        d.EFtpKennung->setText(QString::fromLatin1(FtpTestserver::Kennung));
        d.EFtpPasswort->setText(QString::fromLatin1(FtpTestserver::Passwort));
        d.EFtpPfad->setText(QStringLiteral("live"));
        d.BtnOk->click();
    }));
    EXPECT_TRUE(FtpTestserver::warten([&] { return modul.laufendeFtpAuftraege() == 0; }));
    QStringList stor;
    for (const QString& z : server.zeilen())
        if (z.startsWith(QStringLiteral("STOR "))) stor << z;
    EXPECT_EQ(stor, QStringList({"STOR index.html", "STOR Banner.png", "STOR Hinweis.js", "STOR site.css",
                                 "STOR style.css", "STOR Update.js"}));
    QFile js(server.datei(QStringLiteral("live/Update.js")));
    ASSERT_TRUE(js.open(QIODevice::ReadOnly));
    const QByteArray inhalt = js.readAll();
    EXPECT_EQ(inhalt.count("\r\n"), 131);
    EXPECT_TRUE(inhalt.startsWith("<!--\r\nvar delay = 5\r\nfunction UpdateNow() {\r\n"
                                  "this.HeimName.innerText = \"KSC Gr\xFCn-Wei\xDF\";\r\n"))
        << inhalt.left(120).toStdString();
}

}  // namespace
