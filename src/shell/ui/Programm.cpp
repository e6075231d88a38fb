#include "shell/ui/Programm.h"

#include "competition/Kartenzeitgeber.h"
#include "competition/Wettbewerb.h"
#include "competition/ui/Fensterregistrierung.h"
#include "components/Oberflaechenhilfen.h"
#include "components/Threads.h"
#include "core/SettingsFile.h"
#include "core/Shell.h"
#include "core/Sound.h"
#include "core/ui/Fensterhub.h"
#include "core/ui/Hilfe.h"
#include "core/ui/Keyb.h"
#include "core/ui/WidgetBoxen.h"
#include "core/ui/Zeichenwache.h"
#include "core/Zeitgeber.h"
#include "match/bus/CanKarte.h"
#include "match/bus/CanSenden.h"
#include "match/print/Druckwarteschlange.h"
#include "match/print/Wurfblattdruck.h"
#include "match/flow/Startprompts.h"
#include "match/flow/TimerModul.h"
#include "match/lanes/Bahnfenster.h"
#include "match/ui/Bahnfensterdienste.h"
#include "match/ui/Fensterregistrierung.h"
#include "match/ui/Startfenster.h"
#include "displays/Grossanzsteuerung.h"
#include "displays/ui/Fensterregistrierung.h"
#include "report/netz/Netzmodul.h"
#include "report/ui/Berichtausgabe.h"
#include "report/ui/Fensterregistrierung.h"
#include "core/Berichtdienste.h"
#include "match/flow/Zeitgeberliste.h"
#include "platform/AbfShutdown.h"
#include "platform/DesktopShell.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/ui/QtBerichtsoberflaeche.h"
#include "platform/LinuxDruckerport.h"
#include "platform/QtCanAdapter.h"
#include "platform/QtSound.h"
#include "shell/Hauptbefehle.h"
#include "shell/Programmstart.h"
#include "shell/ui/Fensterregistrierung.h"
#include "shell/ui/Info.h"
#include "shell/ui/Main.h"
#include "shell/ui/Progende.h"
#include "shell/ui/Tipps.h"

#include <QGuiApplication>
#include <QIcon>

Programm::Programm(const ProgrammOptionen& optionen) : m_optionen(optionen) {}

Programm::~Programm()
{
    if (m_timerGestartet) {
        TimerModulBeenden();
        KartenzeitgeberBeenden();
    }
    DruckerBeenden();
    setDruckerSenden(nullptr);
    setDruckDienste(nullptr);
    setDruckerport(nullptr);
    setStartPrompts(nullptr);
    setBoxen(nullptr);
    setBahnfensterDienste(nullptr);
    setWettbewerbDienste(nullptr);
    setBerichtDienste(nullptr);
    BerichtProgrammordnerSetzen({});
    setNetzDienste(nullptr);
    setAnzeigeDienste(nullptr);
    setFensterDienste(nullptr);
    setCanAdapter(nullptr);  // closes the adapter
    setSoundAusgabe(nullptr);
    setShellStarter(nullptr);
    setTabfThreadMeldung({});
    m_tipps.reset();
    m_boxen.reset();
    m_bahnfenster.reset();
    m_wettbewerb.reset();
    m_prompts.reset();
    m_hilfe.reset();
    m_progende.reset();
    m_info.reset();
    m_main.reset();
    m_bericht.reset();
    m_netz.reset();
    m_anzeigen.reset();
    m_hub.reset();
}

