#pragma once
// The settings variables. Their defaults, keys and value forms are in the one
// key table of SettingsFile.cpp; EinstellungenVorbelegen() applies the
// defaults, the reader of the settings file overwrites them.

#include "core/CheckedArray.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

// One central throw printer (1..4).
struct TZentralDrucker {
    std::uint8_t Schnittstelle = 0;  // 0 none, 1-4 parallel port 1-4, 5.. serial port 1..
    std::uint8_t DrBahnVon = 0;
    std::uint8_t DrBahnBis = 0;      // 0 in the file: the lane count
    std::uint16_t ComBaud = 0;
    std::uint8_t ComDatenbit = 0;
    std::uint8_t ComStopbit = 0;
    std::uint8_t ComParity = 0;
    std::uint8_t ComMode = 0;
    std::uint16_t DrTimer = 0;
    std::uint8_t LptMode = 0;
    std::uint16_t DruckWait = 0;
    std::uint8_t Emulation = 0;
    std::int32_t StartFeed = 0;
    std::int32_t EndFeed = 0;
    std::int32_t PageLength = 0;
    bool FormFeed = false;
};

// One lane monitor client (1..16).
struct TMonitorExport {
    QString ClientVerzeichnis;
    bool ExportDateiOn = false;
    bool ExportTcpOn = false;
    QString ExportAdresse;
};

// Print settings of one report layout (0..19).
struct TFormularEinstellung {
    QString SpFontName;
    std::uint16_t SpFontSize = 0;
    bool SpFontBold = false;
    bool SpFontItalic = false;
    std::int32_t SpFontColor = 0;
    bool SpAusrichtung = true;  // true portrait, false landscape
    std::int32_t SpRandOben = 0;
    std::int32_t SpRandUnten = 0;
    std::int32_t SpRandLinks = 0;
    std::int32_t SpRandRechts = 0;
    std::int32_t StandardDrucker = 0;
    std::int32_t StandardFax = 0;
    // The chosen printers' names beside their positions in the printer list.
    QString StandardDruckerName;
    QString StandardFaxName;
};

// Number of colour settings ("Color<Window>" in [Ansicht]).
constexpr int FarbAnzahl = 106;

struct TEinstellungen {
    // [Allgemein]
    QString Spieleverzeichnis;  // WettkDir
    QString ExportDir;
    QString DatenbankPfad;      // SpielerDir
    QString Land;
    QString Bezirk;
    QString Club;
    QString Klasse;
    QString Spielort;    // the place of the lanes
    QString Bahnanlage;  // the lane facility's name
    std::uint8_t FaxDeckblatt = 0;
    std::uint8_t EmailDeckblatt = 0;
    bool SoundAktiv = false;
    bool ClickSoundAktiv = false;
    bool TastSoundAktiv = false;

    // [Ansicht]
    bool Verschiebbar = false;
    bool Hinweise = false;
    bool SchalterSichtbar = false;
    bool SchalterUnten = false;
    bool Hintergrund = false;
    bool Statusleiste = false;
    bool TouchAktiv = false;
    bool TastDoppelclick = false;
    std::uint16_t DoppelclickSpeed = 0;
    bool Punkteanzeige = false;
    bool Satzanzeige = false;
    bool Bahnerganzeige = false;
    Array1<std::uint32_t, FarbAnzahl> Farben;  // by FarbIndex()

    // [Bahnsteuerung] (the key Bahnen sets the global BahnAnzahl)
    std::uint8_t PcVerbund = 0;
    std::uint8_t PcEinheit = 0;      // station number, offsets the lane identifiers
    std::uint8_t Bahnsteuerung = 0;  // 0 passive game, 1 active game, 2 active lane
    bool ManualBahnw = false;
    bool WurfzeitBahn = false;
    bool Wurffehler = false;
    std::int32_t TimeoutBahnw = 0;
    bool DrBahndrucker = false;
    bool DrStatus = false;
    bool DrEinschalten = false;
    bool DrWurfblatt = false;
    bool DrSingle = false;
    bool DrZweiBahnen = false;
    bool DrZentral = false;
    bool DrSparmodus = false;
    bool DrKopf = false;
    bool DrFuss = false;
    bool DrGrafik = false;
    Array1<TZentralDrucker, 4> Drucker;
    // Device or plain file behind LPT1..4 and COM1..4 (DruckerGeraetLpt1 ..
    // DruckerGeraetCom4): "/dev/lp0", "/dev/usb/lp0", "/dev/ttyUSB0", or a
    // file the bytes are appended to.
    Array1<QString, 4> DruckerGeraetLpt;
    Array1<QString, 4> DruckerGeraetCom;
    // Lane-printer codes of the German special letters.
    std::uint8_t DrAeGross = 0;
    std::uint8_t DrOeGross = 0;
    std::uint8_t DrUeGross = 0;
    std::uint8_t DrAeKlein = 0;
    std::uint8_t DrOeKlein = 0;
    std::uint8_t DrUeKlein = 0;
    std::uint8_t DrSs = 0;
    std::uint8_t Kopien = 0;
    std::int32_t StartFeedSp = 0;
    std::int32_t EndFeedSp = 0;
    std::int32_t PageLengthSp = 0;
    bool FormFeedSp = false;
    std::int32_t StartFeedSt = 0;
    std::int32_t EndFeedSt = 0;
    std::int32_t PageLengthSt = 0;
    bool FormFeedSt = false;

    // [Wurfvorwahl]
    QString Sektion;
    std::uint8_t FormularNummer = 0;  // VorwFormular

