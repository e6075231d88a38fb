#include "report/netz/Ftpsitzung.h"
#include "report/netz/Ftpverbindung.h"
#include "support/Ftpserver.h"
#include "support/QtDrucken.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using V = Ftpsitzung::Vorgang;

struct Meldung {
    V vorgang;
    bool ok;
    QString fehler, antwort;
    QStringList zeilen;
};

// The session's `erledigt` calls, and running a command to its end.
struct Mitschrift {
    explicit Mitschrift(Ftpsitzung& s) : sitzung(s)
    {
        QObject::connect(&s, &Ftpsitzung::erledigt, &s,
                         [this](V v, bool ok, const QString& f, const QString& a, const QStringList& z) {
                             liste << Meldung{v, ok, f, a, z};
                         });
    }
    Meldung operator()(const std::function<void(Ftpsitzung&)>& befehl)
    {
        const qsizetype n = liste.size();
        befehl(sitzung);
        if (!FtpTestserver::warten([&] { return liste.size() > n; }))
            return {V::Trennen, false, "(keine Meldung)", {}, {}};
        return liste.last();
    }
    Ftpsitzung& sitzung;
    QList<Meldung> liste;
};

void Schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(fehlt)");
}

// Whether `folge` occurs in `zeilen` in this order (other lines between).
bool InFolge(const QStringList& zeilen, const QStringList& folge)
{
    qsizetype i = 0;
    for (const QString& z : zeilen)
        if (i < folge.size() && z == folge[i]) ++i;
    return i == folge.size();
}

// 24 bytes that a text-mode transfer would change.
const char BinaerText[] = "Name;Volle\r\nZeile\n\x00\xff\xfe\r\r\n";
const QByteArray Binaer(BinaerText, sizeof BinaerText - 1);

class FtpsitzungTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(server.port, 0); }
    QString lokal(const QString& name) const { return tmp.filePath(name); }

    FtpTestserver server;
    QTemporaryDir tmp;
    Ftpsitzung sitzung;
    Mitschrift ausfuehren{sitzung};
};

}  // namespace

TEST(FtpOrdnerAus, TeiltAnJedemTrennerOhneLeereTeile)
{
    const struct {
        QString pfad;
        QStringList teile;
        bool vomWurzelordner;
    } faelle[] = {{"", {}, false},          {"a/b", {"a", "b"}, false}, {"/a\\b", {"a", "b"}, true},
                  {"\\live", {"live"}, true}, {"a//b/", {"a", "b"}, false}, {"/", {}, true}};
    for (const auto& f : faelle) {
        const FtpOrdner o = FtpOrdnerAus(f.pfad);
        EXPECT_EQ(o.teile, f.teile) << f.pfad.toStdString();
        EXPECT_EQ(o.vomWurzelordner, f.vomWurzelordner) << f.pfad.toStdString();
    }
}

// A port typed with the host names this server and goes before the port
// given apart; a bare IPv6 address and a port out of range stay the host.
TEST(FtpServerAus, PortMitDemHostGehtVor)
{
    const struct {
        QString host;
        quint16 port;
        QString host2;
        quint16 port2;
    } faelle[] = {{"127.0.0.1:2141", 21, "127.0.0.1", 2141}, {" ftp://ftp.verein.de:2121/ ", 0, "ftp.verein.de", 2121},
                  {"ftp.verein.de", 2121, "ftp.verein.de", 2121},  {"[::1]:2122", 21, "::1", 2122},
                  {"::1", 2121, "::1", 2121},                       {"fe80::1:21", 0, "fe80::1:21", 0},
                  {"h:0", 21, "h:0", 21},                           {"h:65536", 21, "h:65536", 21},
                  {"h:x", 21, "h:x", 21},                           {"h:", 21, "h:", 21}};
    for (const auto& f : faelle) {
        const FtpZugang z = FtpServerAus({f.host, f.port, "k", "p"});
        EXPECT_EQ(std::tuple(z.host, z.port, z.kennung, z.passwort),
                  std::tuple(f.host2, f.port2, QStringLiteral("k"), QStringLiteral("p")))
            << f.host.toStdString();
    }
}

