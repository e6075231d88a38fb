// lanesim: lane controllers for trying the program without an alley. It
// answers registration and start on a CAN interface, plays the parts and
// reports throws from a script or at random, and prints what it does.

#include "lanesim/Bahnsimulator.h"
#include "lanesim/VirtualCanBruecke.h"
#include "lanesim/Wurfskript.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <map>
#include <utility>

namespace {

const QString Standardbus = QStringLiteral("virtualcan:tcp://127.0.0.1:35470/can0");

QTextStream& aus()
{
    static QTextStream s(stdout);
    return s;
}

QString Rahmen(const CanRohRahmen& r)
{
    QString text = QStringLiteral("%1 [%2]").arg(r.id, 3, 16, QLatin1Char('0')).arg(r.laenge);
    for (int i = 0; i < r.laenge; ++i) text += QStringLiteral(" %1").arg(r.daten[std::size_t(i)], 2, 16, QLatin1Char('0'));
    return text.toUpper();
}

// A whole number option within bounds; false with a message.
bool Zahl(const QCommandLineParser& p, const QCommandLineOption& o, int min, int max, int& wert)
{
    bool ok = false;
    const int n = p.value(o).toInt(&ok);
    if (!ok || n < min || n > max) {
        aus() << QStringLiteral("lanesim: --%1 erwartet eine Zahl von %2 bis %3\n").arg(o.names().last()).arg(min).arg(max);
        return false;
    }
    wert = n;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lanesim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Simuliert die Bahnsteuerungen einer Kegelbahn am CAN-Bus: beantwortet Anmeldung und Start,\n"
        "spielt die Durchgänge und meldet die Würfe aus einer Skriptdatei oder zufällig.\n"
        "\n"
        "Skriptdatei: je Zeile \"<Bahn>: <Würfe>\", z. B. \"1: 9 8 7 | 5 X 6\".\n"
        "  0..9   so viele Kegel (die stehenden mit der kleinsten Nummer)\n"
        "  X      alle stehenden Kegel (Abräumen: abgeräumt)\n"
        "  0x1FF  Kegelbild hexadezimal, Bit k-1 = Kegel k\n"
        "  5!     Übertritt (Flags 0x03), 5@01 Wurf mit Flags hexadezimal\n"
        "  |      wird übersprungen; # leitet einen Kommentar ein\n"
        "Bahnen ohne Skript (oder nach seinem Ende) werfen zufällig."));
    p.addHelpOption();
    p.addVersionOption();
    const QCommandLineOption schnittstelle({QStringLiteral("s"), QStringLiteral("schnittstelle")},
                                           QStringLiteral("CAN-Schnittstelle (plugin:schnittstelle), Vorgabe %1.").arg(Standardbus),
                                           QStringLiteral("text"),
                                           Standardbus);
    const QCommandLineOption bahnen({QStringLiteral("b"), QStringLiteral("bahnen")},
                                    QStringLiteral("Anzahl der Bahnen (1..16), Vorgabe 4."), QStringLiteral("n"),
                                    QStringLiteral("4"));
    const QCommandLineOption einheit({QStringLiteral("p"), QStringLiteral("pc-einheit")},
                                     QStringLiteral("PC-Einheit, auf die die Bahnen hören (1..8), Vorgabe 1."),
                                     QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption takt({QStringLiteral("t"), QStringLiteral("takt")},
                                  QStringLiteral("Länge eines Takts in Millisekunden, Vorgabe 50."), QStringLiteral("ms"),
                                  QStringLiteral("50"));
    const QCommandLineOption wurftakt({QStringLiteral("w"), QStringLiteral("wurftakt")},
                                      QStringLiteral("Takte von Wurf zu Wurf, Vorgabe 60."), QStringLiteral("takte"),
                                      QStringLiteral("60"));
    const QCommandLineOption verzoegerung({QStringLiteral("d"), QStringLiteral("verzoegerung")},
                                          QStringLiteral("Takte vom Startbefehl bis zum Durchgang, Vorgabe 40."),
                                          QStringLiteral("takte"), QStringLiteral("40"));
    const QCommandLineOption probe(QStringLiteral("probe"), QStringLiteral("Takte einer Probe, Vorgabe 100."),
                                   QStringLiteral("takte"), QStringLiteral("100"));
    const QCommandLineOption seed({QStringLiteral("z"), QStringLiteral("zufall")},
                                  QStringLiteral("Startwert der zufälligen Würfe, Vorgabe 1."), QStringLiteral("zahl"),
                                  QStringLiteral("1"));
    const QCommandLineOption skript({QStringLiteral("f"), QStringLiteral("skript")},
                                    QStringLiteral("Skriptdatei mit den Würfen je Bahn."), QStringLiteral("datei"));
    const QCommandLineOption rahmen({QStringLiteral("r"), QStringLiteral("rahmen")},
                                    QStringLiteral("Jeden Rahmen auf dem Bus ausgeben."));
    const QCommandLineOption tafeln(QStringLiteral("tafeln"),
                                    QStringLiteral("Jede geänderte Zeile der Namen- und Mannschaftsanzeigen ausgeben."));
    const QCommandLineOption taub(QStringLiteral("offline-taub"),
                                  QStringLiteral("Eine Bahn, die nicht online ist, überhört alles außer der Anmeldung."));
    const QCommandLineOption ohneDrucker(QStringLiteral("ohne-drucker"),
                                        QStringLiteral("Die Bahnen haben keine Drucker (196/197 bleiben ohne Antwort)."));
    const QCommandLineOption amStueck(
        QStringLiteral("durchgang-am-stueck"),
        QStringLiteral("Jede Bahn hält ihre Meldungen ab dem Beginn ihres Durchgangs; sobald keine Bahn mehr spielt,\n"
                       "übergeben alle sie auf einmal (wie Bahnen nach einer Störung)."));
    p.addOptions(
        {schnittstelle, bahnen, einheit, takt, wurftakt, verzoegerung, probe, seed, skript, rahmen, tafeln, taub,
         ohneDrucker, amStueck});
    p.process(app);

    Bahnsimulator::Vorgaben v;
    int taktMs = 50;
    int zufall = 1;
    if (!Zahl(p, bahnen, 1, 16, v.bahnen) || !Zahl(p, einheit, 1, 8, v.pcEinheit) || !Zahl(p, takt, 1, 10000, taktMs) ||
        !Zahl(p, wurftakt, 1, 100000, v.wurfTakt) || !Zahl(p, verzoegerung, 0, 100000, v.startVerzoegerung) ||
        !Zahl(p, probe, 0, 100000, v.probeTakte) || !Zahl(p, seed, 0, 0x7FFFFFFF, zufall))
        return 2;
    v.seed = std::uint32_t(zufall);
    v.offlineTaub = p.isSet(taub);
    v.drucker = !p.isSet(ohneDrucker);
    v.teilAufEinmal = p.isSet(amStueck);
    // The lane time runs in tenths of a minute: 6 s.
    v.zehntelTakt = std::max(6000 / taktMs, 1);

    Bahnsimulator sim(v);
    if (p.isSet(skript)) {
        QFile datei(p.value(skript));
        if (!datei.open(QIODevice::ReadOnly)) {
            aus() << QStringLiteral("lanesim: %1 nicht lesbar: %2\n").arg(datei.fileName(), datei.errorString());
            return 2;
        }
        QString fehler;
        const auto skripte = SkriptLesen(QString::fromUtf8(datei.readAll()), &fehler);
        if (!skripte) {
            aus() << QStringLiteral("lanesim: %1: %2\n").arg(datei.fileName(), fehler);
            return 2;
        }
        for (const auto& [bahn, wuerfe] : *skripte) {
            if (bahn > v.bahnen) continue;
            sim.setSkript(bahn, wuerfe);
            aus() << QStringLiteral("Bahn %1: %2 Würfe aus dem Skript\n").arg(bahn, 2).arg(wuerfe.size());
        }
    }
    sim.setProtokoll([](const QString& text) { aus() << text << '\n' << Qt::flush; });

    VirtualCanBruecke bruecke(sim);
    bruecke.setTaktMs(taktMs);
    if (p.isSet(rahmen)) {
        QObject::connect(&bruecke, &VirtualCanBruecke::vomPc,
                         [](const CanRohRahmen& r) { aus() << "PC   -> " << Rahmen(r) << '\n' << Qt::flush; });
        QObject::connect(&bruecke, &VirtualCanBruecke::zumPc,
                         [](const CanRohRahmen& r) { aus() << "Bahn -> " << Rahmen(r) << '\n' << Qt::flush; });
    }
    // Rows printed once the tick has handed the frames to the simulator, each
    // only when it changed.
    std::map<std::pair<bool, int>, QByteArray> gezeigt;
    if (p.isSet(tafeln)) {
        QObject::connect(&bruecke, &VirtualCanBruecke::vomPc, [&sim, &gezeigt](const CanRohRahmen& r) {
            const bool namen = r.id == sim.namenTafelId();
            if ((!namen && r.id != sim.mannschaftsTafelId()) || r.laenge != 8 || r.daten[0] != 234) return;
            const int zeile = (r.daten[1] >> 4) == 0 ? 16 : r.daten[1] >> 4;
            QTimer::singleShot(0, [&sim, &gezeigt, namen, zeile] {
                QByteArray z = namen ? sim.namenTafel(zeile) : sim.mannschaftsTafel(zeile);
                // Up to the last character written; a 0 byte inside shows as a blank.
                while (!z.isEmpty() && z.back() == '\0') z.chop(1);
                z.replace('\0', ' ');
                QByteArray& vorher = gezeigt[{namen, zeile}];
                if (z == vorher) return;
                vorher = z;
                aus() << (namen ? QStringLiteral("Namenanzeige Bahn %1: |%2|\n")
                                : QStringLiteral("Mannschaftsanzeige Zeile %1: |%2|\n"))
                             .arg(zeile, 2)
                             .arg(QString::fromLatin1(z))
                      << Qt::flush;
            });
        });
    }
    // Without the bus (the program that served it has ended) the lanes are gone too.
    QObject::connect(&bruecke, &VirtualCanBruecke::getrennt, &app, [&app] {
        aus() << QStringLiteral("lanesim: Verbindung zum CAN-Bus verloren\n") << Qt::flush;
        app.exit(1);
    });
    QString fehler;
    if (!bruecke.oeffnen(p.value(schnittstelle), &fehler)) {
        aus() << QStringLiteral("lanesim: %1\n").arg(fehler);
        return 1;
    }
    aus() << QStringLiteral("lanesim: Bahnen 1 bis %1 für PC-Einheit %2 auf %3, Takt %4 ms, Wurf alle %5 Takte\n")
                 .arg(v.bahnen)
                 .arg(v.pcEinheit)
                 .arg(p.value(schnittstelle))
                 .arg(taktMs)
                 .arg(v.wurfTakt)
          << Qt::flush;
    return app.exec();
}
