// The settings' key table: every key of the settings file with its section,
// its kind and default, reading a value into the settings and writing it
// back as text, and the colours.
#include "core/SettingsFile.h"

#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/TextFunctions.h"

#include <QHash>
#include <algorithm>

// --- The key table -----------------------------------------------------------------

namespace {

struct FarbDefinition {
    const char* name;
    u32 standard;
};

constexpr u32 SysHell3D = 2147483670u;  // system colour 22, the light 3-D element colour

// Reading order; the defaults of the windows, dialogs and the boards.
constexpr FarbDefinition kFarben[] = {
    {"ColorSpiel", 12632256}, {"ColorBahnen", 10485760}, {"ColorErgebnistafel", 10451556},
    {"ColorHeim", SysHell3D}, {"ColorGast", SysHell3D}, {"ColorHeaderHeim", 8388736},
    {"ColorHeaderGast", 8421376}, {"ColorTotalHeim", 0}, {"ColorTotalGast", 0}, {"ColorWurfHeim", 0},
    {"ColorWurfGast", 0}, {"ColorPlusHeim", 0}, {"ColorPlusGast", 0}, {"ColorPunkteHeim", 0},
    {"ColorPunkteGast", 0}, {"ColorSpieler", 0}, {"ColorGestartet", 15389394}, {"ColorFertig", 13673122},
    // Dialogs
    {"ColorHinweis", 12632256}, {"ColorImport", 12632256}, {"ColorExport", 12632256},
    {"ColorDeckblatt", 12632256}, {"ColorSpielerkarte", 12632256}, {"ColorSpielbericht", 11964280},
    {"ColorFormulare", 12632256}, {"ColorSpFormular", 12632256}, {"ColorSpieldaten", 12632256},
    {"ColorSpielerdaten", 12632256}, {"ColorSpielleiter", 12632256}, {"ColorSuchen", 12632256},
    {"ColorMannschaftsdaten", 12632256}, {"ColorLaden", 12632256}, {"ColorSpeichern", 12632256},
    {"ColorNamenanz", 12632256}, {"ColorMannschaftanz", 0}, {"ColorGrossanz", 12632256},
    {"ColorMonitoranz", 12632256}, {"ColorKeyb", 8421376}, {"ColorExplorer", 12632256},
    {"ColorServer", 12632256}, {"ColorFtpSenden", 12632256}, {"ColorInternet", 12632256},
    {"ColorEmailSenden", 12632256}, {"ColorFaxSenden", 12632256}, {"ColorDrOptionen", 12632256},
    {"ColorUnterschrift", 12632256}, {"ColorStartfolge", 12632256}, {"ColorPosition", 12632256},
    // Result board on the second monitor
    {"ColorTafel", 10451556}, {"ColorTHeim", SysHell3D}, {"ColorTGast", SysHell3D},
    {"ColorTHeaderHeim", 6569265}, {"ColorTHeaderGast", 6569265}, {"ColorTMannschaft", 6569265},
    {"ColorTSpielerErg", 0}, {"ColorTErgebnisse", SysHell3D}, {"ColorTTotalHeim", 0}, {"ColorTTotalGast", 0},
    {"ColorTWurfHeim", 0}, {"ColorTWurfGast", 0}, {"ColorTPlusHeim", 0}, {"ColorTPlusGast", 0},
    {"ColorTPunkteHeim", 0}, {"ColorTPunkteGast", 0}, {"ColorTSpieler", 0}, {"ColorTGestartet", 8388736},
    {"ColorTFertig", 16711680},
    // Monitor client board
    {"ColorMTafel", 10451556}, {"ColorMTHeim", 6569265}, {"ColorMTGast", 6569265},
    {"ColorMTHeaderHeim", 9317322}, {"ColorMTHeaderGast", 9317322}, {"ColorMTMannschaft", 16777215},
    {"ColorMTSpielerErg", 16777215}, {"ColorMTErgebnisse", 10906720}, {"ColorMTTotalHeim", 0},
    {"ColorMTTotalGast", 0}, {"ColorMTWurfHeim", 0}, {"ColorMTWurfGast", 0}, {"ColorMTPlusHeim", 0},
    {"ColorMTPlusGast", 0}, {"ColorMTPunkteHeim", 0}, {"ColorMTPunkteGast", 0}, {"ColorMTSpieler", 16777215},
    {"ColorMTGestartet", 9317322}, {"ColorMTFertig", 16711680},
    // Info terminal
    {"ColorTerminal", 12632256}, {"ColorITafel", 10451556}, {"ColorITHeim", 6569265}, {"ColorITGast", 6569265},
    {"ColorITHeaderHeim", 9317322}, {"ColorITHeaderGast", 9317322}, {"ColorITMannschaft", 16777215},
    {"ColorITSpielerErg", 16777215}, {"ColorITErgebnisse", 10906720}, {"ColorITTotalHeim", 0},
    {"ColorITTotalGast", 0}, {"ColorITWurfHeim", 0}, {"ColorITWurfGast", 0}, {"ColorITPlusHeim", 0},
    {"ColorITPlusGast", 0}, {"ColorITPunkteHeim", 0}, {"ColorITPunkteGast", 0}, {"ColorITSpieler", 16777215},
    {"ColorITGestartet", 16777215}, {"ColorITFertig", 16777215},
};
static_assert(std::size(kFarben) == FarbAnzahl);

using Tabelle = std::vector<Einstellungsschluessel>;

class TabellenBau {
public:
    explicit TabellenBau(Tabelle& t) : m_t(t) {}