// Connecting to "host:port" uses that port; when nothing answers there, the
// message names host and port as tried.
TEST_F(FtpsitzungTest, PortImServernamen)
{
    QTcpServer geschlossen;
    ASSERT_TRUE(geschlossen.listen(QHostAddress::LocalHost));
    const quint16 tot = geschlossen.serverPort();
    geschlossen.close();
    sitzung.setZeitlimit(300);
    const Meldung falsch = ausfuehren(
        [&](Ftpsitzung& s) { s.verbinden({QStringLiteral("127.0.0.1:%1").arg(tot), server.port, "kegler", "geheim"}); });
    EXPECT_EQ(std::tuple(falsch.ok, falsch.fehler),
              std::tuple(false, QStringLiteral("Keine Verbindung zu 127.0.0.1 (Port %1) !").arg(tot)));
    const Meldung gut = ausfuehren(
        [&](Ftpsitzung& s) { s.verbinden({QStringLiteral("127.0.0.1:%1").arg(server.port), tot, "kegler", "geheim"}); });
    EXPECT_TRUE(gut.ok) << gut.fehler.toStdString();
    EXPECT_EQ(FtpKeineVerbindungText({QStringLiteral("ftp://h:2121/"), 21, {}, {}}),
              QStringLiteral("Keine Verbindung zu h (Port 2121) !"));
    for (const auto& [host, text] : {std::pair{" ftp://ftp.verein.de:2121 ", "„ftp.verein.de“ (Port 2121)"},
                                     std::pair{"[::1]:2122", "„::1“ (Port 2122)"},
                                     std::pair{"FTP://ftp.verein.de", "„ftp.verein.de“ (Port 21)"}})
        // A host that does not answer as a server is named as it was tried:
        // the session hands over the name as read, without "ftp://", port
        // and brackets (a name that is no host is refused as typed).
        EXPECT_EQ(FtpFalscherServerText(FtpServerAus({QString::fromUtf8(host), 21, {}, {}})),
                  QStringLiteral("Falscher Server ! ") + QString::fromUtf8(text));
}

// The host as it goes into the address: a host name in its ASCII form, an
// IPv4 address or a bracketed IPv6 address; anything else is none.
TEST(FtpUrlHost, NurEinHost)
{
    const std::pair<QString, QByteArray> faelle[] = {
        {"127.0.0.1", "127.0.0.1"},
        {"ftp.verein.de", "ftp.verein.de"},
        {"ftp.verein.de.", "ftp.verein.de."},
        {"mein_ftp-1.verein.de", "mein_ftp-1.verein.de"},
        {"kegeln-münchen.de", "xn--kegeln-mnchen-3ob.de"},
        {"::1", "[::1]"},
        {"2001:DB8::1", "[2001:db8::1]"},
        {"ftp.verein.de/live", ""},
        {"127.0.0.1/x", ""},
        {"127.0.0.1#", ""},
        {"127.0.0.1?", ""},
        {"kegler@127.0.0.1", ""},
        {"127.0.0.1\\x", ""},
        {"127.0.0.1%2F", ""},
        {"ftp.kc adler.de", ""},
        {"127.0.0.1\n", ""},
        {"h:0", ""},
        {"127.0.0.1:2121:2121", ""},
        {"fe80::1%lo", ""},
        {"[::1]", ""},
        {"::1 ", ""},
        {" ::1", ""},
        {"::1%", ""},
        {"::1\n", ""},
        {"::1\t", ""},
        {"0:0::1", "[::1]"},
        {"::ffff:127.0.0.1", "[::ffff:127.0.0.1]"},
        {"-h.de", ""},
        {"h..de", ""},
        {"", ""},
    };
    for (const auto& [host, url] : faelle) {
        EXPECT_EQ(FtpUrlHost(host), url) << host.toStdString();
        // The same host without brackets: what the certificate is checked
        // against and its trust is kept under.
        EXPECT_EQ(FtpHost(host).toLatin1(), url.startsWith('[') ? url.mid(1, url.size() - 2) : url) << host.toStdString();
    }
}

