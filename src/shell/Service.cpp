#include "shell/Service.h"

#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Cp1252.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Shell.h"
#include "core/TextFunctions.h"
#include "match/bus/CanLog.h"
#include "match/dienste/Netzdienste.h"
#include "shell/Programmende.h"

#include <QDir>
#include <optional>

ServiceZustand serviceZustand;

namespace {

constexpr int AnzeigeNormal = 1;
const QString Sektion = QStringLiteral("[Service]");

QString protokollText(const char* was)
{
    return QStringLiteral("CAN-Aufzeichnung: %1 %2")
        .arg(QDir::toNativeSeparators(CanProtokolldatei().pfad()), QString::fromUtf8(was));
}

// The settings of those keys, in their order.
std::vector<const bool*> serviceWerte()
{
    std::vector<const bool*> w{&Einst.CANAufzeichnen};
    for (long n = 1; n <= 16; ++n) w.push_back(&Einst.CANBahn[n]);
    for (const bool* b : {&Einst.CANIn, &Einst.CANOut, &Einst.CANWuerfe, &Einst.CANBahnsteuerung,
                          &Einst.CANMannschaftanzeige, &Einst.CANNamenanzeige})
        w.push_back(b);
    return w;
}

}  // namespace

// --- Traffic log ---------------------------------------------------------------------


const QStringList& ServiceSchluessel()
{
    static const QStringList schluessel = [] {
        QStringList s{QStringLiteral("CANAufzeichnen")};
        for (int n = 1; n <= 16; ++n) s << QStringLiteral("CANBahn%1").arg(n);
        s << QStringLiteral("CANIn") << QStringLiteral("CANOut") << QStringLiteral("CANWuerfe")
          << QStringLiteral("CANBahnsteuerung") << QStringLiteral("CANMannschaftanzeige")
          << QStringLiteral("CANNamenanzeige");
        return s;
    }();
    return schluessel;
}

bool ServiceUebernehmen()
{
    if (!Einst.CANAufzeichnen && CanProtokollOffen())
        CanProtokollSchliessen();
    else if (Einst.CANAufzeichnen && !CanProtokollOffen() && !CanProtokollOeffnen(Jetzt()))
        boxen().hinweis(protokollText("kann nicht angelegt werden"));

    const std::vector<const bool*> werte = serviceWerte();
    const QStringList& schluessel = ServiceSchluessel();
    for (qsizetype i = 0; i < schluessel.size(); ++i) InfSchreiben(Sektion, schluessel[i], BoolZuText(*werte[i]));
    return InfListeSpeichern();
}

void ProtokollMarke() { CanProtokollZeile("Marke"); }

void ProtokollLeeren()
{
    if (CanProtokolldatei().offen() && !CanProtokollLeeren())
        boxen().hinweis(protokollText("kann nicht geleert werden"));
}

// --- Mail of the log -----------------------------------------------------------------

QString MailPruefen(const QString& an)
{
    if (an.trimmed().isEmpty()) return KeinEmpfaengerText;
    if (Einst.EmailVon.trimmed().isEmpty()) return KeinAbsenderText;
    if (Einst.EmailHost.trimmed().isEmpty()) return KeinMailserverText;
    return {};
}

Mailauftrag ProtokollMail(const QString& an, const QString& mailtext, const QString& anhang)
{
    Mailauftrag m;
    m.host = Einst.EmailHost.trimmed();
    m.port = Einst.EmailPort;
    if (Einst.EmailKennungEin) m.kennung = Einst.EmailKennung;
    m.von = Einst.EmailVon.trimmed();
    m.vonName = Bahnanlage;
    m.an = an.trimmed();
    m.betreff = QStringLiteral("CAN-Testberichte von ") + Bahnanlage;
    m.text << m.betreff << QString();
    if (!mailtext.isEmpty()) m.text << mailtext.split(QLatin1Char('\n'));
    m.anhang = anhang;
    return m;
}

bool ProtokollSenden(const QString& an, const QString& mailtext, MailEnde ende)
{
    if (const QString grund = MailPruefen(an); !grund.isEmpty()) {
        boxen().hinweis(grund);
        return false;
    }
    if (serviceZustand.MailLaeuft) return false;
    const QString anhang = CanProtokollAnhalten();
    serviceZustand.MailLaeuft = true;
    netz().mailSenden(ProtokollMail(an, mailtext, anhang), [ende, mitProtokoll = !anhang.isEmpty()](
                                                               bool ok, const QString& fehler) {
        serviceZustand.MailLaeuft = false;
        // Recording goes on after every transfer, also after a failed one.
        if (!CanProtokollFortsetzen()) boxen().hinweis(protokollText("kann nicht wieder geöffnet werden"));
        if (!ok)
            boxen().hinweis(fehler.isEmpty() ? QStringLiteral("Das Protokoll konnte nicht gesendet werden !") : fehler);
        if (ende) ende(ok, mitProtokoll);
    });
    return true;
}

