#include "shell/OptionenProgramm.h"

#include "competition/Chipkarte.h"
#include "competition/Kartenzeitgeber.h"
#include "core/Clock.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "match/dienste/Netzdienste.h"

#include <initializer_list>

namespace {

std::vector<Optionsschluessel> Sektion(const char* sektion, std::initializer_list<const char*> namen)
{
    std::vector<Optionsschluessel> v;
    for (const char* n : namen) v.emplace_back(QLatin1String(sektion), QLatin1String(n));
    return v;
}

}  // namespace

std::vector<Optionsschluessel> AllgemeinSchluessel()
{
    return Sektion("[Allgemein]", {"WettkDir", "ExportDir", "SpielerDir", "Land", "Bezirk", "Club", "Klasse",
                                   "Spielort", "Bahnanlage", "SoundAktiv", "ClickSoundAktiv", "TastSoundAktiv"});
}

std::vector<Optionsschluessel> AnsichtSchluessel()
{
    return Sektion(
        "[Ansicht]",
        {"Verschiebbar", "Hinweise", "SchalterSichtbar", "SchalterUnten", "Hintergrund", "Statusleiste",
         // the program
         "ColorSpiel", "ColorBahnen", "ColorErgebnistafel", "ColorHeim", "ColorGast", "ColorHeaderHeim",
         "ColorHeaderGast", "ColorTotalHeim", "ColorTotalGast", "ColorWurfHeim", "ColorWurfGast", "ColorPlusHeim",
         "ColorPlusGast", "ColorPunkteHeim", "ColorPunkteGast", "ColorSpieler", "ColorGestartet", "ColorFertig",
         "ColorHinweis", "ColorSpielbericht", "ColorFormulare",
         // the large display
         "ColorTafel", "ColorTHeim", "ColorTGast", "ColorTErgebnisse", "ColorTHeaderHeim", "ColorTHeaderGast",
         "ColorTTotalHeim", "ColorTTotalGast", "ColorTWurfHeim", "ColorTWurfGast", "ColorTPlusHeim", "ColorTPlusGast",
         "ColorTPunkteHeim", "ColorTPunkteGast", "ColorTSpieler", "ColorTGestartet", "ColorTFertig",
         // the info terminal
         "ColorITafel", "ColorITHeim", "ColorITGast", "ColorITHeaderHeim", "ColorITHeaderGast", "ColorITSpielerErg",
         "ColorITMannschaft", "ColorITErgebnisse", "ColorITTotalHeim", "ColorITTotalGast", "ColorITWurfHeim",
         "ColorITWurfGast", "ColorITPlusHeim", "ColorITPlusGast", "ColorITPunkteHeim", "ColorITPunkteGast",
         "ColorITSpieler", "ColorITGestartet", "ColorITFertig",
         //
         "TouchAktiv", "TastDoppelclick", "DoppelclickSpeed", "Punkteanzeige", "Satzanzeige", "Bahnerganzeige"});
}

std::vector<Optionsschluessel> SystemSchluessel()
{
    return Sektion("[System]", {"ChipkartePort", "Chipkarte", "AudioDevice", "Volume", "Record"});
}

std::vector<Optionsschluessel> ProgrammeSchluessel()
{
    return Sektion("[Programme]",
                   {"Programm1", "ProgrammName1", "Programm2", "ProgrammName2", "Programm3", "ProgrammName3"});
}

std::vector<Optionsschluessel> InternetSchluessel()
{
    return Sektion("[Internet]", {"TimeHost", "TimePort", "ZeitUpStart", "ZeitUpdate", "ZeitUpInterv", "ZeitUpLast",
                                  "FtpHost", "FtpPort", "FtpKennung", "FtpZugang", "FtpPfad", "FtpUpdate",
                                  "FtpUpdateZeit", "FtpUpdateInterv", "FtpUpdateDurchg", "FtpUpdateWechsel",
                                  "JavaUpdate"});
}

std::vector<Optionsschluessel> EmailSchluessel()
{
    return Sektion("[email]", {"EmailHost", "EmailPort", "EmailKennungEin", "EmailKennung", "EmailName", "EmailVon",
                               "EmailAn", "EmailBetreff"});
}

std::vector<Optionsschluessel> AnzeigeSchluessel()
{
    return Sektion("[Anzeige]", {"MannschAnzeige", "MannschAnzeigeDig", "MannschAnzeigeAnz", "NamenAnzeige",
                                 "NamenAnzeigeDig", "SaPAnzeige", "SaPAnzeigeDig", "SaPWand", "SaPNamen",
                                 "MaPMannsch", "GrossAnzeige", "MonitorAnzeige", "TerminalAnzeige",
                                 "SpielzeitIntervall"});
}

void KartenleserNeuOeffnen()
{
    KartenleserSchliessen();
    KartenleserOeffnen();
    KartenabfrageFortsetzen();
}

void ZeitUpdateAnwenden()
{
    if (!Einst.ZeitUpdate) {
        netz().zeitUpdateTimer(0);
        return;
    }
    if (!Einst.ZeitUpLast.isValid()) Einst.ZeitUpLast = Jetzt();
    netz().zeitUpdateTimer(qint64(Einst.ZeitUpInterv) * 3600000);
}

void AnzeigefensterAnwenden()
{
    const std::pair<bool, KonfigFenster> schalter[] = {
        {Einst.MannschanzOn, KonfigFenster::Mannschaftanz}, {Einst.NamenanzOn, KonfigFenster::Namenanz},
        {Einst.GrossAnzeige, KonfigFenster::Grossanz},      {Einst.MonitorAnzeige, KonfigFenster::Monitoranz},
        {Einst.TerminalAnzeige, KonfigFenster::Infoterminal},
    };
    for (const auto& [an, f] : schalter) {
        if (an)
            fenster().erzeugen(f);
        else
            fenster().freigeben(f);
    }
}

u8 SpielzeitAusText(const QString& text)
{
    bool ok = false;
    const int z = text.trimmed().toInt(&ok);
    return ok && z >= 0 && z <= 255 ? u8(z) : u8(6);
}