// A server name that is not a host is refused as typed before any
// connection, to the server or anywhere; a name that is one reaches the
// port typed with it or set, and its failure names that host and port.
TEST_F(FtpsitzungTest, NurEinHostWirdVerbunden)
{
    QTcpServer geschlossen;
    ASSERT_TRUE(geschlossen.listen(QHostAddress::LocalHost));
    const quint16 tot = geschlossen.serverPort();
    geschlossen.close();
    const QString p = QString::number(server.port);
    sitzung.setZeitlimit(2000);

    const QString abgewiesen[] = {"127.0.0.1/x",
                                  "127.0.0.1#",
                                  "127.0.0.1?",
                                  "127.0.0.1/x:" + p,
                                  "localhost/live",
                                  "ftp://127.0.0.1/x",
                                  "127.0.0.1#:" + p,
                                  "127.0.0.1:" + p + "/x",
                                  "kegler@127.0.0.1",
                                  "127.0.0.1\\x",
                                  "127.0.0.1:" + p + ":" + p,
                                  "[127.0.0.1]:" + p,
                                  "127.0.0.1:0",
                                  " 127.0.0.1 x ",
                                  "[::1 ]:" + p,
                                  "[::1%]:" + p,
                                  "[::1\n]:" + p};
    const int vorher = Ftpsitzung::aufgebauteVerbindungen();
    for (const QString& name : abgewiesen) {
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden({name, server.port, "kegler", "geheim"}); });
        EXPECT_EQ(std::tuple(m.ok, m.fehler),
                  std::tuple(false, QStringLiteral("Falscher Server ! „%1“ (Port %2)").arg(name.trimmed(), p)))
            << name.toStdString();
    }
    EXPECT_EQ(Ftpsitzung::aufgebauteVerbindungen(), vorher);
    EXPECT_EQ(server.zeilen().join(u'|'), QString());

    const std::pair<QString, quint16> angenommen[] = {{"127.0.0.1", server.port},
                                                      {"ftp://127.0.0.1:" + p + "/", tot},
                                                      {"127.0.0.1 :" + p, tot},
                                                      {"FTP://127.0.0.1 : " + p, tot},
                                                      {"localhost:" + p, tot}};
    for (const auto& [name, port] : angenommen) {
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden({name, port, "kegler", "geheim"}); });
        EXPECT_TRUE(m.ok) << name.toStdString() << ": " << m.fehler.toStdString();
        ausfuehren([](Ftpsitzung& s) { s.trennen(); });
    }
    EXPECT_EQ(server.zeilen().count(QStringLiteral("USER kegler")), qsizetype(std::size(angenommen)));

    const Meldung keine = ausfuehren(
        [&](Ftpsitzung& s) { s.verbinden({QStringLiteral("127.0.0.1 :%1").arg(tot), server.port, "kegler", "geheim"}); });
    EXPECT_EQ(keine.fehler, QStringLiteral("Keine Verbindung zu 127.0.0.1 (Port %1) !").arg(tot));
}

TEST(FtpsitzungAnmeldung, KennungUndPasswort)
{
    const struct {
        QStringList optionen;
        QString passwort;
        bool ok;
    } faelle[] = {{{}, "geheim", true}, {{}, "falsch", false}, {{"--ablehnen"}, "geheim", false}};
    for (const auto& f : faelle) {
        FtpTestserver server(f.optionen);
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        FtpZugang z = server.zugang();
        z.passwort = f.passwort;
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden(z); });
        EXPECT_EQ(m.ok, f.ok) << f.passwort.toStdString();
        EXPECT_EQ(m.fehler, f.ok ? "" : "Falsche Benutzerkennung oder Passwort !");
        EXPECT_EQ(sitzung.verbunden(), f.ok);
    }
}

TEST_F(FtpsitzungTest, FehlschlaegeLassenDieSitzungBrauchbar)
{
    QTcpServer geschlossen, stumm, fremd, fremd6;
    ASSERT_TRUE(geschlossen.listen(QHostAddress::LocalHost) && stumm.listen(QHostAddress::LocalHost) &&
                fremd.listen(QHostAddress::LocalHost) && fremd6.listen(QHostAddress::LocalHostIPv6));
    const quint16 tot = geschlossen.serverPort();
    geschlossen.close();
    for (QTcpServer* s : {&fremd, &fremd6})
        QObject::connect(s, &QTcpServer::newConnection, [s] { s->nextPendingConnection()->write("500 nein\r\n"); });
    const struct {
        QString host;
        quint16 port;
        QString fehler;
    } faelle[] = {{"127.0.0.1", tot, QStringLiteral("Keine Verbindung zu 127.0.0.1 (Port %1) !").arg(tot)},
                  {"127.0.0.1", stumm.serverPort(),
                   QStringLiteral("Keine Verbindung zu 127.0.0.1 (Port %1) !").arg(stumm.serverPort())},
                  {"127.0.0.1", fremd.serverPort(),
                   QStringLiteral("Falscher Server ! „127.0.0.1“ (Port %1)").arg(fremd.serverPort())},
                  // Named as parsed: without "ftp://", the port typed with it and brackets.
                  {QStringLiteral(" ftp://127.0.0.1:%1 ").arg(fremd.serverPort()), 21,
                   QStringLiteral("Falscher Server ! „127.0.0.1“ (Port %1)").arg(fremd.serverPort())},
                  {QStringLiteral("[::1]:%1").arg(fremd6.serverPort()), 21,
                   QStringLiteral("Falscher Server ! „::1“ (Port %1)").arg(fremd6.serverPort())},
                  {" ", server.port, QStringLiteral("Falscher Server ! „“ (Port %1)").arg(server.port)},
                  {"ftp.kc adler.de", 0, "Falscher Server ! „ftp.kc adler.de“ (Port 21)"}};
    sitzung.setZeitlimit(300);
    for (const auto& f : faelle) {
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden({f.host, f.port, "kegler", "geheim"}); });
        EXPECT_FALSE(m.ok);
        EXPECT_EQ(m.fehler, f.fehler) << f.port;
        EXPECT_FALSE(sitzung.verbunden());
        EXPECT_EQ(ausfuehren([](Ftpsitzung& s) { s.auflisten({}); }).fehler, "Keine Verbindung !");
        EXPECT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); }).ok);
    }
}

