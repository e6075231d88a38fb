// Uploads against real FTP servers with their Debian defaults: vsftpd with
// TLS forced, proftpd with TLSRequired (also with TLS 1.3 alone), and both
// in plain FTP. "Site erzeugen" with a picture of about 100 KB, and uploads
// of 2 MB one after the other in one session, as the FTP browser makes
// them: every file arrives whole, or its failure is told; none is lost
// silently, and the servers refuse no data connection on the way.
//
// The suite runs 4 sites and 10 uploads per server; CORVALINK_FTP_MESSUNG=1
// runs the full measurement (20 and 50) and prints its figures.
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/flow/Zustand.h"
#include "report/netz/Ftpsitzung.h"
#include "report/netz/Netzmodul.h"
#include "support/Ftpserver.h"
#include "support/KernAufnahmen.h"
#include "support/Proftpd.h"
#include "support/Vsftpd.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

namespace {

struct Serverfall {
    const char* name;
    bool proftpd;
    bool tls;
    bool rsa;            // an RSA certificate (Debian's own), else an EC one
    bool tls12;          // the server allows TLS 1.2 with its defaults: one login per session
    QStringList zeilen;  // further lines of the server's TLS configuration
};

void PrintTo(const Serverfall& f, std::ostream* os) { *os << f.name; }

// Either server behind one face.
class Echtserver {
public:
    Echtserver(const Serverfall& f, const QString& zertifikat)
    {
        const QString pem = f.tls ? zertifikat : QString();
        if (f.proftpd)
            m_proftpd = std::make_unique<Proftpd>(Proftpd::Optionen{pem, f.zeilen});
        else
            m_vsftpd = std::make_unique<Vsftpd>(Vsftpd::Optionen{pem, 0, f.zeilen});
    }
    quint16 port() const { return m_proftpd ? m_proftpd->port : m_vsftpd->port; }
    FtpZugang zugang() const { return m_proftpd ? m_proftpd->zugang() : m_vsftpd->zugang(); }
    QString wurzel() const { return m_proftpd ? m_proftpd->wurzel() : m_vsftpd->wurzel(); }
    QString ausgabe() const { return m_proftpd ? m_proftpd->ausgabe() : m_vsftpd->ausgabe(); }
    // The logins so far.
    qsizetype anmeldungen() const
    {
        static const QRegularExpression user(QStringLiteral("^USER "));
        return (m_proftpd ? m_proftpd->protokoll() : m_vsftpd->befehle()).filter(user).size();
    }
    // The server's refusals of a data connection or transfer (425, 426,
    // 450, 522).
    QStringList ablehnungen() const
    {
        static const QRegularExpression code(QStringLiteral("(^| )(425|426|450|522)( |$)"));
        const QStringList zeilen = m_proftpd ? m_proftpd->protokoll() : m_vsftpd->antworten();
        return zeilen.filter(code);
    }

private:
    std::unique_ptr<Vsftpd> m_vsftpd;
    std::unique_ptr<Proftpd> m_proftpd;
};

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

bool Schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray Zufall(qsizetype n, quint32 saat)
{
    QByteArray b(n, Qt::Uninitialized);
    QRandomGenerator z(saat);
    z.fillRange(reinterpret_cast<quint32*>(b.data()), n / 4);
    return b;
}

// What became of the files: arrived whole, failure told, lost silently.
struct Bilanz {
    int ganz = 0, gemeldet = 0, verloren = 0;
    QStringList texte;
    void zaehlen(bool ok, bool gleich, const QString& fehler)
    {
        if (ok && gleich)
            ++ganz;
        else if (!ok && !fehler.isEmpty())
            ++gemeldet;
        else
            ++verloren;
        if (!fehler.isEmpty() && texte.size() < 5) texte << fehler;
    }
};

class FtpEchteServer : public ::testing::TestWithParam<Serverfall> {
protected:
    void SetUp() override
    {
        if (GetParam().proftpd && !Proftpd::vorhanden()) GTEST_SKIP() << Proftpd::fehlt().toStdString();
        ASSERT_TRUE(Vsftpd::vorhanden()) << "vsftpd is not installed (Debian package vsftpd)";
        zertifikat = FtpTestserver::zertifikat(tmp.path(), GetParam().rsa);
        ASSERT_FALSE(zertifikat.isEmpty()) << "openssl could not make a certificate";
        Ftpsitzung::setZertifikate(zertifikat);
        ZustandZuruecksetzen();
        Datenverzeichnis = daten.path();
        FtpStatusZiel([](const QString&) {});
    }
    void TearDown() override
    {
        Ftpsitzung::setZertifikate({});
        FtpStatusZiel({});
        Datenverzeichnis = m_daten;
        ZustandZuruecksetzen();
    }
    static int anzahl(int suite, int messung) { return qEnvironmentVariableIntValue("CORVALINK_FTP_MESSUNG") ? messung : suite; }

    QTemporaryDir tmp;
    QTemporaryDir daten;
    QString zertifikat;
    SoundAufnahme sound;
    SoundAusgabeEinsetzen m_sound{&sound};

private:
    QString m_daten = Datenverzeichnis;
};

}  // namespace

