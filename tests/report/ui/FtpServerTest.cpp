// The FTP browser against the local test server: walking the folders,
// upload, download, rename, new folders, deleting, failures and closing.

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "core/ui/Fensterhub.h"
#include "match/dienste/Netzdienste.h"
#include "report/ui/Fensterregistrierung.h"
#include "report/netz/Netzmodul.h"
#include "report/ui/FtpServer.h"
#include "support/Ftpserver.h"
#include "support/ImDialog.h"
#include "support/QtDrucken.h"
#include "support/Programmordner.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <tuple>

namespace {

void Schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Eintraege(const QListWidget* l)
{
    QStringList namen;
    for (int i = 0; i < l->count(); ++i) namen << l->item(i)->text();
    return namen;
}

QListWidgetItem* Eintrag(const QListWidget* l, const QString& name)
{
    const QList<QListWidgetItem*> treffer = l->findItems(name, Qt::MatchExactly);
    return treffer.isEmpty() ? nullptr : treffer.first();
}

QStringList Kinder(const QTreeWidget* t, const QTreeWidgetItem* oben = nullptr)
{
    QStringList namen;
    const int n = oben ? oben->childCount() : t->topLevelItemCount();
    for (int i = 0; i < n; ++i) namen << (oben ? oben->child(i) : t->topLevelItem(i))->text(0);
    return namen;
}

// Which buttons are usable: Verbinden, Upload, Download, neuer Ordner,
// Inhalt anzeigen, Eintrag umbenennen, Eintrag löschen, Beenden.
using Knoepfe = std::tuple<bool, bool, bool, bool, bool, bool, bool, bool>;
Knoepfe Aktiv(const TFtpServer& d)
{
    return {d.BtnVerbinden->isEnabled(),  d.BtnUpload->isEnabled(),     d.BtnDownload->isEnabled(),
            d.BtnNeuerOrdner->isEnabled(), d.BtnInhalt->isEnabled(),    d.BtnUmbenennen->isEnabled(),
            d.BtnLoeschen->isEnabled(),   d.BtnBeenden->isEnabled()};
}

class FtpServer : public Programmordner {
protected:
    void SetUp() override
    {
        Programmordner::SetUp();
        ZustandZuruecksetzen();
        OrdnerSetzen(ordner.path());
        QDir().mkpath(Datenverzeichnis);
        ASSERT_NE(server.port, 0);
        QDir w(server.wurzel());
        ASSERT_TRUE(w.mkpath(QStringLiteral("web/Saison 2024")) && w.mkpath(QStringLiteral("bilder")));
        Schreiben(server.datei(QStringLiteral("liesmich.txt")), "Hallo");
        Schreiben(server.datei(QStringLiteral("web/index.html")), "<html/>");
        const FtpZugang z = server.zugang();
        FtpAktuell = {z.host, z.port, z.kennung, z.passwort, QString()};
    }
    // A closed window's session says goodbye on its own; it is gone before
    // the next test starts.
    void TearDown() override
    {
        EXPECT_TRUE(FtpTestserver::warten([] { return Ftpsitzung::aktiveArbeiter() == 0; }));
        Programmordner::TearDown();
    }

    void verbinden(TFtpServer& d)
    {
        d.BtnVerbinden->click();
        EXPECT_TRUE(fertig(d));
    }
    static bool fertig(const TFtpServer& d)
    {
        return FtpTestserver::warten([&] { return !d.beschaeftigt(); });
    }
    int befehle(const QString& befehl) const { return int(server.zeilen().count(befehl)); }
    // Connects, downloads the listed name to the file the browser proposes
    // and returns that proposal (empty when the download did not end).
    static QString HerunterladenWieVorgeschlagen(TFtpServer& d, const QString& name)
    {
        QString vorschlag;
        d.dateiSpeichern = [&](QWidget*, const QString& v) {
            vorschlag = v;
            return v;
        };
        d.show();
        d.BtnVerbinden->click();
        if (!fertig(d)) return {};
        d.ListFile->setCurrentItem(Eintrag(d.ListFile, name));
        d.BtnDownload->click();
        return fertig(d) ? vorschlag : QString();
    }

