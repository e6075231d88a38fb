// A match played on the simulated alley with the lane monitors on: each of
// the four lanes has its client (the monitor client tool, on an address of
// its own) reached by TCP. The clients receive the match's status at every
// phase change, the line-up of their side and the player data after every
// throw; the latest player message of each player carries what the lanes
// threw for him, and the last status says the game is over.

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "displays/Grossanzsteuerung.h"
#include "e2e/Spielaufbau.h"
#include "match/dienste/Anzeigeschicht.h"
#include "match/flow/Spielablauf.h"
#include "report/netz/Netzmodul.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Bahnen = 4;

// One monitor client tool listening on 127.0.0.<1 + lane>; the first one
// chooses a free port, the others take the same.
struct Client {
    std::unique_ptr<QProcess> prozess = std::make_unique<QProcess>();
    QString ausgabe;
    QString adresse;

    bool starten(const QString& ordner, int bahn, quint16& port)
    {
        adresse = QStringLiteral("127.0.0.%1").arg(1 + bahn);
        ausgabe = ordner + QStringLiteral("/monitor%1.txt").arg(bahn);
        prozess->start(QStringLiteral(MONITORCLIENT), {QStringLiteral("--adresse"), adresse, QStringLiteral("--port"),
                                                       QString::number(port), QStringLiteral("--ausgabe"), ausgabe});
        const QDeadlineTimer frist(20000);
        QByteArray gelesen;
        while (!frist.hasExpired() && !gelesen.contains('\n')) {
            if (!prozess->waitForReadyRead(200) && prozess->state() == QProcess::NotRunning) return false;
            gelesen += prozess->readAllStandardOutput();
        }
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("lauscht auf [0-9.]+:(\\d+)")).match(QString::fromUtf8(gelesen));
        if (!m.hasMatch()) return false;
        port = quint16(m.captured(1).toUInt());
        return true;
    }

    // "<sender>: <text>" lines received so far.
    QStringList zeilen() const
    {
        QFile f(ausgabe);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    ~Client()
    {
        prozess->kill();
        prozess->waitForFinished(5000);
    }
};

TEST(MonitorSpiel, EachLanesClientReceivesStatusLineUpAndPlayers)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Anlage anlage(SimVorgaben(20, 40, 40, 815));
    ProgrammZuruecksetzen(QDateTime(QDate(2026, 3, 14), QTime(19, 30)));
    ASSERT_TRUE(CanAnschliessen(&anlage.bus));

    std::vector<Client> clients(Bahnen);
    quint16 port = 0;
    for (int bahn = 1; bahn <= Bahnen; ++bahn) {
        ASSERT_TRUE(clients[std::size_t(bahn - 1)].starten(ordner.path(), bahn, port)) << "client " << bahn;
        TMonitorExport& e = Einst.MonitorExport[bahn];
        e.ExportTcpOn = true;
        e.ExportAdresse = clients[std::size_t(bahn - 1)].adresse;
    }
    Einst.MonitorAnzeige = true;

    Netzmodul netzmodul;
    netzmodul.nachrichten().setPort(port);
    NetzDiensteEinsetzen netzEin(&netzmodul);
    Displaydienste dienste;
    AnzeigeDiensteEinsetzen dienstEin(&dienste);

    Spielart a;
    a.spieleranzahl = 4;
    TWettkampfDaten* m = WettkampfAufbauen(a);
    ASSERT_TRUE(m);
    // "Monitoranzeige -> Einschalten".
    MonitorEinschalten();
    ASSERT_TRUE(m->MonitoreEin);

    // The messages leave on the event loop while the alley plays.
    anlage.beobachter = [&] {
        if (anlage.schritte % 10 == 0) QCoreApplication::processEvents();
    };
    SpielStarten(*m);
    ASSERT_TRUE(anlage.bis([m] { return m->Beendet != 0; }, 200000));
    anlage.beobachter = nullptr;
    ASSERT_TRUE(anlage.ausklingen());
    const QDeadlineTimer frist(60000);
    while (NetzBeschaeftigt > 0 && !frist.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(NetzBeschaeftigt, 0);

    // Per player: the fields of his latest "Spieler" message, the one with the
    // highest total (no throw was corrected, so totals only grow).
    std::map<int, QStringList> letzte;
    for (int bahn = 1; bahn <= Bahnen; ++bahn) {
        const QStringList zeilen = clients[std::size_t(bahn - 1)].zeilen();
        SCOPED_TRACE("client " + std::to_string(bahn));
        ASSERT_FALSE(zeilen.isEmpty());
        EXPECT_TRUE(zeilen.filter(QRegularExpression(QStringLiteral("^Mannschaft: "))).size() >= 1);
        const QStringList status = zeilen.filter(QRegularExpression(QStringLiteral("^Anzeige: ")));
        ASSERT_FALSE(status.isEmpty());
        EXPECT_EQ(status.last(), QStringLiteral("Anzeige: False;False;64"));
        for (const QString& z : zeilen.filter(QRegularExpression(QStringLiteral("^Spieler: ")))) {
            const QStringList f = z.mid(9).split(QLatin1Char(';'));
            ASSERT_EQ(f.size(), 14) << z.toStdString();
            QStringList& bisher = letzte[f[0].toInt()];
            if (bisher.isEmpty() || f[6].trimmed().toInt() >= bisher[6].trimmed().toInt()) bisher = f;
        }
    }
    // Every player's numbers as the lanes threw them: Volle, Abr, Fehler, Total.
    for (int nr : {1, 2, 3, 4, 9, 10, 11, 12}) {
        SCOPED_TRACE("player " + std::to_string(nr));
        ASSERT_TRUE(letzte.count(nr));
        const QStringList& f = letzte[nr];
        const Zaehlung z = anlage.sim.spielerZaehlung(nr);
        EXPECT_EQ(f[3].trimmed().toInt(), z.volle);
        EXPECT_EQ(f[4].trimmed().toInt(), z.abraeumen);
        EXPECT_EQ(f[5].trimmed().toInt(), z.fehler);
        EXPECT_EQ(f[6].trimmed().toInt(), z.gesamt());
    }
    ProgrammAbbauen();
}

}  // namespace