TEST_P(FtpEchteServer, JedeDateiKommtGanzAnOderWirdGemeldet)
{
    const Serverfall& fall = GetParam();
    Echtserver server(fall, zertifikat);
    ASSERT_NE(server.port(), 0) << server.ausgabe().toStdString();
    const FtpZugang z = server.zugang();

    // "Site erzeugen", each time into an emptied folder.
    const int sites = anzahl(4, 20);
    QList<QPair<QString, QByteArray>> site;
    for (const Sitedatei& d : Sitedateien) {
        const QString lokal = QString::fromLatin1(d.lokal);
        const QByteArray inhalt = lokal == QStringLiteral("Banner.png") ? Zufall(100 * 1024, 7)
                                                                        : QByteArray("Inhalt von ") + d.lokal + "\n";
        ASSERT_TRUE(Schreiben(daten.filePath(lokal), inhalt));
        site << qMakePair(QString::fromLatin1(d.name), inhalt);
    }
    Bilanz siteBilanz;
    {
        Netzmodul modul([](const QString&) {});
        const QString web = server.wurzel() + QStringLiteral("/verein/web");
        ASSERT_TRUE(QDir().mkpath(web));
        for (int lauf = 1; lauf <= sites; ++lauf) {
            for (const auto& [name, inhalt] : site) QFile::remove(web + QLatin1Char('/') + name);
            int enden = 0;
            bool ok = false;
            QString fehler;
            modul.siteErzeugen({z.host, z.port, z.kennung, z.passwort, QStringLiteral("verein/web")},
                               [&](bool o, const QString& f) {
                                   ++enden;
                                   ok = o;
                                   fehler = f;
                               });
            ASSERT_TRUE(warten([&] { return enden > 0; }, 180000)) << "Lauf " << lauf;
            bool gleich = true;
            for (const auto& [name, inhalt] : site)
                gleich = gleich && Lesen(web + QLatin1Char('/') + name) == inhalt;
            siteBilanz.zaehlen(ok, gleich, fehler);
        }
    }

    // 2 MB uploads one after the other over one session.
    const int grosse = anzahl(10, 50);
    Bilanz grossBilanz;
    {
        Ftpsitzung sitzung;
        QList<std::tuple<bool, QString>> enden;
        QObject::connect(&sitzung, &Ftpsitzung::erledigt, &sitzung,
                         [&](Ftpsitzung::Vorgang, bool ok, const QString& f) { enden << std::tuple(ok, f); });
        sitzung.verbinden(z);
        ASSERT_TRUE(warten([&] { return enden.size() == 1; }, 60000));
        ASSERT_TRUE(std::get<0>(enden[0])) << std::get<1>(enden[0]).toStdString();
        const QString lokal = tmp.filePath(QStringLiteral("gross.bin"));
        for (int i = 1; i <= grosse; ++i) {
            const QByteArray inhalt = Zufall(2 * 1024 * 1024, quint32(i));
            ASSERT_TRUE(Schreiben(lokal, inhalt));
            sitzung.hochladen({}, lokal, QStringLiteral("gross.bin"));
            ASSERT_TRUE(warten([&] { return enden.size() == i + 1; }, 180000)) << "Upload " << i;
            const auto& [ok, fehler] = enden.last();
            grossBilanz.zaehlen(ok, Lesen(server.wurzel() + QStringLiteral("/gross.bin")) == inhalt, fehler);
            QFile::remove(server.wurzel() + QStringLiteral("/gross.bin"));
        }
    }

    const QStringList ablehnungen = server.ablehnungen();
    const qsizetype anmeldungen = server.anmeldungen();
    std::cout << "[ Messung ] " << fall.name << ": Site " << siteBilanz.ganz << "/" << sites << " ganz ("
              << siteBilanz.gemeldet << " gemeldet, " << siteBilanz.verloren << " verloren), 2 MB " << grossBilanz.ganz
              << "/" << grosse << " ganz (" << grossBilanz.gemeldet << " gemeldet, " << grossBilanz.verloren
              << " verloren), Ablehnungen des Servers " << ablehnungen.size() << ", Anmeldungen " << anmeldungen
              << "\n";
    for (const QString& t : siteBilanz.texte + grossBilanz.texte) std::cout << "[ Messung ]   " << t.toStdString() << "\n";
    EXPECT_EQ(siteBilanz.verloren + grossBilanz.verloren, 0);
    EXPECT_EQ(siteBilanz.ganz, sites);
    EXPECT_EQ(grossBilanz.ganz, grosse);
    EXPECT_EQ(ablehnungen.size(), 0) << ablehnungen.mid(0, 5).join(QLatin1Char('\n')).toStdString();
    // Under TLS 1.3 each upload's successor goes on a new login; else the
    // session keeps its one.
    if (!fall.tls || fall.tls12) {
        EXPECT_EQ(anmeldungen, sites + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(, FtpEchteServer,
                         // vsftpd's ciphers (Debian's ECDHE-RSA-AES256-GCM-SHA384) allow TLS 1.2
                         // only with an RSA certificate.
                         ::testing::Values(Serverfall{"vsftpd_tls", false, true, false, false, {}},
                                           Serverfall{"vsftpd_tls_rsa", false, true, true, true, {}},
                                           Serverfall{"vsftpd_klar", false, false, false, false, {}},
                                           Serverfall{"proftpd_tls", true, true, false, true, {}},
                                           Serverfall{"proftpd_tls13", true, true, false, false, {"TLSProtocol TLSv1.3"}},
                                           Serverfall{"proftpd_klar", true, false, false, false, {}}),
                         [](const ::testing::TestParamInfo<Serverfall>& i) { return std::string(i.param.name); });
