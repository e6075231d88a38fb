#include "match/print/Druckerportdialog.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "match/print/Druckwarteschlange.h"
#include "match/print/Escp.h"
#include "platform/Druckerport.h"

namespace {

std::array<std::uint8_t*, 7> Codes()
{
    TEinstellungen& e = Einst;
    return {&e.DrAeGross, &e.DrOeGross, &e.DrUeGross, &e.DrAeKlein, &e.DrOeKlein, &e.DrUeKlein, &e.DrSs};
}

// The port serves a match or the report, or still has bytes to send.
bool SchnittstelleBelegt(int schnittstelle)
{
    for (int q = 1; q <= ZentralDruckerAnzahl; ++q)
        if (Einst.Drucker[q].Schnittstelle == schnittstelle && (DruckerBeschaeftigt[q] || DruckerAusstehend(q) > 0))
            return true;
    return false;
}

QString SchnittstellenName(int n) { return n >= 5 ? QStringLiteral("COM%1").arg(n - 4) : QStringLiteral("LPT%1").arg(n); }

}  // namespace

DruckerportArbeitskopie OptDrucker;

DruckerportArbeitskopie DruckerportArbeitskopieLaden()
{
    DruckerportArbeitskopie opt;
    for (int p = 1; p <= 4; ++p) {
        TZentralDrucker& d = opt.Drucker[p];
        d = Einst.Drucker[p];
        // A lane 0 (none) becomes 255, which selects no lane and comes back as 0.
        d.DrBahnVon = static_cast<std::uint8_t>(d.DrBahnVon - 1);
        d.DrBahnBis = static_cast<std::uint8_t>(d.DrBahnBis - 1);
        d.PageLength = Einst.Drucker[p].PageLength / 2;
    }
    const auto codes = Codes();
    for (std::size_t i = 0; i < codes.size(); ++i) opt.Sonderzeichen[i] = *codes[i];
    return opt;
}

void DruckerportArbeitskopieUebernehmen(const DruckerportArbeitskopie& opt)
{
    for (int p = 1; p <= 4; ++p) {
        TZentralDrucker& d = Einst.Drucker[p];
        const std::uint16_t wait = d.DruckWait;
        d = opt.Drucker[p];
        d.DruckWait = wait;
        d.DrBahnVon = static_cast<std::uint8_t>(opt.Drucker[p].DrBahnVon + 1);
        d.DrBahnBis = static_cast<std::uint8_t>(opt.Drucker[p].DrBahnBis + 1);
        d.PageLength = 2 * opt.Drucker[p].PageLength;
    }
    const auto codes = Codes();
    for (std::size_t i = 0; i < codes.size(); ++i) *codes[i] = opt.Sonderzeichen[i];
}

std::int64_t DruckerportZahl(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qlonglong n = t.startsWith(QLatin1Char('$')) ? t.mid(1).toLongLong(&ok, 16) : t.toLongLong(&ok, 10);
    return ok ? n : 0;
}

QString SonderzeichenText(std::uint8_t code)
{
    return QLatin1Char('$') + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

QByteArray DruckertestPuffer(const DruckerportArbeitskopie& opt, int p)
{
    TZentralDrucker& live = Einst.Drucker[p];
    const TZentralDrucker gesichert = live;
    const auto codes = Codes();
    std::array<std::uint8_t, 7> zeichen{};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        zeichen[i] = *codes[i];
        *codes[i] = opt.Sonderzeichen[i];
    }
    const TZentralDrucker& w = opt.Drucker[p];
    live.Emulation = w.Emulation;
    live.PageLength = 2 * w.PageLength;
    live.StartFeed = w.StartFeed;
    live.EndFeed = w.EndFeed;
    live.FormFeed = w.FormFeed;

    QByteArray puffer;
    DruckerInitialisieren(puffer, live);
    BlattanfangVorschub(puffer, live);
    DruckerTextAnhaengen(puffer, "Test Umlaute \xC4\xD6\xDC\xE4\xF6\xFC\xDF\n\r");
    BlattendeVorschub(puffer, live);

    live = gesichert;
    for (std::size_t i = 0; i < codes.size(); ++i) *codes[i] = zeichen[i];
    return puffer;
}

namespace {

Druckertest Senden(const DruckerportArbeitskopie& opt, int p)
{
    const TZentralDrucker& w = opt.Drucker[p];
    const int n = w.Schnittstelle;
    if (n < 1 || n > 8) return Druckertest::KeineSchnittstelle;
    if (SchnittstelleBelegt(n)) return Druckertest::Belegt;
    Druckerport& port = druckerport();
    port.InoutInit(w.DrTimer, 0);
    const QByteArray puffer = DruckertestPuffer(opt, p);

    std::uint16_t& wait = Einst.Drucker[p].DruckWait;
    wait = 0;
    const bool seriell = n >= 5;
    const std::uint8_t nr = static_cast<std::uint8_t>(seriell ? n - 4 : n);
    const std::uint8_t konfig = seriell ? port.ConfigSerialPort(nr, w.ComMode, w.ComBaud, w.ComDatenbit,
                                                                w.ComStopbit, w.ComParity)
                                        : port.ConfigParallelPort(nr, w.LptMode);
    if (konfig != 0) return Druckertest::NichtBereit;
    for (const char c : puffer) {
        const auto b = static_cast<std::uint8_t>(c);
        int abgelehnt = 0;
        while ((seriell ? port.OutSerialPort(nr, b) : port.OutParallelPort(nr, b)) != 0)
            if (++abgelehnt >= DruckertestGrenze) return Druckertest::Abgebrochen;
        if (abgelehnt > wait) wait = static_cast<std::uint16_t>(abgelehnt + 10);
    }
    return Druckertest::Gesendet;
}

QString DruckertestText(Druckertest ergebnis, int p, const QString& port)
{
    switch (ergebnis) {
    case Druckertest::Gesendet: return QStringLiteral("Der Testdruck wurde an %1 gesendet.").arg(port);
    case Druckertest::KeineSchnittstelle:
        return QStringLiteral("Für Drucker %1 ist keine Schnittstelle gewählt: es wurde nichts gedruckt.").arg(p);
    case Druckertest::Belegt:
        return QStringLiteral("Auf %1 wird gerade für ein Spiel gedruckt. Der Test ist erst möglich, "
                              "wenn der Drucker wieder frei ist.")
            .arg(port);
    case Druckertest::NichtBereit:
        return QStringLiteral("%1 kann nicht geöffnet werden: es wurde nichts gedruckt. Bitte prüfen, ob der "
                              "Drucker angeschlossen und eingeschaltet ist.")
            .arg(port);
    case Druckertest::Abgebrochen:
        return QStringLiteral("Der Drucker an %1 nimmt keine Daten an. Der Testdruck wurde abgebrochen.").arg(port);
    }
    return {};
}

}  // namespace

Druckertest DruckertestSenden(const DruckerportArbeitskopie& opt, int p)
{
    const Druckertest ergebnis = Senden(opt, p);
    boxen().hinweis(DruckertestText(ergebnis, p, SchnittstellenName(opt.Drucker[p].Schnittstelle)));
    return ergebnis;
}
