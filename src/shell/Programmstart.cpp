#include "shell/Programmstart.h"

#include "competition/Chipkarte.h"
#include "core/Anzeigedienste.h"
#include "core/Clock.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "match/flow/Bahnzyklus.h"
#include "match/bus/CanEmpfang.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanLog.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckdienste.h"
#include "match/print/Druckwarteschlange.h"
#include "match/flow/Spielablauf.h"
#include "match/print/Wurfblattdruck.h"
#include "match/flow/TimerModul.h"
#include "shell/Programmende.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <optional>

namespace {

// Every global as at program start, before the settings are read.
void Startzustand()
{
    GlobalsZuruecksetzen();
    SpielablaufZuruecksetzen();
    RundenwechselZuruecksetzen();
    AnzeigezustandZuruecksetzen();
    CanEmpfangZuruecksetzen();
    CanSendenZuruecksetzen();
    druckZustand.zuruecksetzen();
    druckwarteschlangeZustand.zuruecksetzen();
    BahnendeTimerAktiv = 0;
    CanEmpfangTimerAktiv = 0;
    KartenTimerAktiv = 0;
    WindowsBeenden = 0;
    CanProtokollSchliessen();
}

}  // namespace

QStringList ProgrammstartAusfuehren(const QString& programmordner, int bildschirme)
{
    Versionstext = ProgrammVersion;
    Startzustand();

    QStringList meldungen = EinstellungenLaden(programmordner);
    if (QDir(Datenverzeichnis).exists()) QDir::setCurrent(Datenverzeichnis);
    TouchEingabe = Einst.TouchAktiv;
    if (Einst.CANAufzeichnen && !CanProtokollOeffnen(Jetzt()))
        meldungen << QStringLiteral("CAN-Aufzeichnung: ") + QDir::toNativeSeparators(CanProtokolldatei().pfad()) +
                         QStringLiteral(" kann nicht angelegt werden");

    // The central throw printers' ports, when throw sheets are on.
    DruckerStarten();

    // CAN adapter with its bit timing; the bus runs from now on.
    CanEinstellungenUebernehmen();
    CanKarteOeffnen();
    if (Einst.CanBusTimer == 0) Einst.CanBusTimer = 10;
    BahnendeTimerAktiv = 1;
    CanEmpfangTimerAktiv = 1;

    // The chip-card reader of the settings (its status text for the start window).
    KartenleserOeffnen();

    // Display windows of the displays that are installed.
    if (Einst.MannschanzOn) fenster().erzeugen(KonfigFenster::Mannschaftanz);
    if (Einst.NamenanzOn) fenster().erzeugen(KonfigFenster::Namenanz);
    GrossAnzeigeSchalten(bildschirme);
    if (Einst.GrossAnzeige) fenster().erzeugen(KonfigFenster::Grossanz);
    if (Einst.MonitorAnzeige) fenster().erzeugen(KonfigFenster::Monitoranz);
    if (Einst.TerminalAnzeige) fenster().erzeugen(KonfigFenster::Infoterminal);

    fenster().hauptmenueAktualisieren();
    return meldungen;
}

void GrossAnzeigeSchalten(int bildschirme)
{
    Einst.GrossAnzeige = Einst.GrossAnzeigeEinstellung && bildschirme >= 2;
}

double Ausgabelautstaerke() { return Einst.Volume == 0 ? 1.0 : Einst.Volume / 65535.0; }

bool DeutscheTexteLaden(const QString& ordner)
{
    // The C library's error texts ("Das Dateisystem ist nur lesbar"): LANGUAGE
    // picks their catalogue unless the messages locale is "C", which never
    // translates. Setting the locale again drops texts already looked up.
    qputenv("LANGUAGE", "de");
    const char* jetzt = std::setlocale(LC_MESSAGES, nullptr);
    const QByteArray messages = jetzt ? QByteArray(jetzt) : QByteArray("C");
    std::setlocale(LC_MESSAGES, messages == "C" || messages == "POSIX" ? "C.UTF-8" : messages.constData());

    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    const QString pfad = ordner.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : ordner;
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    // "qt" gathers the catalogues of all modules; an installation may hold qtbase alone.
    for (const char* name : {"qt", "qtbase"}) {
        auto* uebersetzer = new QTranslator(app);
        if (uebersetzer->load(deutsch, QLatin1String(name), QStringLiteral("_"), pfad)) {
            QCoreApplication::installTranslator(uebersetzer);
            return true;
        }
        delete uebersetzer;
    }
    return false;
}

namespace {
// LC_ALL of the environment before DeutschesGebietsschemaVorbereiten.
std::optional<QByteArray> g_lcAll;
bool g_vorbereitet = false;
}  // namespace

void DeutschesGebietsschemaVorbereiten()
{
    g_lcAll = qEnvironmentVariableIsSet("LC_ALL") ? std::optional(qgetenv("LC_ALL")) : std::nullopt;
    g_vorbereitet = true;
    qputenv("LC_ALL", "de_DE.UTF-8");
}

void DeutschesGebietsschemaAbschliessen()
{
    if (g_vorbereitet) {
        g_vorbereitet = false;
        if (g_lcAll)
            qputenv("LC_ALL", *g_lcAll);
        else
            qunsetenv("LC_ALL");
        // The application object set it from the German name, which the
        // machine may lack: everything would fall back to plain "C".
        std::setlocale(LC_ALL, "");
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}