    TabellenBau& sektion(const char* s)
    {
        m_sektion = QString::fromLatin1(s);
        return *this;
    }
    void text(const QString& name, QString* z, const QString& standard = {})
    {
        add(name, Wertform::Text, z, standard);
    }
    void geheim(const QString& name, QString* z) { add(name, Wertform::Verschluesselt, z, {}); }
    void janein(const QString& name, bool* z, bool standard = false)
    {
        add(name, Wertform::Bool, z, BoolZuText(standard));
    }
    template <typename T>
    void zahl(const QString& name, T* z, qint64 standard = 0, qint64 min = 0, qint64 max = -1)
    {
        add(name, Wertform::Zahl, z, QString::number(standard), min, max);
    }
    // Out of min..max the nearest end holds.
    template <typename T>
    void zahlImBereich(const QString& name, T* z, qint64 standard, qint64 min, qint64 max)
    {
        add(name, Wertform::Zahl, z, QString::number(standard), min, max);
        m_t.back().naechster = true;
    }
    template <typename T>
    void hex(const QString& name, T* z, Wertform form, qint64 standard = 0)
    {
        add(name, form, z, QString::number(standard));
    }
    void ziffern(const QString& name, u16* z, qint64 standard = 0, qint64 min = 0, qint64 max = -1)
    {
        add(name, Wertform::Ziffern, z, QString::number(standard), min, max);
    }
    void zeit(const QString& name, QDateTime* z) { add(name, Wertform::DatumZeit, z, {}); }

private:
    void add(const QString& name, Wertform f, Einstellungsziel z, const QString& standard, qint64 min = 0,
             qint64 max = -1)
    {
        m_t.push_back({m_sektion, name, f, z, standard, min, max, false});
    }

