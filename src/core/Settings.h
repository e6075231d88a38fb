#pragma once
// The settings variables with their built-in defaults. The reader of the
// settings file overwrites them at start; a key that is missing keeps the
// default given here.

#include <QString>
#include <cstdint>

struct TEinstellungen {
    // [Allgemein]
    QString Spieleverzeichnis;  // WettkDir; derived from the program folder when empty
    QString ExportDir;
    QString SpielerDir;
    QString Land;
    QString Bezirk;
    QString Club;
    QString Klasse;
    std::uint8_t FaxDeckblatt = 0;
    std::uint8_t EmailDeckblatt = 0;
    bool SoundAktiv = false;
    bool ClickSoundAktiv = false;
    bool TastSoundAktiv = false;

    // [Ansicht]
    bool Punkteanzeige = false;
    bool Satzanzeige = false;
    bool Bahnerganzeige = false;

    // [Bahnsteuerung] (the key Bahnen sets the global BahnAnzahl)
    std::uint8_t PcVerbund = 1;
    std::uint8_t PcEinheit = 0;  // station number, offsets the lane identifiers
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
    bool DrGrafik = true;
    // Lane-printer codes of the German special letters.
    std::uint8_t DrAeGross = 0;
    std::uint8_t DrOeGross = 0;
    std::uint8_t DrUeGross = 0;
    std::uint8_t DrAeKlein = 0;
    std::uint8_t DrOeKlein = 0;
    std::uint8_t DrUeKlein = 0;
    std::uint8_t DrSs = 0;
    std::uint8_t Kopien = 0;

    // [Wurfvorwahl]
    QString Sektion;
    std::uint8_t FormularNummer = 0;  // VorwFormular

    // [Anzeige]
    bool MannschanzOn = false;  // MannschAnzeige
    bool NamenanzOn = false;    // NamenAnzeige
    bool NamenOn = true;
    bool NaVorWechsel = true;
    bool NaSaPWechsel = false;
    std::int32_t NamenanzIndex = 0;
    bool NamenanzWerbung = false;
    bool SaPWand = false;
    bool MaPMannsch = false;
    bool MaPMaWechsel = false;
    bool MannschNamen = false;
    bool MaNaWechsel = false;
    bool GrossAnzeige = false;
    bool GrossanzWerbung = false;
    std::int32_t GrossanzIndex = 0;
    bool MonitorAnzeige = false;
    bool MonitorErgebnis = false;
    bool MonitorWerbung = false;
    std::int32_t MonitorIndex = 0;

    // [Internet]
    QString FtpHost;
    QString FtpKennung;
    QString FtpZugang;  // kept as stored, scrambled
    QString FtpPfad;
    bool FtpUpdate = false;
    bool FtpUpdateZeit = false;
    std::uint16_t FtpUpdateInterv = 0;
    bool FtpUpdateDurchg = false;
    bool FtpUpdateWechsel = false;
    bool JavaUpdate = false;

    // [email]
    QString EmailName;
    QString EmailVon;
    QString EmailAn;
    QString EmailBetreff;
};
