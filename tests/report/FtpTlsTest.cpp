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

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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
    EXPECT_FALSE(server.antworten().contains(QStringLiteral("421 Timeout.")));
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
    EXPECT_EQ(ende.fehler.toStdString(),
              "„Banner.png“ nicht gesendet: Der Server lehnt ab: 451 Failure writing to local file.");
    EXPECT_FALSE(QFileInfo::exists(server.datei(QStringLiteral("web/Banner.png"))));
    EXPECT_TRUE(server.befehle().contains(QStringLiteral("DELE Banner.png")))
        << server.befehle().join(QLatin1Char('|')).toStdString();
    // The files after it went up all the same.
    EXPECT_EQ(Lesen(server.datei(QStringLiteral("web/style.css"))), "Inhalt von style.css\n");
    EXPECT_TRUE(status.contains(ende.fehler));
}