TEST_F(FtpsitzungTest, HochladenBinaerInDenOrdnerUndAuflisten)
{
    ASSERT_TRUE(QDir(server.wurzel()).mkpath("a/b"));
    Schreiben(lokal("Update.csv"), Binaer);
    ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    const Meldung hoch =
        ausfuehren([&](Ftpsitzung& s) { s.hochladen(FtpOrdnerAus("a/b"), lokal("Update.csv"), "Update.csv"); });
    ASSERT_TRUE(hoch.ok) << hoch.fehler.toStdString();
    EXPECT_TRUE(hoch.antwort.startsWith("226"));
    EXPECT_EQ(Lesen(server.datei("a/b/Update.csv")), Binaer);
    EXPECT_TRUE(InFolge(server.zeilen(), {"PWD", "CWD a", "CWD b", "TYPE I", "STOR Update.csv"}))
        << server.zeilen().join('|').toStdString();

    // The next command starts from the login folder again, in text mode.
    const Meldung liste = ausfuehren([](Ftpsitzung& s) { s.auflisten(FtpOrdnerAus("a/b")); });
    ASSERT_EQ(liste.zeilen.size(), 1);
    const QStringList felder = liste.zeilen[0].split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(felder.size(), 9) << liste.zeilen[0].toStdString();
    EXPECT_TRUE(felder[0].startsWith("-rw"));
    EXPECT_EQ(felder[4], "24");
    EXPECT_EQ(felder[8], "Update.csv");
    EXPECT_TRUE(InFolge(server.zeilen(), {"STOR Update.csv", "CWD /", "CWD a", "CWD b", "TYPE A", "LIST"}));

    EXPECT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.hochladen({{"b"}, false}, lokal("fehlt.csv"), "x.csv"); })
                    .fehler.contains("fehlt.csv"));
}

TEST_F(FtpsitzungTest, OrdnerUmbenennenHerunterladenLoeschen)
{
    Schreiben(server.datei("alt.txt"), Binaer);
    Schreiben(lokal("kopie.txt"), "bleibt");
    ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    const FtpOrdner oben;
    EXPECT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.ordnerAnlegen(oben, "Bilder ä"); }).ok);
    EXPECT_TRUE(QFileInfo(server.datei("Bilder ä")).isDir());
    EXPECT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.umbenennen(oben, "alt.txt", "neu.txt"); }).ok);
    EXPECT_TRUE(QFile::exists(server.datei("neu.txt")));
    const Meldung fehlt = ausfuehren([&](Ftpsitzung& s) { s.herunterladen(oben, "alt.txt", lokal("kopie.txt")); });
    EXPECT_FALSE(fehlt.ok);
    EXPECT_TRUE(fehlt.fehler.startsWith("Der Server lehnt ab: 550")) << fehlt.fehler.toStdString();
    EXPECT_EQ(Lesen(lokal("kopie.txt")), "bleibt");
    EXPECT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.herunterladen(oben, "neu.txt", lokal("kopie.txt")); }).ok);
    EXPECT_EQ(Lesen(lokal("kopie.txt")), Binaer);
    EXPECT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.loeschen(oben, "neu.txt"); }).ok);
    EXPECT_FALSE(QFile::exists(server.datei("neu.txt")));
    EXPECT_TRUE(
        InFolge(server.zeilen(), {"MKD Bilder ä", "RNFR alt.txt", "RNTO neu.txt", "RETR neu.txt", "DELE neu.txt"}));
}

TEST_F(FtpsitzungTest, FuehrenderTrennerBeginntAmWurzelordner)
{
    ASSERT_TRUE(QDir(server.wurzel()).mkpath("a"));
    Schreiben(lokal("x.js"), "var a;");
    ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.hochladen(FtpOrdnerAus("/a/"), lokal("x.js"), "x.js"); });
    EXPECT_TRUE(m.ok) << m.fehler.toStdString();
    EXPECT_EQ(Lesen(server.datei("a/x.js")), "var a;");
    EXPECT_TRUE(InFolge(server.zeilen(), {"CWD /", "CWD a", "STOR x.js"}));
    EXPECT_FALSE(server.zeilen().contains("CWD "));
}

