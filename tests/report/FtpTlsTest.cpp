// FTP over TLS against a real vsftpd started by the test: many transfers on
// one connection with the server's session reuse required, uploads the
// server refuses halfway, and servers with certificates of their own.
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "report/netz/Ftpsitzung.h"
#include "report/netz/Netzmodul.h"
#include "match/flow/Zustand.h"
#include "support/Ftpserver.h"
#include "support/KernAufnahmen.h"
#include "support/Vsftpd.h"
#include "support/Zertifikatsablage.h"
#include "core/Boxes.h"
#include "core/Password.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using V = Ftpsitzung::Vorgang;

struct Meldung {
    V vorgang;
    bool ok;
    QString fehler, antwort;
};

struct Mitschrift {
    explicit Mitschrift(Ftpsitzung& s) : sitzung(s)
    {
        QObject::connect(&s, &Ftpsitzung::erledigt, &s,
                         [this](V v, bool ok, const QString& f, const QString& a, const QStringList&) {
                             liste << Meldung{v, ok, f, a};
                         });
    }
    Meldung operator()(const std::function<void(Ftpsitzung&)>& befehl)
    {
        const qsizetype n = liste.size();
        befehl(sitzung);
        if (!warten([&] { return liste.size() > n; })) return {V::Trennen, false, "(keine Meldung)", {}};
        return liste.last();
    }
    Ftpsitzung& sitzung;
    QList<Meldung> liste;
};

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

// The test's certificate as the one trusted authority, for the tests of
// transfers (not of trust).
struct Vertrauen {
    explicit Vertrauen(const QString& datei) { Ftpsitzung::setZertifikate(datei); }
    ~Vertrauen() { Ftpsitzung::setZertifikate({}); }
};

class VsftpdTls : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Vsftpd::vorhanden()) << "vsftpd is not installed (Debian package vsftpd)";
        zertifikat = FtpTestserver::zertifikat(tmp.path());
        ASSERT_FALSE(zertifikat.isEmpty()) << "openssl could not make a certificate";
    }
    QTemporaryDir tmp;
    QString zertifikat;
};

}  // namespace

// vsftpd requires every data connection to resume the control connection's
// TLS session. Thirty uploads on one connection each arrive whole.
TEST_F(VsftpdTls, DreissigUploadsAufEinerVerbindungKommenAlleAn)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    const Vertrauen vertrauen(zertifikat);
    Ftpsitzung sitzung;
    Mitschrift ausfuehren(sitzung);
    const Meldung an = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    ASSERT_TRUE(an.ok) << an.fehler.toStdString();
    QStringList fehler;
    for (int i = 1; i <= 30; ++i) {
        const QByteArray inhalt = QByteArray::number(i).repeated(100 * i);
        const QString name = QStringLiteral("datei%1.txt").arg(i);
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.hochladen({}, inhalt, name); });
        if (!m.ok) fehler << name + QStringLiteral(": ") + m.fehler;
        EXPECT_EQ(Lesen(server.datei(name)), m.ok ? inhalt : QByteArray("(fehlt)")) << name.toStdString();
    }
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

namespace {

class VsftpdSite : public VsftpdTls {
protected:
    void SetUp() override
    {
        VsftpdTls::SetUp();
        ZustandZuruecksetzen();
        Datenverzeichnis = daten.path();
        for (const Sitedatei& d : Sitedateien) {
            QFile f(daten.filePath(QString::fromLatin1(d.lokal)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("Inhalt von ") + d.lokal + "\n");
        }
        FtpStatusZiel([this](const QString& t) { status << t; });
    }
    void TearDown() override
    {
        FtpStatusZiel({});
        Datenverzeichnis = m_daten;
        ZustandZuruecksetzen();
    }
    struct Ende {
        int anzahl = 0;
        bool ok = false;
        QString fehler;
    };
    NetzFertig fertig(Ende& e)
    {
        return [&e](bool ok, const QString& f) {
            ++e.anzahl;
            e.ok = ok;
            e.fehler = f;
        };
    }

    QTemporaryDir daten;
    QStringList status;
    SoundAufnahme sound;
    SoundAusgabeEinsetzen m_sound{&sound};

private:
    QString m_daten = Datenverzeichnis;
};

}  // namespace

// "Site erzeugen" five times in a row: six files over one connection each time.
TEST_F(VsftpdSite, SiteErzeugenFuenfMalOhneVerlust)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    const Vertrauen vertrauen(zertifikat);
    Netzmodul modul([](const QString&) {});
    const FtpZugang z = server.zugang();
    for (int lauf = 1; lauf <= 5; ++lauf) {
        QDir(server.wurzel()).removeRecursively();
        QDir().mkpath(server.wurzel());
        Ende ende;
        modul.siteErzeugen({z.host, z.port, z.kennung, z.passwort, QStringLiteral("verein/web")}, fertig(ende));
        ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }, 60000));
        EXPECT_TRUE(ende.ok) << "Lauf " << lauf << ": " << ende.fehler.toStdString();
        for (const Sitedatei& d : Sitedateien)
            EXPECT_EQ(Lesen(server.datei(QStringLiteral("verein/web/") + QString::fromLatin1(d.name))),
                      QByteArray("Inhalt von ") + d.lokal + "\n")
                << "Lauf " << lauf << ": " << d.name;
        EXPECT_TRUE(Lesen(server.datei(QStringLiteral("verein/web/Update.js"))).startsWith("<!--"));
    }
}