    Tabelle& m_t;
    QString m_sektion;
};

QString N(const char* name, int n) { return QString::fromLatin1(name) + QString::number(n); }
QString L(const char* name) { return QString::fromLatin1(name); }

Tabelle tabelleBauen()
{
    Tabelle t;
    TabellenBau b(t);
    TEinstellungen& e = Einst;

    b.sektion("[Allgemein]");
    b.text(L("WettkDir"), &e.Spieleverzeichnis);
    b.text(L("ExportDir"), &e.ExportDir);
    b.text(L("SpielerDir"), &e.DatenbankPfad);
    b.text(L("Land"), &e.Land);
    b.text(L("Bezirk"), &e.Bezirk);
    b.text(L("Club"), &e.Club);
    b.text(L("Klasse"), &e.Klasse);
    b.text(L("Spielort"), &e.Spielort);
    b.text(L("Bahnanlage"), &e.Bahnanlage);
    b.zahl(L("FaxDeckblatt"), &e.FaxDeckblatt);
    b.zahl(L("EmailDeckblatt"), &e.EmailDeckblatt);
    b.janein(L("SoundAktiv"), &e.SoundAktiv);
    b.janein(L("ClickSoundAktiv"), &e.ClickSoundAktiv);
    b.janein(L("TastSoundAktiv"), &e.TastSoundAktiv);

    b.sektion("[Ansicht]");
    b.janein(L("Verschiebbar"), &e.Verschiebbar);
    b.janein(L("Hinweise"), &e.Hinweise, true);
    b.janein(L("SchalterSichtbar"), &e.SchalterSichtbar);
    b.janein(L("SchalterUnten"), &e.SchalterUnten);
    b.janein(L("Hintergrund"), &e.Hintergrund);
    b.janein(L("Statusleiste"), &e.Statusleiste);
    b.janein(L("TouchAktiv"), &e.TouchAktiv, true);
    b.janein(L("TastDoppelclick"), &e.TastDoppelclick, true);
    b.zahl(L("DoppelclickSpeed"), &e.DoppelclickSpeed, 1500);
    b.janein(L("Punkteanzeige"), &e.Punkteanzeige);
    b.janein(L("Satzanzeige"), &e.Satzanzeige);
    b.janein(L("Bahnerganzeige"), &e.Bahnerganzeige);
    for (int i = 0; i < FarbAnzahl; ++i)
        b.zahl(L(kFarben[i].name), &e.Farben[i + 1], qint64(kFarben[i].standard));

    b.sektion("[Bahnsteuerung]");
    b.zahl(L("Bahnen"), &BahnAnzahl, 4, 1, MaxBahnen);
    b.zahl(L("PcVerbund"), &e.PcVerbund, 1);
    b.zahl(L("PcEinheit"), &e.PcEinheit, 0, 0, 15);
    b.zahl(L("BahnSteuerung"), &e.Bahnsteuerung, 0, 0, 2);
    b.janein(L("ManualBahnw"), &e.ManualBahnw);
    b.janein(L("WurfzeitBahn"), &e.WurfzeitBahn);
    b.janein(L("Wurffehler"), &e.Wurffehler);
    b.zahl(L("TimeoutBahnw"), &e.TimeoutBahnw, 0, 0, 0x7FFFFFFF);
    for (auto [name, z] : {std::pair{"DrBahndrucker", &e.DrBahndrucker}, {"DrStatus", &e.DrStatus},
                           {"DrEinschalten", &e.DrEinschalten}, {"DrWurfblatt", &e.DrWurfblatt},
                           {"DrSingle", &e.DrSingle}, {"DrZweiBahnen", &e.DrZweiBahnen},
                           {"DrZentral", &e.DrZentral}, {"DrSparmodus", &e.DrSparmodus}, {"DrKopf", &e.DrKopf},
                           {"DrFuss", &e.DrFuss}})
        b.janein(L(name), z);
    b.janein(L("DrGrafik"), &e.DrGrafik, true);
    for (int n = 1; n <= 4; ++n) {
        TZentralDrucker& d = e.Drucker[n];
        b.zahl(N("Schnittstelle", n), &d.Schnittstelle, 0, 0, 8);
        b.zahl(N("DrBahnVon", n), &d.DrBahnVon, 1, 1, MaxBahnen);
        b.zahl(N("DrBahnBis", n), &d.DrBahnBis, 0, 0, MaxBahnen);
        b.zahl(N("ComBaud", n), &d.ComBaud);
        b.zahl(N("ComDatenbit", n), &d.ComDatenbit);
        b.zahl(N("ComStopbit", n), &d.ComStopbit);
        b.zahl(N("ComParity", n), &d.ComParity);
        b.zahl(N("ComMode", n), &d.ComMode);
        b.zahl(N("DrTimer", n), &d.DrTimer);
        b.zahl(N("LptMode", n), &d.LptMode);
        b.zahl(N("DruckWait", n), &d.DruckWait);
        b.zahl(N("Emulation", n), &d.Emulation);
    }
    for (auto [name, z] : {std::pair{"DrAeGross", &e.DrAeGross}, {"DrOeGross", &e.DrOeGross},
                           {"DrUeGross", &e.DrUeGross}, {"DrAeKlein", &e.DrAeKlein}, {"DrOeKlein", &e.DrOeKlein},
                           {"DrUeKlein", &e.DrUeKlein}, {"DrSs", &e.DrSs}})
        b.hex(L(name), z, Wertform::Hex2);
    for (int n = 1; n <= 4; ++n) {
        TZentralDrucker& d = e.Drucker[n];
        b.zahl(N("StartFeed", n), &d.StartFeed);
        b.zahl(N("EndFeed", n), &d.EndFeed);
        b.zahl(N("PageLength", n), &d.PageLength);
        b.janein(N("FormFeed", n), &d.FormFeed);
    }
    b.zahl(L("Kopien"), &e.Kopien);
    b.zahl(L("StartFeedSp"), &e.StartFeedSp);
    b.zahl(L("EndFeedSp"), &e.EndFeedSp);
    b.zahl(L("PageLengthSp"), &e.PageLengthSp);
    b.janein(L("FormFeedSp"), &e.FormFeedSp);
    b.zahl(L("StartFeedSt"), &e.StartFeedSt);
    b.zahl(L("EndFeedSt"), &e.EndFeedSt);
    b.zahl(L("PageLengthSt"), &e.PageLengthSt);
    b.janein(L("FormFeedSt"), &e.FormFeedSt);
    for (int n = 1; n <= 4; ++n) {
        b.text(N("DruckerGeraetLpt", n), &e.DruckerGeraetLpt[n], QStringLiteral("/dev/lp%1").arg(n - 1));
        b.text(N("DruckerGeraetCom", n), &e.DruckerGeraetCom[n], QStringLiteral("/dev/ttyS%1").arg(n - 1));
    }

    b.sektion("[Wurfvorwahl]");
    b.text(L("Sektion"), &e.Sektion);
    b.zahl(L("VorwFormular"), &e.FormularNummer);

    b.sektion("[CanBus]");
    b.zahl(L("CanBusKarte"), &e.CanBusKarte, 0, 0, 11);
    b.hex(L("CanBusMem"), &e.CanBusMem, Wertform::Hex4, 53248);
    b.zahl(L("CanBusIrq"), &e.CanBusIrq, 7);
    b.zahl(L("CanBusTakt"), &e.CanBusTakt, 0, 0, 7);
    b.hex(L("CanBusTakt0"), &e.CanBusTakt0, Wertform::Hex2);
    b.hex(L("CanBusTakt1"), &e.CanBusTakt1, Wertform::Hex2);
    b.zahl(L("CanBusTimer"), &e.CanBusTimer, 10);
    b.zahl(L("CanSendType"), &e.CanSendType, 0, 0, 1);
    b.text(L("CanSchnittstelle"), &e.CanSchnittstelle);

    b.sektion("[System]");
    b.zahl(L("ChipkartePort"), &e.ChipkartePort, 1);
    b.zahl(L("Chipkarte"), &e.Chipkarte, 0, 0, 4);
    b.text(L("ChipkarteSchnittstelle"), &e.ChipkarteSchnittstelle);
    b.zahl(L("AudioDevice"), &e.AudioDevice);
    b.ziffern(L("Volume"), &e.Volume, 0, 0, 0xFFFF);
    b.ziffern(L("Record"), &e.Record, 0, 0, 0xFFFF);

    b.sektion("[Programme]");
    for (int n = 1; n <= 3; ++n) {
        b.text(N("Programm", n), &e.Programm[n]);
        b.text(N("ProgrammName", n), &e.ProgrammName[n]);
    }

    b.sektion("[Internet]");
    b.text(L("TimeHost"), &e.TimeHost);
    b.ziffern(L("TimePort"), &e.TimePort);
    b.janein(L("ZeitUpStart"), &e.ZeitUpStart);
    b.janein(L("ZeitUpdate"), &e.ZeitUpdate);
    b.ziffern(L("ZeitUpInterv"), &e.ZeitUpInterv);
    b.zeit(L("ZeitUpLast"), &e.ZeitUpLast);
    b.text(L("FtpHost"), &e.FtpHost);
    b.ziffern(L("FtpPort"), &e.FtpPort);
    b.text(L("FtpKennung"), &e.FtpKennung);
    b.geheim(L("FtpZugang"), &e.FtpZugang);
    b.text(L("FtpPfad"), &e.FtpPfad);
    b.janein(L("FtpUpdate"), &e.FtpUpdate);
    b.janein(L("FtpUpdateZeit"), &e.FtpUpdateZeit);
    b.ziffern(L("FtpUpdateInterv"), &e.FtpUpdateInterv);
    b.janein(L("FtpUpdateDurchg"), &e.FtpUpdateDurchg);
    b.janein(L("FtpUpdateWechsel"), &e.FtpUpdateWechsel);
    b.janein(L("JavaUpdate"), &e.JavaUpdate);
    b.text(L("Zertifikate"), &e.Zertifikate);

    b.sektion("[email]");
    b.text(L("EmailHost"), &e.EmailHost);
    b.ziffern(L("EmailPort"), &e.EmailPort);
    b.janein(L("EmailKennungEin"), &e.EmailKennungEin);
    b.geheim(L("EmailKennung"), &e.EmailKennung);
    b.text(L("EmailName"), &e.EmailName);
    b.text(L("EmailVon"), &e.EmailVon);
    b.text(L("EmailAn"), &e.EmailAn);
    b.text(L("EmailBetreff"), &e.EmailBetreff);

    b.sektion("[Anzeige]");
    b.zahl(L("AnzeigeHelligkeit"), &e.AnzeigeHelligkeit);
    b.janein(L("MannschAnzeige"), &e.MannschanzOn);
    b.zahl(L("MannschAnzeigeDig"), &e.MannschAnzeigeDig);
    b.zahl(L("MannschAnzeigeAnz"), &e.MannschAnzeigeAnz, 0, 0, MaxBahnen);
    b.janein(L("NamenAnzeige"), &e.NamenanzOn);
    b.zahl(L("NamenAnzeigeDig"), &e.NamenAnzeigeDig);
    b.janein(L("NamenOn"), &e.NamenOn, true);
    b.janein(L("NaVorWechsel"), &e.NaVorWechsel, true);
    b.janein(L("NaSaPWechsel"), &e.NaSaPWechsel);
    b.zahl(L("NaVorIntervall"), &e.NaVorIntervall);
    b.zahl(L("NaSaPIntervall"), &e.NaSaPIntervall);
    b.zahl(L("NamenanzIndex"), &e.NamenanzIndex);
    b.janein(L("NamenanzWerbung"), &e.NamenanzWerbung);
    b.zahl(L("NamenanzWerbezeit"), &e.NamenanzWerbezeit);
    b.zahl(L("NamenanzWerbeabst"), &e.NamenanzWerbeabst);
    b.janein(L("SaPAnzeige"), &e.SaPAnzeige);
    b.zahl(L("SaPAnzeigeDig"), &e.SaPAnzeigeDig);
    b.janein(L("SaPWand"), &e.SaPWand);
    b.janein(L("SaPNamen"), &e.SaPNamen);
    b.janein(L("MaPMannsch"), &e.MaPMannsch);
    b.janein(L("MaPMaWechsel"), &e.MaPMaWechsel);
    b.zahl(L("MaPMaIntervall"), &e.MaPMaIntervall);
    b.janein(L("MannschNamen"), &e.MannschNamen);
    b.janein(L("MaNaWechsel"), &e.MaNaWechsel);
    b.zahl(L("MaNaIntervall"), &e.MaNaIntervall);
    b.janein(L("GrossAnzeige"), &e.GrossAnzeigeEinstellung);
    b.janein(L("GrossanzWechsel"), &e.GrossanzWechsel);
    // 10 to 100 seconds, the range of the dialog's speed bar; by default the
    // shortest change, which the dialog also shows for a value below it.
    b.zahlImBereich(L("GrossanzIntervall"), &e.GrossanzIntervall, 10000, 10000, 100000);
    b.zahl(L("GrossanzWerbezeit"), &e.GrossanzWerbezeit);
    b.zahl(L("GrossanzWerbeabst"), &e.GrossanzWerbeabst);
    b.janein(L("GrossanzWerbung"), &e.GrossanzWerbung);
    b.zahl(L("GrossanzIndex"), &e.GrossanzIndex);
    b.janein(L("MonitorAnzeige"), &e.MonitorAnzeige);
    b.janein(L("MonitorErgebnis"), &e.MonitorErgebnis);
    b.janein(L("MonitorErgebnistafel"), &e.MonitorErgebnistafel);
    b.janein(L("MonitorWurftafel"), &e.MonitorWurftafel);
    b.janein(L("MonitorWechsel"), &e.MonitorWechsel);
    b.zahl(L("MonitorTimer1"), &e.MonitorTimer1);
    b.zahl(L("MonitorTimer2"), &e.MonitorTimer2);
    b.zahl(L("MonitorWerbezeit"), &e.MonitorWerbezeit);
    b.zahl(L("MonitorWerbeabst"), &e.MonitorWerbeabst);
    b.janein(L("MonitorWerbung"), &e.MonitorWerbung);
    b.zahl(L("MonitorIndex"), &e.MonitorIndex);
    for (int n = 1; n <= 16; ++n) {
        TMonitorExport& m = e.MonitorExport[n];
        b.text(N("ClientVerzeichnis", n), &m.ClientVerzeichnis);
        b.janein(N("ExportDateiOn", n), &m.ExportDateiOn);
        b.janein(N("ExportTcpOn", n), &m.ExportTcpOn);
        b.text(N("ExportAdresse", n), &m.ExportAdresse);
    }
    b.janein(L("TerminalAnzeige"), &e.TerminalAnzeige);
    b.janein(L("TerminalErgebnis"), &e.TerminalErgebnis);
    b.janein(L("TerminalErgebnistafel"), &e.TerminalErgebnistafel);
    b.janein(L("TerminalWerbung"), &e.TerminalWerbung);
    b.zahl(L("TerminalIndex"), &e.TerminalIndex);
    b.zahl(L("TerminalWerbezeit"), &e.TerminalWerbezeit);
    b.zahl(L("TerminalWerbeabst"), &e.TerminalWerbeabst);
    b.text(L("TerminalClientVerzeichnis"), &e.TerminalExport.ClientVerzeichnis);
    b.janein(L("TerminalExportDateiOn"), &e.TerminalExport.ExportDateiOn);
    b.janein(L("TerminalExportTcpOn"), &e.TerminalExport.ExportTcpOn);
    b.text(L("TerminalExportAdresse"), &e.TerminalExport.ExportAdresse);
    b.zahl(L("SpielzeitIntervall"), &e.SpielzeitIntervall, 6);

    for (int n = 0; n <= 19; ++n) {
        TFormularEinstellung& f = e.FormularEinstellungen[n];
        b.sektion("[Font]");
        b.text(N("SpFontName", n), &f.SpFontName, L("Arial"));
        b.ziffern(N("SpFontSize", n), &f.SpFontSize, 30);
        b.janein(N("SpFontBold", n), &f.SpFontBold);
        b.janein(N("SpFontItalic", n), &f.SpFontItalic);
        b.zahl(N("SpFontColor", n), &f.SpFontColor);
        b.sektion("[Drucker]");
        // The landscape forms (built-in layouts 1..6 and 8) print landscape.
        const bool quer = (n >= 1 && n <= 6) || n == 8;
        b.janein(N("SpAusrichtung", n), &f.SpAusrichtung, !quer);
        b.zahl(N("SpRandOben", n), &f.SpRandOben);
        b.zahl(N("SpRandUnten", n), &f.SpRandUnten);
        b.zahl(N("SpRandLinks", n), &f.SpRandLinks);
        b.zahl(N("SpRandRechts", n), &f.SpRandRechts);
        b.zahl(N("StandardDrucker", n), &f.StandardDrucker);
        b.zahl(N("StandardFax", n), &f.StandardFax);
        b.text(N("StandardDruckerName", n), &f.StandardDruckerName);
        b.text(N("StandardFaxName", n), &f.StandardFaxName);
    }

    b.sektion("[Formular]");
    for (int n = 1; n <= 10; ++n) b.text(N("FormularFeldName", n), &e.FormularFeldNamen[n]);

    b.sektion("[Service]");
    b.janein(L("CANAufzeichnen"), &e.CANAufzeichnen);
    for (int n = 1; n <= 16; ++n) b.janein(N("CANBahn", n), &e.CANBahn[n]);
    b.janein(L("CANIn"), &e.CANIn);
    b.janein(L("CANOut"), &e.CANOut);
    b.janein(L("CANWuerfe"), &e.CANWuerfe);
    b.janein(L("CANBahnsteuerung"), &e.CANBahnsteuerung);
    b.janein(L("CANMannschaftanzeige"), &e.CANMannschaftanzeige);
    b.janein(L("CANNamenanzeige"), &e.CANNamenanzeige);
    b.text(L("UpdateServer"), &e.UpdateServer);
    return t;
}

// Keys compared without regard to the case of A-Z.
QString Kennung(QStringView key)
{
    QString k = key.toString();
    for (QChar& c : k)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + 32);
    return k;
}