// An upload into a folder whose first part is there and whose deeper ones
// are not: the missing ones are made below the existing one, and the file
// arrives.
TEST_F(FtpsitzungTest, TieferFehlenderOrdnerUnterEinemVorhandenen)
{
    ASSERT_TRUE(QDir(server.wurzel()).mkpath("live"));
    Schreiben(server.datei("live/alt.csv"), "bleibt");
    Schreiben(lokal("Update.csv"), Binaer);
    ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    for (const char* ordner : {"live/2026", "live/2027/runde1"}) {
        const Meldung m = ausfuehren(
            [&](Ftpsitzung& s) { s.hochladen(FtpOrdnerAus(ordner), lokal("Update.csv"), "Update.csv"); });
        EXPECT_TRUE(m.ok) << ordner << ": " << m.fehler.toStdString();
        EXPECT_EQ(Lesen(server.datei(QString::fromLatin1(ordner) + "/Update.csv")), Binaer) << ordner;
    }
    EXPECT_EQ(Lesen(server.datei("live/alt.csv")), "bleibt");
    EXPECT_EQ(QDir(server.wurzel()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"live"});
}

// One session on a server with a home folder: after a command in "/" an
// upload to a relative folder lands below the home folder again, not below
// the root.
TEST(FtpsitzungHeimordner, NachDemWurzelordnerWiederImHeimordner)
{
    FtpTestserver heim({QStringLiteral("--heimordner"), QStringLiteral("heim")});
    ASSERT_NE(heim.port, 0);
    for (const char* ordner : {"heim/live", "live"}) ASSERT_TRUE(QDir(heim.wurzel()).mkpath(ordner));
    QTemporaryDir tmp;
    Schreiben(tmp.filePath("Update.csv"), Binaer);
    Ftpsitzung sitzung;
    Mitschrift ausfuehren(sitzung);
    ASSERT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.verbinden(heim.zugang()); }).ok);
    const Meldung wurzel = ausfuehren([](Ftpsitzung& s) { s.auflisten(FtpOrdnerAus("/")); });
    ASSERT_TRUE(wurzel.ok) << wurzel.fehler.toStdString();
    EXPECT_TRUE(wurzel.zeilen.filter(QRegularExpression(" heim$")).size() == 1) << wurzel.zeilen.join('|').toStdString();
    const Meldung m = ausfuehren(
        [&](Ftpsitzung& s) { s.hochladen(FtpOrdnerAus("live"), tmp.filePath("Update.csv"), "Update.csv"); });
    EXPECT_TRUE(m.ok) << m.fehler.toStdString();
    EXPECT_EQ(Lesen(heim.datei("heim/live/Update.csv")), Binaer);
    EXPECT_FALSE(QFileInfo::exists(heim.datei("live/Update.csv")));
}

TEST_F(FtpsitzungTest, TrennenSchicktQuit)
{
    ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    EXPECT_TRUE(ausfuehren([](Ftpsitzung& s) { s.trennen(); }).ok);
    EXPECT_EQ(server.zeilen().last(), "QUIT");
    EXPECT_FALSE(sitzung.verbunden());
    EXPECT_EQ(ausfuehren([](Ftpsitzung& s) { s.auflisten({}); }).fehler, "Keine Verbindung !");
    EXPECT_EQ(server.zeilen().last(), "QUIT");
}

// A server that refuses active mode, or never answers PORT (a firewall drops
// its connection back), gets the file passively, and the rest of the
// session goes passive at once.
TEST(FtpsitzungDaten, OhneAktivenModusPassivFuerDenRestDerSitzung)
{
    for (const char* art : {"--nur-passiv", "--port-stumm"}) {
        SCOPED_TRACE(art);
        FtpTestserver server({art});
        QTemporaryDir tmp;
        Schreiben(tmp.filePath("u.csv"), Binaer);
        Ftpsitzung sitzung;
        sitzung.setZeitlimit(3000);
        Mitschrift ausfuehren(sitzung);
        ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
        for (const char* name : {"eins.csv", "zwei.csv"}) {
            const auto e = ausfuehren([&](Ftpsitzung& s) { s.hochladen({}, tmp.filePath("u.csv"), name); });
            EXPECT_TRUE(e.ok) << name << ": " << e.fehler.toStdString() << " | "
                              << server.zeilen().join(u'|').toStdString();
        }
        EXPECT_EQ(Lesen(server.datei("eins.csv")), Binaer);
        EXPECT_EQ(Lesen(server.datei("zwei.csv")), Binaer);
        QStringList woerter;  // the command words
        for (const QString& z : server.zeilen()) woerter << z.section(' ', 0, 0);
        EXPECT_TRUE(InFolge(woerter, {"EPRT", "EPSV", "STOR", "EPSV", "STOR"})) << woerter.join('|').toStdString();
        EXPECT_EQ(woerter.count("STOR"), 2) << woerter.join('|').toStdString();
    }
}