// The server takes the STOR and then fails to write the file (its disk is
// full): the part it wrote is deleted, and the operator reads the server's
// reply, not a lost connection. The session goes on.
TEST_F(VsftpdSite, AbgebrochenerUploadHinterlaesstNichtsUndNenntDieAntwort)
{
    Vsftpd server({.zertifikat = zertifikat, .dateigrenzeKb = 32});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    const Vertrauen vertrauen(zertifikat);
    QFile banner(daten.filePath(QStringLiteral("Banner.png")));
    ASSERT_TRUE(banner.open(QIODevice::WriteOnly));
    banner.write(QByteArray(64 * 1024, 'b'));
    banner.close();

    Netzmodul modul([](const QString&) {});
    const FtpZugang z = server.zugang();
    Ende ende;
    modul.siteErzeugen({z.host, z.port, z.kennung, z.passwort, QStringLiteral("web")}, fertig(ende));
    ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }, 60000));
    EXPECT_FALSE(ende.ok);
    // The server's refusal; when the server closed the data connection while
    // the file was still being sent, before its reply could be read, the
    // broken transfer (never a lost connection).
    EXPECT_THAT(ende.fehler.toStdString(),
                testing::AnyOf("„Banner.png“ nicht gesendet: Der Server lehnt ab: 451 Failure writing to local file.",
                               "„Banner.png“ nicht gesendet: Die Übertragung von „Banner.png“ wurde unterbrochen !"));
    EXPECT_FALSE(QFileInfo::exists(server.datei(QStringLiteral("web/Banner.png"))));
    EXPECT_TRUE(server.befehle().contains(QStringLiteral("DELE Banner.png")))
        << server.befehle().join(QLatin1Char('|')).toStdString();
    // The files after it went up all the same.
    EXPECT_EQ(Lesen(server.datei(QStringLiteral("web/style.css"))), "Inhalt von style.css\n");
    EXPECT_TRUE(status.contains(ende.fehler));
}

// The operator's "Site erzeugen" puts a certificate of the server's own to
// him every time, also after he said no (only timed uploads ask once).
TEST_F(VsftpdSite, SiteErzeugenFragtJedesMalNachDemZertifikat)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    SkriptBoxen boxen;
    const BoxenEinsetzen eingesetzt(&boxen);
    Netzmodul modul([](const QString&) {});
    const FtpZugang z = server.zugang();
    for (int mal = 1; mal <= 2; ++mal) {
        boxen.antworten = {ErgebnisNein};
        Ende ende;
        modul.siteErzeugen({z.host, z.port, z.kennung, z.passwort, QStringLiteral("web")}, fertig(ende));
        ASSERT_TRUE(warten([&] { return ende.anzahl > 0; }, 60000));
        EXPECT_FALSE(ende.ok);
        EXPECT_EQ(boxen.gezeigt.size(), mal);
    }
}

namespace {

class VsftpdZertifikat : public VsftpdTls {
protected:
    void SetUp() override
    {
        VsftpdTls::SetUp();
        QDir(tmp.path()).mkdir(QStringLiteral("neu"));
        anderes = FtpTestserver::zertifikat(tmp.filePath(QStringLiteral("neu")));
        ASSERT_FALSE(anderes.isEmpty());
        fingerabdruck = OpensslFingerabdruck(zertifikat);
        ASSERT_EQ(fingerabdruck.size(), 95);
    }
    QString text(const Vsftpd& server, const QString& grund, const QByteArray& fp) const
    {
        return QStringLiteral("Das Zertifikat von 127.0.0.1 (Port %1) ist nicht vertrauenswürdig (%2). SHA-256: %3")
            .arg(server.port)
            .arg(grund, QString::fromLatin1(fp));
    }
    static int passwoerter(const Vsftpd& server)
    {
        return int(server.befehle().count(QStringLiteral("PASS <password>")));
    }