const QHash<QString, const Einstellungsschluessel*>& schluesselIndex()
{
    static const QHash<QString, const Einstellungsschluessel*> index = [] {
        QHash<QString, const Einstellungsschluessel*> h;
        for (const Einstellungsschluessel& s : EinstellungsTabelle()) h.insert(Kennung(s.name), &s);
        return h;
    }();
    return index;
}

// Decimal or "$" hexadecimal, as the settings file writes numbers.
std::optional<qint64> ZahlLesen(const QString& wert)
{
    const QString t = wert.trimmed();
    bool ok = false;
    qint64 z = 0;
    if (t.startsWith(QLatin1Char('$')))
        z = t.mid(1).toLongLong(&ok, 16);
    else
        z = t.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return z;
}

constexpr const char* kDatumZeitForm = "dd.MM.yyyy hh:mm:ss";

QDateTime DatumZeitLesen(const QString& wert)
{
    const QString t = wert.trimmed();
    for (const char* form : {kDatumZeitForm, "dd.MM.yyyy hh:mm", "dd.MM.yy hh:mm:ss", "dd.MM.yy hh:mm",
                             "dd.MM.yyyy", "dd.MM.yy"}) {
        QDateTime d = QDateTime::fromString(t, QLatin1String(form));
        if (d.isValid()) {
            if (d.date().year() < 1950) d = d.addYears(100);  // two-digit years are 20yy
            return d;
        }
    }
    return {};
}