TEST(FtpsitzungDaten, BefehleDerReiheNachOhneDieOberflaecheAufzuhalten)
{
    FtpTestserver server({"--verzoegerung", "0.05"});
    Ftpsitzung sitzung;
    Mitschrift mit(sitzung);
    int takte = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] { ++takte; });
    takt.start(10);
    sitzung.verbinden(server.zugang());
    sitzung.ordnerAnlegen({}, "x");
    sitzung.auflisten({});
    sitzung.trennen();
    EXPECT_EQ(sitzung.offen(), 4);
    EXPECT_TRUE(sitzung.verbunden());
    ASSERT_TRUE(FtpTestserver::warten([&] { return mit.liste.size() == 4; }));
    EXPECT_EQ(sitzung.offen(), 0);
    const QList<V> folge{mit.liste[0].vorgang, mit.liste[1].vorgang, mit.liste[2].vorgang, mit.liste[3].vorgang};
    EXPECT_EQ(folge, (QList<V>{V::Verbinden, V::OrdnerAnlegen, V::Auflisten, V::Trennen}));
    EXPECT_EQ(mit.liste[2].zeilen.size(), 1);
    EXPECT_GE(takte, 10);
}

TEST(FtpsitzungDaten, ZerstoertMittenInDerUebertragung)
{
    FtpTestserver server({"--drossel", "20000"});
    QTemporaryDir tmp;
    Schreiben(tmp.filePath("gross.bin"), QByteArray(1 << 20, 'k'));
    const int vorher = Ftpsitzung::aktiveArbeiter();
    int meldungen = 0;
    auto sitzung = std::make_unique<Ftpsitzung>();
    QObject::connect(sitzung.get(), &Ftpsitzung::erledigt, [&] { ++meldungen; });
    sitzung->verbinden(server.zugang());
    sitzung->hochladen({}, tmp.filePath("gross.bin"), "gross.bin");
    ASSERT_TRUE(FtpTestserver::warten([&] { return QFileInfo(server.datei("gross.bin")).size() > 0; }));
    sitzung.reset();
    EXPECT_TRUE(FtpTestserver::warten([&] { return Ftpsitzung::aktiveArbeiter() == vorher; }, 5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(meldungen, 1);
    EXPECT_LT(QFileInfo(server.datei("gross.bin")).size(), 1 << 20);
}

// The server resets the data connection during an upload before its reply
// could be read: the transfer broke, the connection did not.
TEST(FtpsitzungDaten, AbgerissenerUploadIstUnterbrochenNichtOhneVerbindung)
{
    FtpTestserver server({"--abbruch-nach", "65536"});
    QTemporaryDir tmp;
    Schreiben(tmp.filePath("gross.bin"), QByteArray(16 << 20, 'k'));
    Ftpsitzung sitzung;
    sitzung.setZeitlimit(5000);
    Mitschrift ausfuehren(sitzung);
    ASSERT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); }).ok);
    const auto e = ausfuehren([&](Ftpsitzung& s) { s.hochladen({}, tmp.filePath("gross.bin"), "gross.bin"); });
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.fehler.toStdString(), "Die Übertragung von „gross.bin“ wurde unterbrochen !")
        << server.zeilen().join(u'|').toStdString();
}