    FtpTestserver server;
};

// The walk down the path of FtpAktuell, a click in the tree, a double click
// on a folder and on ".."-like entries.
TEST_F(FtpServer, ConnectWalksDownThePath)
{
    FtpAktuell.pfad = QStringLiteral("/web\\");
    FarbeSetzen(u"ColorServer", 0x00A0B0C0);
    TFtpServer d;
    d.show();
    EXPECT_EQ(std::tuple(d.windowTitle(), d.PopupColorGround->text(), d.palette().color(QPalette::Window)),
              std::tuple(QStringLiteral("Ftp Server"), QStringLiteral("Hintergrundfarbe"), QColor(0xC0, 0xB0, 0xA0)));
    EXPECT_EQ(Aktiv(d), Knoepfe(true, false, false, false, false, false, false, true));

    d.BtnVerbinden->click();
    EXPECT_EQ(Aktiv(d), Knoepfe(false, false, false, false, false, false, false, true));  // while it works
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(d.StatusPanel->text(), QStringLiteral("List erfogreich ausgeführt"));
    EXPECT_EQ(Kinder(d.TreeDirectory), QStringList({"bilder", "web"}));
    QTreeWidgetItem* web = d.TreeDirectory->topLevelItem(1);
    EXPECT_EQ(std::tuple(Kinder(d.TreeDirectory, web), web->isExpanded(), d.TreeDirectory->currentItem() == web),
              std::tuple(QStringList({"Saison 2024"}), true, true));
    EXPECT_EQ(Eintraege(d.ListFile), QStringList({"Saison 2024", "index.html"}));
    EXPECT_EQ(std::tuple(d.pfad(), d.LPfadName->text(), d.LPfadName->toolTip()),
              std::tuple(QStringLiteral("web"), QStringLiteral("127.0.0.1/web"), QStringLiteral("127.0.0.1/web")));
    EXPECT_EQ(Aktiv(d), Knoepfe(true, true, false, true, true, false, false, true));

    // A folder is neither fetched nor renamed; a file is.
    d.ListFile->setCurrentItem(Eintrag(d.ListFile, QStringLiteral("Saison 2024")));
    EXPECT_EQ(std::tuple(d.EFile->text(), Aktiv(d)),
              std::tuple(QString(), Knoepfe(true, true, false, true, true, false, true, true)));
    d.ListFile->setCurrentItem(Eintrag(d.ListFile, QStringLiteral("index.html")));
    EXPECT_EQ(std::tuple(d.EFile->text(), Aktiv(d)),
              std::tuple(QStringLiteral("index.html"), Knoepfe(true, true, true, true, true, true, true, true)));
    if (const QString bilder = qEnvironmentVariable("CORVALINK_BILDER"); !bilder.isEmpty())
        d.grab().save(QDir(bilder).filePath(QStringLiteral("ftpserver.png")));

    emit d.ListFile->itemDoubleClicked(Eintrag(d.ListFile, QStringLiteral("index.html")));  // files: nothing
    EXPECT_FALSE(d.beschaeftigt());
    emit d.ListFile->itemDoubleClicked(Eintrag(d.ListFile, QStringLiteral("Saison 2024")));
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(std::tuple(d.pfad(), d.LPfadName->text(), Eintraege(d.ListFile)),
              std::tuple(QStringLiteral("web/Saison 2024"), QStringLiteral("127.0.0.1/web/Saison 2024"),
                         QStringList()));
    EXPECT_EQ(d.TreeDirectory->currentItem()->text(0), QStringLiteral("Saison 2024"));

    emit d.TreeDirectory->itemClicked(d.TreeDirectory->topLevelItem(0), 0);
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(std::tuple(d.pfad(), Eintraege(d.ListFile)), std::tuple(QStringLiteral("bilder"), QStringList()));
}

TEST_F(FtpServer, EmptyPathLoadsTheRootOnly)
{
    TFtpServer d;
    d.show();
    verbinden(d);
    EXPECT_EQ(befehle(QStringLiteral("LIST")), 1);
    EXPECT_EQ(Kinder(d.TreeDirectory), QStringList({"bilder", "web"}));
    EXPECT_EQ(Kinder(d.TreeDirectory, d.TreeDirectory->topLevelItem(1)), QStringList());
    EXPECT_EQ(Eintraege(d.ListFile), QStringList({"bilder", "web", "liesmich.txt"}));
    EXPECT_EQ(std::tuple(d.pfad(), d.LPfadName->text()), std::tuple(QString(), QStringLiteral("127.0.0.1")));
}

// Upload from the data folder under the file's own name, renaming by the
// box and in place, a new folder, download, and deleting a mixed selection.
TEST_F(FtpServer, FilesOnTheServer)
{
    FtpAktuell.pfad = QStringLiteral("web");
    const QString lokal = QDir(Datenverzeichnis).filePath(QStringLiteral("Spielplan 2024.csv"));
    Schreiben(lokal, "Heim;Gast\r\n");
    TFtpServer d;
    QString gefragterOrdner;
    d.dateiOeffnen = [&](QWidget*, const QString& o) {
        gefragterOrdner = o;
        return lokal;
    };
    d.show();
    verbinden(d);

    d.BtnUpload->click();
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(gefragterOrdner, Datenverzeichnis);
    EXPECT_EQ(Lesen(server.datei(QStringLiteral("web/Spielplan 2024.csv"))), QByteArray("Heim;Gast\r\n"));
    EXPECT_EQ(Eintraege(d.ListFile), QStringList({"Saison 2024", "Spielplan 2024.csv", "index.html"}));

    skriptBoxen().eingaben = {QStringLiteral("Plan.csv")};
    d.ListFile->setCurrentItem(Eintrag(d.ListFile, QStringLiteral("Spielplan 2024.csv")));
    d.BtnUmbenennen->click();
    ASSERT_TRUE(fertig(d));
    ASSERT_EQ(skriptBoxen().anfragen.size(), 1);
    const EingabeAnfrage& a = skriptBoxen().anfragen.first();
    EXPECT_EQ(std::tuple(a.beschriftung, a.hinweis, a.text, a.beliebigeZeichen),
              std::tuple(QStringLiteral("Name:"), QStringLiteral("Name eintragen"),
                         QStringLiteral("Spielplan 2024.csv"), true));  // names go to the server in UTF-8
    EXPECT_TRUE(QFile::exists(server.datei(QStringLiteral("web/Plan.csv"))));
    EXPECT_EQ(std::tuple(befehle(QStringLiteral("RNFR Spielplan 2024.csv")), befehle(QStringLiteral("RNTO Plan.csv"))),
              std::tuple(1, 1));
    EXPECT_EQ(std::tuple(Eintraege(d.ListFile), d.EFile->text(), d.StatusPanel->text()),
              std::tuple(QStringList({"Saison 2024", "Plan.csv", "index.html"}), QStringLiteral("Plan.csv"),
                         QStringLiteral("Rename erfogreich ausgeführt")));

    // In place: a file is renamed on the server, a folder keeps its caption.
    Eintrag(d.ListFile, QStringLiteral("index.html"))->setText(QStringLiteral("start.html"));
    ASSERT_TRUE(fertig(d));
    EXPECT_TRUE(QFile::exists(server.datei(QStringLiteral("web/start.html"))));
    Eintrag(d.ListFile, QStringLiteral("Saison 2024"))->setText(QStringLiteral("Saison"));
    EXPECT_FALSE(d.beschaeftigt());
    EXPECT_EQ(Eintraege(d.ListFile), QStringList({"Saison 2024", "Plan.csv", "start.html"}));

    skriptBoxen().eingaben = {QStringLiteral("Archiv")};
    d.BtnNeuerOrdner->click();
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(skriptBoxen().anfragen.last().beschriftung, QStringLiteral("Ordnername:"));
    EXPECT_TRUE(QFileInfo(server.datei(QStringLiteral("web/Archiv"))).isDir());
    EXPECT_EQ(Eintraege(d.ListFile), QStringList({"Archiv", "Saison 2024", "Plan.csv", "start.html"}));

    QString vorschlag;
    const QString geholt = ordner.filePath(QStringLiteral("geholt.csv"));
    d.dateiSpeichern = [&](QWidget*, const QString& v) {
        vorschlag = v;
        return geholt;
    };
    d.ListFile->setCurrentItem(Eintrag(d.ListFile, QStringLiteral("Plan.csv")));
    d.BtnDownload->click();
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(vorschlag, QDir(Datenverzeichnis).filePath(QStringLiteral("Plan.csv")));
    EXPECT_EQ(std::tuple(Lesen(geholt), d.StatusPanel->text()),
              std::tuple(QByteArray("Heim;Gast\r\n"), QStringLiteral("Download erfogreich ausgeführt")));

    // A "no" deletes nothing; "yes" deletes the files of the selection only.
    d.ListFile->selectAll();
    d.BtnLoeschen->click();
    EXPECT_FALSE(d.beschaeftigt());
    skriptBoxen().antworten = {ErgebnisJa};
    d.BtnLoeschen->click();
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(skriptBoxen().gezeigt.mid(2),
              QStringList({"Die ausgewählten Einträge löschen ?", "Die ausgewählten Einträge löschen ?"}));
    EXPECT_EQ(QDir(server.datei(QStringLiteral("web"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"Archiv", "Saison 2024"}));
    EXPECT_EQ(std::tuple(Eintraege(d.ListFile), d.EFile->text(), d.StatusPanel->text()),
              std::tuple(QStringList({"Archiv", "Saison 2024"}), QString(),
                         QStringLiteral("Delete erfogreich ausgeführt")));
    EXPECT_EQ(Aktiv(d), Knoepfe(true, true, false, true, true, false, true, true));
}

// A refused login and a path that does not exist show the server's failure
// and leave the window usable.
TEST_F(FtpServer, FailuresShowTheirText)
{
    FtpAktuell.passwort = QStringLiteral("falsch");
    TFtpServer d;
    d.show();
    verbinden(d);
    EXPECT_EQ(d.StatusPanel->text(), QStringLiteral("Falsche Benutzerkennung oder Passwort !"));
    EXPECT_EQ(Aktiv(d), Knoepfe(true, false, false, false, false, false, false, true));

    FtpAktuell.passwort = QString::fromLatin1(FtpTestserver::Passwort);
    FtpAktuell.pfad = QStringLiteral("web/fehlt/tiefer");
    verbinden(d);
    EXPECT_FALSE(d.StatusPanel->text().isEmpty());
    EXPECT_NE(d.StatusPanel->text(), QStringLiteral("List erfogreich ausgeführt"));
    EXPECT_EQ(std::tuple(d.pfad(), d.LPfadName->text(), Eintraege(d.ListFile)),
              std::tuple(QStringLiteral("web"), QStringLiteral("127.0.0.1/web"),
                         QStringList({"Saison 2024", "index.html"})));
    EXPECT_EQ(Aktiv(d), Knoepfe(true, true, false, true, true, false, false, true));

    // Without a user nothing is tried.
    FtpAktuell.kennung.clear();
    TFtpServer ohne;
    ohne.BtnVerbinden->click();
    EXPECT_FALSE(ohne.beschaeftigt());
}

// Opened by the window hub: FtpServerFenster points to it while it is open,
// and closing says goodbye to the server.
TEST_F(FtpServer, ClosingDisconnects)
{
    Fensterhub hub;
    const FensterDiensteEinsetzen eingesetzt(&hub);
    ReportFensterRegistrieren(hub);
    EXPECT_FALSE(ImDialog<TFtpServer>(hub, [] { return fenster().dialog(Dialog::FtpServer); }, [&](TFtpServer& d) {
        EXPECT_EQ(hub.FtpServerFenster.data(), &d);
        verbinden(d);
        EXPECT_EQ(d.StatusPanel->text(), QStringLiteral("List erfogreich ausgeführt"));
        d.BtnBeenden->click();
    }));
    EXPECT_FALSE(hub.FtpServerFenster);
    EXPECT_TRUE(FtpTestserver::warten([&] { return befehle(QStringLiteral("QUIT")) == 1; }));
}

// The browser opens where the live results go: below the login folder, or
// below the root for a folder typed with a leading "/".
TEST_F(FtpServer, StartsWhereTheUploadsGo)
{
    FtpTestserver heim({QStringLiteral("--heimordner"), QStringLiteral("heim")});
    ASSERT_NE(heim.port, 0);
    Einst.FtpPort = heim.port;
    Netzmodul modul([](const QString&) {});
    WettkampfBelegt[1] = 1;
    TWettkampfDaten& w = Wettkaempfe[1];
    w.FtpHost = QStringLiteral("127.0.0.1");
    w.FtpKennung = QString::fromLatin1(FtpTestserver::Kennung);
    w.FtpZugang = PasswortKodieren(QString::fromLatin1(FtpTestserver::Passwort));
    const struct {
        QString pfad, ordner, anzeige;
    } faelle[] = {{"live", "heim/live", "127.0.0.1/heim/live"}, {"/live", "live", "127.0.0.1/live"}};
    for (const auto& f : faelle) {
        ASSERT_TRUE(QDir(heim.wurzel()).mkpath(f.ordner));
        w.FtpPfad = f.pfad;
        modul.internetUpdate(w);
        ASSERT_TRUE(FtpTestserver::warten([&] { return modul.laufendeFtpAuftraege() == 0; }));
        ASSERT_TRUE(QFile::exists(heim.datei(f.ordner + QStringLiteral("/Update.csv"))))
            << heim.zeilen().join(QLatin1Char(' ')).toStdString();

        FtpAktuell = {w.FtpHost, heim.port, w.FtpKennung, QString::fromLatin1(FtpTestserver::Passwort), f.pfad};
        TFtpServer d;
        d.show();
        verbinden(d);
        EXPECT_EQ(std::tuple(Eintraege(d.ListFile), d.LPfadName->text()),
                  std::tuple(QStringList({"Update.csv"}), f.anzeige));
    }
}

// Listings with ISO dates keep the whole name: deleting acts on the file shown.
TEST_F(FtpServer, IsoDatesKeepTheWholeName)
{
    FtpTestserver iso({QStringLiteral("--iso-datum")});
    ASSERT_NE(iso.port, 0);
    Schreiben(iso.datei(QStringLiteral("mein Bericht.csv")), "mein");
    Schreiben(iso.datei(QStringLiteral("Bericht.csv")), "fremd");
    FtpAktuell.port = iso.port;
    TFtpServer d;
    d.show();
    verbinden(d);
    EXPECT_EQ(Eintraege(d.ListFile), QStringList({"Bericht.csv", "mein Bericht.csv"}));
    d.ListFile->setCurrentItem(Eintrag(d.ListFile, QStringLiteral("mein Bericht.csv")));
    skriptBoxen().antworten = {ErgebnisJa};
    d.BtnLoeschen->click();
    ASSERT_TRUE(fertig(d));
    EXPECT_FALSE(QFile::exists(iso.datei(QStringLiteral("mein Bericht.csv"))));
    EXPECT_EQ(Lesen(iso.datei(QStringLiteral("Bericht.csv"))), QByteArray("fremd"));
}

// A listed name that leads up the tree is shown as it is, but the download
// is offered as a plain file in the data folder.
TEST_F(FtpServer, DownloadStaysInTheChosenFolder)
{
    FtpTestserver zusatz({QStringLiteral("--listenzeile"),
                          QStringLiteral("-rw-r--r-- 1 kegler kegler 5 Jan 31 12:00 ../../boese.txt")});
    ASSERT_NE(zusatz.port, 0);
    Schreiben(zusatz.datei(QStringLiteral("boese.txt")), "boese");
    FtpAktuell.port = zusatz.port;
    TFtpServer d;
    const QString vorschlag = HerunterladenWieVorgeschlagen(d, QStringLiteral("../../boese.txt"));
    EXPECT_EQ(vorschlag, QDir(Datenverzeichnis).filePath(QStringLiteral(".._.._boese.txt")));
    EXPECT_EQ(Lesen(vorschlag), QByteArray("boese"));
    EXPECT_EQ(d.StatusPanel->text(), QStringLiteral("Download erfogreich ausgeführt"));
}

// A listed name that holds a "\\" is one name. A folder: a double click and
// a click on its tree node open it with one CWD, its node has no "a" above
// it. A file, in it or with such a name, is fetched into the data folder as
// one file, and the data folder gets no folders of its own.
TEST_F(FtpServer, ABackslashInAListedNameIsOneName)
{
    QDir w(server.wurzel());
    ASSERT_TRUE(w.mkpath(QStringLiteral("a\\b")) && w.mkpath(QStringLiteral("a/b")));
    Schreiben(server.datei(QStringLiteral("a\\b/innen.txt")), "innen");
    Schreiben(server.datei(QStringLiteral("a/b/falsch.txt")), "falsch");
    Schreiben(server.datei(QStringLiteral("x\\y.txt")), "xy");
    TFtpServer d;
    QString vorschlag;
    d.dateiSpeichern = [&](QWidget*, const QString& v) {
        vorschlag = v;
        return v;
    };
    d.show();
    verbinden(d);
    EXPECT_EQ(Kinder(d.TreeDirectory), QStringList({"a", "a\\b", "bilder", "web"}));
    d.ListFile->setCurrentItem(Eintrag(d.ListFile, QStringLiteral("x\\y.txt")));
    d.BtnDownload->click();
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(std::tuple(vorschlag, Lesen(vorschlag)),
              std::tuple(QDir(Datenverzeichnis).filePath(QStringLiteral("x_y.txt")), QByteArray("xy")));

    emit d.ListFile->itemDoubleClicked(Eintrag(d.ListFile, QStringLiteral("a\\b")));
    ASSERT_TRUE(fertig(d));
    const QTreeWidgetItem* ab = d.TreeDirectory->topLevelItem(1);
    EXPECT_EQ(std::tuple(Eintraege(d.ListFile), d.LPfadName->text(), d.TreeDirectory->currentItem() == ab,
                         Kinder(d.TreeDirectory, d.TreeDirectory->topLevelItem(0))),
              std::tuple(QStringList({"innen.txt"}), QStringLiteral("127.0.0.1/a\\b"), true, QStringList()));
    EXPECT_EQ(std::tuple(befehle(QStringLiteral("CWD a\\b")), befehle(QStringLiteral("CWD b"))), std::tuple(1, 0));

    d.ListFile->setCurrentItem(Eintrag(d.ListFile, QStringLiteral("innen.txt")));
    d.BtnDownload->click();
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(std::tuple(vorschlag, Lesen(vorschlag)),
              std::tuple(QDir(Datenverzeichnis).filePath(QStringLiteral("innen.txt")), QByteArray("innen")));
    EXPECT_EQ(QDir(Datenverzeichnis).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());

    emit d.TreeDirectory->itemClicked(d.TreeDirectory->topLevelItem(0), 0);
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(Eintraege(d.ListFile), QStringList({"b"}));
    emit d.TreeDirectory->itemClicked(d.TreeDirectory->topLevelItem(1), 0);
    ASSERT_TRUE(fertig(d));
    EXPECT_EQ(std::tuple(Eintraege(d.ListFile), d.pfad(), befehle(QStringLiteral("CWD b"))),
              std::tuple(QStringList({"innen.txt"}), QStringLiteral("a\\b"), 0));
}

// A listed name that starts with ":" is proposed and saved as the file of
// that name in the data folder, not read as one of the program's resources.
TEST_F(FtpServer, DownloadOfAColonNameIsAFileInTheDataFolder)
{
    Schreiben(server.datei(QStringLiteral(":Update.js")), "UpdateNow();");
    TFtpServer d;
    const QString vorschlag = HerunterladenWieVorgeschlagen(d, QStringLiteral(":Update.js"));
    const QString erwartet = QDir(Datenverzeichnis).absolutePath() + QStringLiteral("/:Update.js");
    EXPECT_EQ(vorschlag, erwartet);
    EXPECT_EQ(Lesen(erwartet), QByteArray("UpdateNow();"));
    EXPECT_EQ(QDir(Datenverzeichnis).entryList(QDir::Files), QStringList({":Update.js"}));
    EXPECT_EQ(d.StatusPanel->text(), QStringLiteral("Download erfogreich ausgeführt"));
}

}  // namespace