// A digits value with a range: digits only, not cut to 16 bits, so that a
// value beyond the range is caught.
std::optional<qint64> ZiffernLesen(const QString& wert)
{
    const QString t = wert.trimmed();
    if (t.isEmpty()) return 0;
    qint64 z = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        z = std::min<qint64>(z * 10 + (c.unicode() - '0'), qint64(1) << 40);
    }
    return z;
}

template <typename T>
bool ZahlSpeichern(T* z, qint64 wert, const Einstellungsschluessel& s)
{
    if (s.max >= s.min && (wert < s.min || wert > s.max)) {
        if (s.naechster) *z = static_cast<T>(std::clamp(wert, s.min, s.max));
        return false;
    }
    *z = static_cast<T>(wert);  // the low bits remain
    return true;
}

}  // namespace

const std::vector<Einstellungsschluessel>& EinstellungsTabelle()
{
    static const Tabelle tabelle = tabelleBauen();
    return tabelle;
}

const Einstellungsschluessel* SchluesselSuchen(QStringView name)
{
    return schluesselIndex().value(Kennung(name), nullptr);
}

bool EinstellungSetzen(const Einstellungsschluessel& s, const QString& wert)
{
    return std::visit(
        [&](auto* z) -> bool {
            using T = std::remove_pointer_t<decltype(z)>;
            if constexpr (std::is_same_v<T, QString>) {
                *z = s.form == Wertform::Verschluesselt ? PasswortDekodieren(wert) : wert;
                return true;
            } else if constexpr (std::is_same_v<T, bool>) {
                *z = TextZuBool(wert);
                return true;
            } else if constexpr (std::is_same_v<T, QDateTime>) {
                *z = DatumZeitLesen(wert);
                return true;
            } else {
                if (s.form == Wertform::Ziffern) {
                    if (s.max < s.min) return ZahlSpeichern(z, ZiffernZuZahl(Cp1252::encode(wert).constData()), s);
                    const std::optional<qint64> zahl = ZiffernLesen(wert);
                    return zahl && ZahlSpeichern(z, *zahl, s);
                }
                const std::optional<qint64> zahl = ZahlLesen(wert);
                return zahl && ZahlSpeichern(z, *zahl, s);
            }
        },
        s.ziel);
}