// A transfer whose data connection the server refuses (425; 522 for want of
// a resumed TLS session) or loses (426), that breaks before the server's
// reply, or that the server holds shorter than sent, is given again on a
// new login, up to three times; then the last reply is told (not the old
// connection's goodbye), and a short file is deleted. Other refusals are
// final.
TEST(FtpsitzungDaten, AbgewiesenerUploadAufNeuerAnmeldung)
{
    const QString s522 = QStringLiteral("522 SSL connection failed: session reuse required.");
    const QByteArray inhalt = Binaer.repeated(4096);
    // Still being sent when the server breaks the data connection.
    const QByteArray gross(16 << 20, 'k');
    const struct {
        QStringList optionen;
        bool ok;
        qsizetype stors;  // = logins
        QString fehler;
        const QByteArray& bytes;
    } faelle[] = {
        {{"--stor-antwort", s522, "--stor-antwort-mal", "2"}, true, 3, {}, inhalt},
        {{"--stor-antwort", s522}, false, 4, "Der Server lehnt ab: " + s522, inhalt},
        {{"--stor-antwort", "425 Unable to build data connection: Operation not permitted", "--stor-antwort-mal", "1"},
         true, 2, {}, inhalt},
        {{"--stor-antwort", "426 Failure reading network stream.", "--stor-antwort-mal", "3"}, true, 4, {}, inhalt},
        {{"--stor-antwort", "550 Permission denied."}, false, 1, "Der Server lehnt ab: 550 Permission denied.", inhalt},
        {{"--abbruch-nach", "65536", "--abbruch-mal", "1"}, true, 2, {}, gross},
        {{"--unvollstaendig-mal", "1"}, true, 2, {}, inhalt},
        {{"--unvollstaendig-mal", "-1"}, false, 4, "„u.bin“ kam unvollständig an: der Server hat 49152 von 98304 Bytes !",
         inhalt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.optionen.join(u' ').toStdString());
        FtpTestserver server(f.optionen);
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        ASSERT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); }).ok);
        const qsizetype vorher = server.zeilen().size();
        const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.hochladen({}, f.bytes, "u.bin"); });
        const QStringList zeilen = server.zeilen().mid(vorher);
        EXPECT_EQ(std::tuple(m.ok, m.fehler.toStdString()), std::tuple(f.ok, f.fehler.toStdString()))
            << zeilen.join(u'|').toStdString();
        EXPECT_EQ(zeilen.count("STOR u.bin"), f.stors) << zeilen.join(u'|').toStdString();
        EXPECT_EQ(zeilen.count("USER kegler"), f.stors - 1) << zeilen.join(u'|').toStdString();
        EXPECT_TRUE(Lesen(server.datei("u.bin")) == (f.ok ? f.bytes : QByteArray("(fehlt)")));
    }
}

// The server requires TLS for the login and the data: that the login and
// the transfers succeed shows they went encrypted. The certificate is
// checked: the session trusts the test's certificate, not an unknown one.
TEST(FtpsitzungTls, AnmeldungUndDatenVerschluesselt)
{
    QTemporaryDir tmp;
    const QString zertifikat = FtpTestserver::zertifikat(tmp.path());
    ASSERT_FALSE(zertifikat.isEmpty()) << "openssl could not make a certificate";
    FtpTestserver server({"--tls", zertifikat});
    ASSERT_NE(server.port, 0);
    Schreiben(tmp.filePath("u.csv"), Binaer);

    struct Vertrauen {
        explicit Vertrauen(const QString& datei) { Ftpsitzung::setZertifikate(datei); }
        ~Vertrauen() { Ftpsitzung::setZertifikate({}); }
    };
    {
        const Vertrauen vertrauen(zertifikat);
        Ftpsitzung sitzung;
        Mitschrift ausfuehren(sitzung);
        const Meldung an = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
        ASSERT_TRUE(an.ok) << an.fehler.toStdString();
        const Meldung hoch = ausfuehren([&](Ftpsitzung& s) { s.hochladen({}, tmp.filePath("u.csv"), "u.csv"); });
        EXPECT_TRUE(hoch.ok) << hoch.fehler.toStdString() << server.zeilen().join('|').toStdString();
        EXPECT_EQ(Lesen(server.datei("u.csv")), Binaer);
        EXPECT_EQ(ausfuehren([](Ftpsitzung& s) { s.auflisten({}); }).zeilen.size(), 1);
        EXPECT_TRUE(InFolge(server.zeilen(), {"AUTH TLS", "USER kegler", "PASS ****", "PBSZ 0", "PROT P", "STOR u.csv"}))
            << server.zeilen().join('|').toStdString();
    }

    // A certificate nobody vouches for: no login at all, and the text says
    // why (the operator, asked, does not trust it).
    const qsizetype vorher = server.zeilen().size();
    Ftpsitzung sitzung;
    Mitschrift ausfuehren(sitzung);
    const Meldung m = ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    EXPECT_FALSE(m.ok);
    EXPECT_TRUE(m.fehler.startsWith(
        QStringLiteral("Das Zertifikat von 127.0.0.1 (Port %1) ist nicht vertrauenswürdig (selbst signiert). SHA-256: ")
            .arg(server.port)))
        << m.fehler.toStdString();
    EXPECT_FALSE(server.zeilen().mid(vorher).contains("PASS ****"));
}

// A server without TLS refuses AUTH; the session logs in as before.
TEST_F(FtpsitzungTest, OhneTlsWieBisher)
{
    Schreiben(lokal("u.csv"), Binaer);
    ASSERT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); }).ok);
    EXPECT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.hochladen({}, lokal("u.csv"), "u.csv"); }).ok);
    EXPECT_EQ(Lesen(server.datei("u.csv")), Binaer);
    EXPECT_TRUE(InFolge(server.zeilen(), {"AUTH TLS", "USER kegler", "PASS ****", "STOR u.csv"}));
    EXPECT_FALSE(server.zeilen().contains("PROT P"));
}