    QString anderes;
    QByteArray fingerabdruck;
    Zertifikatsablage ablage;
    SkriptBoxen boxen;
    BoxenEinsetzen m_boxen{&boxen};
};

}  // namespace

// A server with a certificate of its own: refused with server, reason and
// fingerprint, and no password goes out; the operator trusts it once, and
// it is taken from then on without a question; a changed certificate is
// refused again the same way.
TEST_F(VsftpdZertifikat, EinmalVertrauenUndGeaendertWiederAbgelehnt)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    const QString server1 = QStringLiteral("ftp://127.0.0.1:%1").arg(server.port);

    // Asked, the operator says no.
    boxen.antworten = {ErgebnisNein};
    {
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
        EXPECT_FALSE(m.ok);
        EXPECT_EQ(m.fehler.toStdString(), text(server, "selbst signiert", fingerabdruck).toStdString());
        ASSERT_EQ(boxen.gezeigt.size(), 1);
        EXPECT_TRUE(boxen.gezeigt[0].startsWith(m.fehler + QStringLiteral("\n\n"))) << boxen.gezeigt[0].toStdString();
        EXPECT_TRUE(server.befehle().contains(QStringLiteral("AUTH TLS")));
        EXPECT_EQ(passwoerter(server), 0);
        EXPECT_TRUE(Einst.Zertifikate.isEmpty());
    }

    // Asked again, yes: the connect goes through and the file goes up.
    boxen.antworten = {ErgebnisJa};
    {
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
        EXPECT_TRUE(m.ok) << m.fehler.toStdString();
        EXPECT_EQ(boxen.gezeigt.size(), 2);
        const Meldung hoch = ausfuehren([](Ftpsitzung& s) { s.hochladen({}, QByteArray("Stand 3:1\r\n"), "a.csv"); });
        EXPECT_TRUE(hoch.ok) << hoch.fehler.toStdString();
        EXPECT_EQ(Lesen(server.datei(QStringLiteral("a.csv"))), "Stand 3:1\r\n");
    }
    const QString eintrag = server1 + QLatin1Char(' ') + QString::fromLatin1(fingerabdruck);
    EXPECT_EQ(Einst.Zertifikate, eintrag);
    EXPECT_TRUE(ablage.datei().contains(("Zertifikate = " + eintrag + "\r\n").toLatin1()))
        << ablage.datei().constData();

    // From then on without a question.
    {
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
        EXPECT_TRUE(m.ok) << m.fehler.toStdString();
        EXPECT_EQ(ausfuehren([](Ftpsitzung& s) { s.auflisten({}); }).ok, true);
        EXPECT_EQ(boxen.gezeigt.size(), 2);
    }

    // The same server with another certificate: refused, asked, no password.
    ASSERT_TRUE(server.neuStarten(anderes)) << server.ausgabe().toStdString();
    const int vorher = passwoerter(server);
    boxen.antworten = {ErgebnisNein};
    {
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
        EXPECT_FALSE(m.ok);
        EXPECT_EQ(m.fehler.toStdString(),
                  text(server, "nicht das vertraute Zertifikat, selbst signiert", OpensslFingerabdruck(anderes))
                      .toStdString());
        EXPECT_EQ(boxen.gezeigt.size(), 3);
    }
    EXPECT_EQ(passwoerter(server), vorher);
    EXPECT_EQ(Einst.Zertifikate, eintrag);
}