QString EinstellungText(const Einstellungsschluessel& s)
{
    return std::visit(
        [&](auto* z) -> QString {
            using T = std::remove_pointer_t<decltype(z)>;
            if constexpr (std::is_same_v<T, QString>) {
                return s.form == Wertform::Verschluesselt ? PasswortKodieren(*z) : *z;
            } else if constexpr (std::is_same_v<T, bool>) {
                return BoolZuText(*z);
            } else if constexpr (std::is_same_v<T, QDateTime>) {
                return z->isValid() ? z->toString(QLatin1String(kDatumZeitForm)) : QString();
            } else {
                if (s.form == Wertform::Hex2 || s.form == Wertform::Hex4) {
                    const int stellen = s.form == Wertform::Hex2 ? 2 : 4;
                    return QLatin1Char('$') +
                           QString::number(qulonglong(*z), 16).toUpper().rightJustified(stellen, QLatin1Char('0'));
                }
                return QString::number(*z);
            }
        },
        s.ziel);
}

void EinstellungenVorbelegen()
{
    for (const Einstellungsschluessel& s : EinstellungsTabelle()) {
        if (s.form == Wertform::Verschluesselt) {
            std::get<QString*>(s.ziel)->clear();
        } else {
            // The range is the file's: a default may lie outside it.
            Einstellungsschluessel ohneBereich = s;
            ohneBereich.max = ohneBereich.min - 1;
            EinstellungSetzen(ohneBereich, s.standard);
        }
    }
    Einst.GrossAnzeige = Einst.GrossAnzeigeEinstellung;
}

u32 Farbe(QStringView name)
{
    const Einstellungsschluessel* s = SchluesselSuchen(name);
    if (!s || !std::holds_alternative<u32*>(s->ziel)) return 0;
    return *std::get<u32*>(s->ziel);
}

void FarbeSetzen(QStringView name, u32 wert)
{
    const Einstellungsschluessel* s = SchluesselSuchen(name);
    if (s && std::holds_alternative<u32*>(s->ziel)) *std::get<u32*>(s->ziel) = wert;
}

u32 FarbeStandard(QStringView name)
{
    for (const FarbDefinition& f : kFarben)
        if (name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) return f.standard;
    return 0;
}