QStringList Programm::starten(const QString& programmordner)
{
    QGuiApplication::setApplicationName(QStringLiteral("Corvalink"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/symbole/Corvalink.png")));
    ZeichenwacheEinrichten();
    // An exception in a thread component without its own handler shows a box.
    AbfThreadMeldungenAnzeigen();
    m_shell = std::make_unique<DesktopShell>();
    setShellStarter(m_shell.get());
    m_sound = std::make_unique<QtSound>();
    setSoundAusgabe(m_sound.get());
    CanAdapter* adapter = m_optionen.adapter;
    if (!adapter) {
        m_can = std::make_unique<QtCanAdapter>();
        adapter = m_can.get();
    }
    setCanAdapter(adapter);
    // The throw-sheet printers: the central printers' ports, the print jobs
    // of the engine and their share of the send pump.
    Druckerport* port = m_optionen.druckerport;
    if (!port) {
        m_druckerport = std::make_unique<LinuxDruckerport>();
        port = m_druckerport.get();
    }
    setDruckerport(port);
    m_druck = std::make_unique<Wurfblattdruck>();
    setDruckDienste(m_druck.get());
    setDruckerSenden(&DruckausgabeSenden);
    Abschaltung* abschaltung = m_optionen.abschaltung;
    if (!abschaltung) {
        m_abschaltung = std::make_unique<SystemctlAbschaltung>();
        abschaltung = m_abschaltung.get();
    }

    m_hub = std::make_unique<Fensterhub>();
    MatchFensterRegistrieren(*m_hub);
    CompetitionFensterRegistrieren(*m_hub);
    ShellFensterRegistrieren(*m_hub);
    ReportFensterRegistrieren(*m_hub);
    DisplaysFensterRegistrieren(*m_hub);
    // The board on the second monitor takes the focus when it opens: a second later it goes back.
    m_hub->nachAnzeigeOeffnen = [] { TimerFocus().setEnabled(true); };
    setFensterDienste(m_hub.get());
    // The e-mail texts go where the report's output shows its status.
    m_netz = std::make_unique<Netzmodul>(BerichtStatus);
    setNetzDienste(m_netz.get());
    m_bericht = BerichtDiensteErzeugen();
    setBerichtDienste(m_bericht.get());
    // The report engine's boxes, print dialog, preview and designer.
    BerichtsoberflaecheEinrichten();
    m_anzeigen = std::make_unique<Displaydienste>();
    setAnzeigeDienste(m_anzeigen.get());

    // The main window first: its start work reads the settings.
    m_main = std::make_unique<TMain>(*m_hub);
    const int bildschirme =
        m_optionen.bildschirme >= 0 ? m_optionen.bildschirme : int(QGuiApplication::screens().size());
    const QStringList meldungen = m_main->FormCreate(programmordner, bildschirme);
    // Report projects may take their pictures from the program folder too.
    BerichtProgrammordnerSetzen(Programmverzeichnis);
    // The clock synchronisation of the network module needs the settings.
    m_netz->zeitStarten();
    m_sound->setLautstaerke(Ausgabelautstaerke());

    m_info = std::make_unique<TInfo>(nullptr, m_optionen.bildschirmbreite);
    m_progende = std::make_unique<TProgende>(m_main.get(), abschaltung);
    m_info->Progende = m_progende.get();
    m_main->Info = m_info.get();
    m_main->Progende = m_progende.get();
    m_info->NextStep(10);
    m_hilfe = std::make_unique<THilfe>(m_main.get());
    m_info->NextStep(15);
    m_prompts = std::make_unique<WidgetPrompts>(m_main.get());
    setStartPrompts(m_prompts.get());
    m_info->NextStep(20);
    m_boxen = std::make_unique<WidgetBoxen>(m_main.get());
    setBoxen(m_boxen.get());
    m_wettbewerb = std::make_unique<Wettbewerb>();
    setWettbewerbDienste(m_wettbewerb.get());
    Keyb(m_main.get());  // the on-screen keyboard, owned by the main window
    // The lane control window and the lane overview, shown from the menu.
    m_bahnfenster = std::make_unique<Bahnfensterdienste>(m_main.get(), [](int bahn) { BahnSpielStartBefehl(bahn); });
    setBahnfensterDienste(m_bahnfenster.get());
    // The windows of the steps between belong to other parts of the program.
    for (int schritt = 25; schritt <= 90; schritt += 5) m_info->NextStep(schritt);
    m_tipps = std::make_unique<TTipps>(m_main.get());
    m_main->Tipps = m_tipps.get();
    m_info->NextStep(95);
    // The periodic jobs start last, when every window exists.
    TimerModulStarten();
    KartenzeitgeberStarten();
    m_timerGestartet = true;
    m_info->NextStep(100);

    m_main->showMaximized();
    m_info->raise();
    return meldungen;
}