// The timed live upload asks once per run about a certificate the operator
// refused; "Update senden" asks every time.
TEST_F(VsftpdZertifikat, VonSelbstNurEinmalGefragt)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    ZustandZuruecksetzen();
    const BoxenEinsetzen wieder(&boxen);  // the reset installed the stand-in
    Einst.FtpPort = server.port;
    WettkampfBelegt[1] = 1;
    TWettkampfDaten& w = Wettkaempfe[1];
    w.FtpHost = QStringLiteral("127.0.0.1");
    w.FtpKennung = QStringLiteral("anonymous");
    w.FtpZugang = PasswortKodieren(QStringLiteral("bericht@kegeln.test"));
    SoundAufnahme sound;
    const SoundAusgabeEinsetzen still(&sound);
    QStringList status;
    FtpStatusZiel([&](const QString& t) { status << t; });
    {
        Netzmodul modul([](const QString&) {});
        const QString abgelehnt = text(server, "selbst signiert", fingerabdruck);
        for (int i = 0; i < 2; ++i) {
            modul.internetUpdate(w);
            ASSERT_TRUE(warten([&] { return modul.laufendeFtpAuftraege() == 0; }));
            EXPECT_EQ(status.last().toStdString(), abgelehnt.toStdString());
        }
        EXPECT_EQ(boxen.gezeigt.size(), 1);
        modul.updateSenden(w, {w.FtpHost, server.port, w.FtpKennung, QStringLiteral("bericht@kegeln.test"), {}});
        ASSERT_TRUE(warten([&] { return modul.laufendeFtpAuftraege() == 0; }));
        EXPECT_EQ(boxen.gezeigt.size(), 2);
        EXPECT_EQ(status.last().toStdString(), abgelehnt.toStdString());
    }
    FtpStatusZiel({});
    EXPECT_EQ(passwoerter(server), 0);
    EXPECT_FALSE(QFileInfo::exists(server.datei(QStringLiteral("Update.csv"))));
    ZustandZuruecksetzen();
}

// A certificate from a trusted authority counts only for the names it was
// made out to: the test's certificate names 127.0.0.1, not "localhost".
TEST_F(VsftpdZertifikat, NameGehoertZurPruefung)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    const Vertrauen vertrauen(zertifikat);
    Ftpsitzung sitzung;
    Mitschrift ausfuehren(sitzung);
    FtpZugang z = server.zugang();
    z.host = QStringLiteral("localhost");
    const Meldung falsch = ausfuehren([&](Ftpsitzung& s) { s.verbinden(z); });
    EXPECT_FALSE(falsch.ok);
    EXPECT_EQ(falsch.fehler.toStdString(),
              QStringLiteral("Das Zertifikat von localhost (Port %1) ist nicht vertrauenswürdig (für einen anderen Namen "
                             "ausgestellt). SHA-256: %2")
                  .arg(server.port)
                  .arg(QString::fromLatin1(fingerabdruck))
                  .toStdString());
    EXPECT_EQ(passwoerter(server), 0);
    const Meldung richtig = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    EXPECT_TRUE(richtig.ok) << richtig.fehler.toStdString();
    EXPECT_EQ(boxen.gezeigt.size(), 1);  // only the name was asked about
}

// A server that took TLS never gets the login in clear within the session:
// when it answers a new connection without TLS (its offer suppressed on
// the way), the command ends before USER.
TEST_F(VsftpdZertifikat, NachTlsKeineAnmeldungImKlaren)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    const Vertrauen vertrauen(zertifikat);
    Ftpsitzung sitzung;
    Mitschrift ausfuehren(sitzung);
    ASSERT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); }).ok);
    ASSERT_TRUE(ausfuehren([](Ftpsitzung& s) { s.hochladen({}, QByteArray("1"), "a.csv"); }).ok);

    ASSERT_TRUE(server.neuStarten({})) << server.ausgabe().toStdString();
    const qsizetype vorher = server.befehle().size();
    const Meldung m = ausfuehren([](Ftpsitzung& s) { s.hochladen({}, QByteArray("2"), "b.csv"); });
    EXPECT_FALSE(m.ok);
    EXPECT_EQ(m.fehler.toStdString(),
              QStringLiteral("Der Server 127.0.0.1 (Port %1) bietet keine Verschlüsselung mehr an: ohne sie keine "
                             "Anmeldung !")
                  .arg(server.port)
                  .toStdString());
    const QStringList danach = server.befehle().mid(vorher);
    EXPECT_TRUE(danach.contains(QStringLiteral("AUTH TLS"))) << danach.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(danach.contains(QStringLiteral("USER anonymous")));
    EXPECT_FALSE(danach.contains(QStringLiteral("PASS <password>")));
    EXPECT_FALSE(QFileInfo::exists(server.datei(QStringLiteral("b.csv"))));
}