    // [CanBus]
    std::int32_t CanBusKarte = 0;
    std::uint16_t CanBusMem = 0;
    std::uint8_t CanBusIrq = 0;
    std::uint8_t CanBusTakt = 0;
    std::uint8_t CanBusTakt0 = 0;
    std::uint8_t CanBusTakt1 = 0;
    std::uint16_t CanBusTimer = 0;
    std::uint8_t CanSendType = 0;
    QString CanSchnittstelle;  // the Linux CAN interface, such as "socketcan:can0"

    // [System]
    std::uint16_t ChipkartePort = 0;
    std::uint8_t Chipkarte = 0;
    // The chip-card reader's back-end: empty or "pcsc", or "datei:<path>"
    // for a simulated card kept in a file.
    QString ChipkarteSchnittstelle;
    std::uint8_t AudioDevice = 0;
    std::uint16_t Volume = 0;
    std::uint16_t Record = 0;

    // [Programme]
    Array1<QString, 3> Programm;
    Array1<QString, 3> ProgrammName;

    // [Internet]
    QString TimeHost;
    std::uint16_t TimePort = 0;
    bool ZeitUpStart = false;
    bool ZeitUpdate = false;
    std::uint16_t ZeitUpInterv = 0;
    QDateTime ZeitUpLast;
    QString FtpHost;
    std::uint16_t FtpPort = 0;
    QString FtpKennung;
    QString FtpZugang;  // clear value; stored scrambled
    QString FtpPfad;
    bool FtpUpdate = false;
    bool FtpUpdateZeit = false;
    std::uint16_t FtpUpdateInterv = 0;
    bool FtpUpdateDurchg = false;
    bool FtpUpdateWechsel = false;
    bool JavaUpdate = false;
    // The certificates of their own the operator trusts, per server:
    // "ftp://host:port SHA-256; smtp://host:port SHA-256" (Zertifikate.h).
    QString Zertifikate;

    // [email]
    QString EmailHost;
    std::uint16_t EmailPort = 0;
    bool EmailKennungEin = false;
    QString EmailKennung;  // clear value; stored scrambled
    QString EmailName;
    QString EmailVon;
    QString EmailAn;
    QString EmailBetreff;

    // [Anzeige]
    std::uint8_t AnzeigeHelligkeit = 0;
    bool MannschanzOn = false;  // MannschAnzeige
    std::uint8_t MannschAnzeigeDig = 0;
    std::uint8_t MannschAnzeigeAnz = 0;
    bool NamenanzOn = false;    // NamenAnzeige
    std::uint8_t NamenAnzeigeDig = 0;
    bool NamenOn = false;
    bool NaVorWechsel = false;
    bool NaSaPWechsel = false;
    std::int32_t NaVorIntervall = 0;
    std::int32_t NaSaPIntervall = 0;
    std::int32_t NamenanzIndex = 0;
    bool NamenanzWerbung = false;
    std::uint16_t NamenanzWerbezeit = 0;
    std::uint16_t NamenanzWerbeabst = 0;
    bool SaPAnzeige = false;
    std::uint8_t SaPAnzeigeDig = 0;
    bool SaPWand = false;
    bool SaPNamen = false;
    bool MaPMannsch = false;
    bool MaPMaWechsel = false;
    std::int32_t MaPMaIntervall = 0;
    bool MannschNamen = false;
    bool MaNaWechsel = false;
    std::int32_t MaNaIntervall = 0;
    // The result board on the second monitor for this run: the setting,
    // which the program start takes off with fewer than two monitors.
    bool GrossAnzeige = false;
    // The key GrossAnzeige as the settings file holds it: the operator's
    // choice, kept while there is no second monitor to show it on.
    bool GrossAnzeigeEinstellung = false;
    bool GrossanzWechsel = false;
    std::int32_t GrossanzIntervall = 0;
    std::uint16_t GrossanzWerbezeit = 0;
    std::uint16_t GrossanzWerbeabst = 0;
    bool GrossanzWerbung = false;
    std::int32_t GrossanzIndex = 0;
    bool MonitorAnzeige = false;
    bool MonitorErgebnis = false;
    bool MonitorErgebnistafel = false;
    bool MonitorWurftafel = false;
    bool MonitorWechsel = false;
    std::uint16_t MonitorTimer1 = 0;
    std::uint16_t MonitorTimer2 = 0;
    std::uint16_t MonitorWerbezeit = 0;
    std::uint16_t MonitorWerbeabst = 0;
    bool MonitorWerbung = false;
    std::int32_t MonitorIndex = 0;
    Array1<TMonitorExport, 16> MonitorExport;
    bool TerminalAnzeige = false;
    bool TerminalErgebnis = false;
    bool TerminalErgebnistafel = false;
    bool TerminalWerbung = false;
    std::int32_t TerminalIndex = 0;
    std::uint16_t TerminalWerbezeit = 0;
    std::uint16_t TerminalWerbeabst = 0;
    // The info terminal's client, under keys of its own ("Terminal" + the
    // monitor clients' key names), so it never touches a lane's client.
    TMonitorExport TerminalExport;
    std::uint8_t SpielzeitIntervall = 0;  // 10: the throw-time box steps by 10 seconds

    // [Font] and [Drucker]
    CheckedArray<TFormularEinstellung, 0, 19> FormularEinstellungen;

    // [Formular]
    Array1<QString, 10> FormularFeldNamen;

    // [Service]: the CAN traffic log and its filters
    bool CANAufzeichnen = false;
    Array1<bool, 16> CANBahn;
    bool CANIn = false;
    bool CANOut = false;
    bool CANWuerfe = false;
    bool CANBahnsteuerung = false;
    bool CANMannschaftanzeige = false;
    bool CANNamenanzeige = false;
    QString UpdateServer;  // the maker's update server, such as "https://updates.example.de"
};