// A listing that never ends is broken off, and the session goes on.
TEST(FtpsitzungDaten, EndloseListeWirdAbgebrochen)
{
    FtpTestserver server({"--endlose-liste"});
    Ftpsitzung sitzung;
    Mitschrift ausfuehren(sitzung);
    ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); });
    const Meldung m = ausfuehren([](Ftpsitzung& s) { s.auflisten({}); });
    EXPECT_FALSE(m.ok);
    EXPECT_EQ(m.fehler, QStringLiteral("Die Liste des Ordners ist länger als 16 MB: abgebrochen !"));
    EXPECT_TRUE(m.zeilen.isEmpty());
    EXPECT_TRUE(ausfuehren([](Ftpsitzung& s) { s.ordnerAnlegen({}, "danach"); }).ok);
    EXPECT_TRUE(QFileInfo(server.datei("danach")).isDir());
}

// A listing that trickles (a byte every 0.8 s: never below the stall limit)
// ends at its total time with a text that says so; the session goes on.
TEST(FtpsitzungDaten, TropfendeListeEndetNachIhrerGesamtzeit)
{
    FtpTestserver server({"--tropfliste", "0.8"});
    Ftpsitzung sitzung;
    sitzung.setZeitlimit(2000);
    Mitschrift ausfuehren(sitzung);
    ASSERT_TRUE(ausfuehren([&](Ftpsitzung& s) { s.verbinden(server.zugang()); }).ok);
    QElapsedTimer uhr;
    uhr.start();
    const Meldung m = ausfuehren([](Ftpsitzung& s) { s.auflisten({}); });
    EXPECT_EQ(std::tuple(m.ok, m.fehler.toStdString()),
              std::tuple(false, std::string("Die Liste des Ordners kam nicht innerhalb von 6 s: abgebrochen !")));
    EXPECT_GE(uhr.elapsed(), 6000);
    EXPECT_TRUE(ausfuehren([](Ftpsitzung& s) { s.ordnerAnlegen({}, "danach"); }).ok);
    EXPECT_TRUE(QFileInfo(server.datei("danach")).isDir());
}

// The total time of a command: three times the answer limit, for a file
// one second more for each 8 KB, for a download of unknown size half an hour.
TEST(FtpGesamtzeit, WaechstMitDerDatei)
{
    const struct {
        V vorgang;
        qint64 bytes;
        int zeitlimit;
        qint64 ms;
    } faelle[] = {
        {V::Auflisten, 0, 20000, 60000},          {V::Verbinden, 0, 20000, 60000},
        {V::Loeschen, 0, 1000, 3000},             {V::Hochladen, 0, 20000, 60000},
        {V::Hochladen, 2 << 20, 20000, 316000},   {V::Herunterladen, 8192, 1000, 4000},
        {V::Herunterladen, -1, 20000, 1800000},   {V::Auflisten, 0, 0, 60000},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(FtpIntern::GesamtzeitMs(f.vorgang, f.bytes, f.zeitlimit), f.ms)
            << int(f.vorgang) << " " << f.bytes << " " << f.zeitlimit;
}

// A worker stuck in a command (here opening a pipe nobody writes to) does
// not hold up the end of its session.
TEST(FtpsitzungDaten, EndeWartetNichtAufDenArbeiter)
{
    FtpTestserver server;
    QTemporaryDir tmp;
    const QByteArray rohr = QFile::encodeName(tmp.filePath("rohr"));
    ASSERT_EQ(::mkfifo(rohr.constData(), 0600), 0);
    const int vorher = Ftpsitzung::aktiveArbeiter();
    auto sitzung = std::make_unique<Ftpsitzung>();
    Mitschrift mit(*sitzung);
    // The upload follows the connect at once, on the same worker.
    sitzung->verbinden(server.zugang());
    sitzung->hochladen({}, QFile::decodeName(rohr), "rohr");
    ASSERT_TRUE(FtpTestserver::warten([&] { return !mit.liste.isEmpty(); }));
    ASSERT_TRUE(mit.liste[0].ok);

    QElapsedTimer uhr;
    uhr.start();
    sitzung.reset();
    EXPECT_LT(uhr.elapsed(), 500);

    // A writer lets the worker go on; it then ends by itself.
    const int schreiber = ::open(rohr.constData(), O_WRONLY | O_NONBLOCK);
    if (schreiber >= 0) ::close(schreiber);
    EXPECT_TRUE(FtpTestserver::warten([&] { return Ftpsitzung::aktiveArbeiter() == vorher; }));
}