bool MailLaeuft() { return serviceZustand.MailLaeuft; }

// --- Update check --------------------------------------------------------------------

bool UpdateNeuer(const QString& seite, const QString& installiert)
{
    if (installiert.isEmpty() || !seite.startsWith(QLatin1Char('#'))) return false;
    return QStringView(seite).mid(1, 9).compare(installiert, Qt::CaseSensitive) > 0;
}

QString UpdateStand()
{
    const std::optional<QStringList> zeilen = TextdateiLesen(DateiImOrdner(Programmverzeichnis, UpdateDatei));
    if (!zeilen) return QStringLiteral("0");
    for (const QString& z : *zeilen) {
        const KeyWert kw = SchluesselWert(z);
        if (kw.key.compare(QLatin1String("Update"), Qt::CaseInsensitive) == 0) return kw.wert.trimmed();
    }
    return QStringLiteral("0");
}

QString UpdateServerLesen()
{
    if (const std::optional<QStringList> zeilen = TextdateiLesen(InfDatei)) {
        // As the settings reader takes it: the key's last line, in any section.
        std::optional<QString> wert;
        for (const QString& z : *zeilen) {
            const KeyWert kw = SchluesselWert(z);
            if (kw.key.compare(QLatin1String("UpdateServer"), Qt::CaseInsensitive) == 0) wert = kw.wert;
        }
        // Kept in the program's copy too, so that its next save of the file keeps it.
        if (wert && *wert != Einst.UpdateServer) {
            Einst.UpdateServer = *wert;
            InfSchreiben(Sektion, QStringLiteral("UpdateServer"), *wert);
        }
    }
    return Einst.UpdateServer.trimmed();
}

QString ServerAdresse(const QString& server, const QString& pfad)
{
    QString s = server.trimmed();
    if (s.isEmpty()) return {};
    if (!s.contains(QLatin1String("://"))) s.prepend(QLatin1String("http://"));
    while (s.endsWith(QLatin1Char('/'))) s.chop(1);
    return s + pfad;
}

void UpdateAnbieten(const QString& seite, const QString& server, const std::function<void()>& programmBeenden)
{
    if (!UpdateNeuer(seite, UpdateStand())) {
        boxen().hinweis(KeinUpdateText);
        return;
    }
    if (boxen().hinweisJa(UpdateFrageText) != ErgebnisJa) return;
    if (SpielGestartet()) {
        boxen().hinweisOk(UpdateGestartetText);
        return;
    }
    if (boxen().hinweisOk(UpdateSchliessenText) != ErgebnisOk) return;
    DateiAusfuehren(ServerAdresse(server, UpdateInstaller), QString(), QString(), AnzeigeNormal);
    if (programmBeenden) programmBeenden();
}

void UpdateSuchen(std::function<void()> programmBeenden)
{
    if (serviceZustand.UpdateLaeuft) return;
    const QString server = UpdateServerLesen();
    if (server.isEmpty()) {
        boxen().hinweis(KeinUpdateServerText);
        return;
    }
    serviceZustand.UpdateLaeuft = true;
    netz().seiteHolen(ServerAdresse(server, UpdateSeite), [server, programmBeenden = std::move(programmBeenden)](
                                                              bool ok, const QByteArray& seite, const QString& fehler) {
        serviceZustand.UpdateLaeuft = false;
        if (!ok) {
            boxen().hinweis(fehler.isEmpty() ? QStringLiteral("Die Update-Seite konnte nicht geladen werden !")
                                             : fehler);
            return;
        }
        UpdateAnbieten(Cp1252::decode(seite.left(10)), server, programmBeenden);
    });
}

bool UpdateLaeuft() { return serviceZustand.UpdateLaeuft; }

void ServiceseiteOeffnen()
{
    const QString server = UpdateServerLesen();
    if (server.isEmpty()) {
        boxen().hinweis(KeinUpdateServerText);
        return;
    }
    DateiAusfuehren(ServerAdresse(server, Serviceseite), QString(), QString(), AnzeigeNormal);
}
