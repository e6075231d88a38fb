#pragma once
// The program body: the seams and the long-lived windows in their order,
// the start-up window's progress between them and the timer module last.
// Destroyed, it stops the timers, closes the CAN adapter and puts every seam
// back to its stand-in.

#include <QString>
#include <QStringList>
#include <memory>

class Abschaltung;
class BerichtDienste;
class Displaydienste;
class Netzmodul;
class Bahnfensterdienste;
class CanAdapter;
class DesktopShell;
class Druckerport;
class LinuxDruckerport;
class Fensterhub;
class QtCanAdapter;
class QtSound;
class SystemctlAbschaltung;
class TInfo;
class THilfe;
class TMain;
class TProgende;
class TTipps;
class WidgetBoxen;
class WidgetPrompts;
class Wettbewerb;
class Wurfblattdruck;

struct ProgrammOptionen {
    CanAdapter* adapter = nullptr;        // null: the Qt CAN adapter
    Abschaltung* abschaltung = nullptr;   // null: systemctl
    int bildschirmbreite = -1;            // -1: the screen's
    int bildschirme = -1;                 // -1: the screens'
    Druckerport* druckerport = nullptr;   // null: the Linux printer ports
};

class Programm {
public:
    explicit Programm(const ProgrammOptionen& optionen = {});
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    // Builds everything in the program folder and shows the main window.
    // Returns the messages of settings lines that could not be read (the
    // caller shows them once).
    QStringList starten(const QString& programmordner);

    TMain* hauptfenster() const { return m_main.get(); }
    TInfo* info() const { return m_info.get(); }
    TProgende* progende() const { return m_progende.get(); }
    Fensterhub& hub() const { return *m_hub; }
    QtSound& sound() const { return *m_sound; }

private:
    ProgrammOptionen m_optionen;
    std::unique_ptr<DesktopShell> m_shell;
    std::unique_ptr<QtSound> m_sound;
    std::unique_ptr<QtCanAdapter> m_can;
    std::unique_ptr<LinuxDruckerport> m_druckerport;
    std::unique_ptr<Wurfblattdruck> m_druck;
    std::unique_ptr<SystemctlAbschaltung> m_abschaltung;
    std::unique_ptr<Fensterhub> m_hub;
    std::unique_ptr<Netzmodul> m_netz;
    std::unique_ptr<BerichtDienste> m_bericht;
    std::unique_ptr<Displaydienste> m_anzeigen;
    std::unique_ptr<TMain> m_main;
    std::unique_ptr<TInfo> m_info;
    std::unique_ptr<TProgende> m_progende;
    std::unique_ptr<THilfe> m_hilfe;
    std::unique_ptr<WidgetPrompts> m_prompts;
    std::unique_ptr<WidgetBoxen> m_boxen;
    std::unique_ptr<TTipps> m_tipps;
    std::unique_ptr<Wettbewerb> m_wettbewerb;
    std::unique_ptr<Bahnfensterdienste> m_bahnfenster;
    bool m_timerGestartet = false;
};