// A server whose own certificate the operator trusts and that then offers
// no TLS (vsftpd without it answers AUTH with 530): no password goes, and
// the operator reads that the server no longer offers encryption, not that
// the password is wrong.
TEST_F(VsftpdZertifikat, VertrauterServerOhneTlsIstKeinFalschesPasswort)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    ASSERT_TRUE(ZertifikatVertrauen(ZertifikatServer(QStringLiteral("ftp"), QStringLiteral("127.0.0.1"), server.port),
                                    fingerabdruck));
    ASSERT_TRUE(server.neuStarten({})) << server.ausgabe().toStdString();
    SoundAufnahme sound;
    const SoundAusgabeEinsetzen still(&sound);
    QStringList status;
    FtpStatusZiel([&](const QString& t) { status << t; });
    {
        Netzmodul modul([](const QString&) {});
        const FtpZugang z = server.zugang();
        int enden = 0;
        QString fehler;
        modul.siteErzeugen({z.host, z.port, z.kennung, z.passwort, QStringLiteral("web")},
                           [&](bool, const QString& f) {
                               ++enden;
                               fehler = f;
                           });
        ASSERT_TRUE(warten([&] { return enden > 0; }));
        const QString text = QStringLiteral("Der Server 127.0.0.1 (Port %1) bietet keine Verschlüsselung mehr an: ohne "
                                            "sie keine Anmeldung !")
                                 .arg(server.port);
        EXPECT_EQ(fehler.toStdString(), text.toStdString());
        EXPECT_TRUE(status.contains(text)) << status.join(QLatin1Char('|')).toStdString();
    }
    FtpStatusZiel({});
    EXPECT_TRUE(server.befehle().contains(QStringLiteral("AUTH TLS")));
    EXPECT_EQ(passwoerter(server), 0);
    EXPECT_TRUE(boxen.gezeigt.isEmpty());
}

// The trust of a server's own certificate is kept under its address in one
// form: "[0:0::1]" is the server trusted as "[::1]", not another one.
TEST(FtpZertifikat, VertrauenGiltFuerJedeSchreibweiseDerAdresse)
{
    QTemporaryDir tmp;
    const QString zertifikat = FtpTestserver::zertifikat(tmp.path());
    ASSERT_FALSE(zertifikat.isEmpty()) << "openssl could not make a certificate";
    FtpTestserver server({"--tls", zertifikat, "--adresse", "::1"});
    if (server.port == 0) GTEST_SKIP() << "no IPv6 loopback here";
    const Zertifikatsablage ablage;
    SkriptBoxen boxen;
    const BoxenEinsetzen eingesetzt(&boxen);
    ASSERT_TRUE(ZertifikatVertrauen(QStringLiteral("ftp://[::1]:%1").arg(server.port), OpensslFingerabdruck(zertifikat)));
    for (const char* host : {"[0:0::1]", "::1", "0:0:0:0:0:0:0:1"}) {
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        const Meldung m = ausfuehren([&](Ftpsitzung& s) {
            s.verbinden({QString::fromLatin1(host), server.port, FtpTestserver::Kennung, FtpTestserver::Passwort});
        });
        EXPECT_TRUE(m.ok) << host << ": " << m.fehler.toStdString();
    }
    EXPECT_TRUE(boxen.gezeigt.isEmpty()) << boxen.gezeigt.join(QLatin1Char('|')).toStdString();
}

namespace {

// Answers yes after it has done what it is given, inside the question.
struct BoxenMitTat : SkriptBoxen {
    std::function<void()> tat;
    int hinweisJa(const QString& text) override
    {
        gezeigt << text;
        if (tat) tat();
        return ErgebnisJa;
    }
};

}  // namespace

// The session ends while its question is open (its window closed): the
// worker, waiting for the answer, ends too, and the answer reaches no one.
TEST_F(VsftpdZertifikat, SitzungEndetWaehrendDerFrage)
{
    Vsftpd server({.zertifikat = zertifikat});
    ASSERT_NE(server.port, 0) << server.ausgabe().toStdString();
    BoxenMitTat fragen;
    const BoxenEinsetzen eingesetzt(&fragen);
    const int vorher = Ftpsitzung::aktiveArbeiter();
    int meldungen = 0;
    auto sitzung = std::make_unique<Ftpsitzung>();
    QObject::connect(sitzung.get(), &Ftpsitzung::erledigt, [&] { ++meldungen; });
    fragen.tat = [&] { sitzung.reset(); };
    sitzung->verbinden(server.zugang());
    sitzung->auflisten({});
    ASSERT_TRUE(warten([&] { return !sitzung; }));
    EXPECT_TRUE(warten([&] { return Ftpsitzung::aktiveArbeiter() == vorher; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(meldungen, 0);
    EXPECT_EQ(fragen.gezeigt.size(), 1);
    EXPECT_EQ(passwoerter(server), 0);
}
