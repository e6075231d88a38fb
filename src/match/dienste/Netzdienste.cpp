#include "match/dienste/Netzdienste.h"

#include "core/Globals.h"

namespace {

class KeinNetz final : public NetzDienste {
public:
    void internetUpdate(TWettkampfDaten&) override {}
    void uploadTimer(bool, int) override {}
};

KeinNetz g_kein;
NetzDienste* g_netz = &g_kein;

}  // namespace

void NetzDienste::updateSenden(TWettkampfDaten& w, const FtpVerbindung&) { internetUpdate(w); }

void NetzDienste::mailSenden(const Mailauftrag&, MailFertig fertig)
{
    if (fertig) fertig(false, QStringLiteral("Der Versand ist in dieser Programmversion nicht eingerichtet !"));
}

void NetzDienste::seiteHolen(const QString&, SeiteFertig fertig)
{
    if (fertig)
        fertig(false, {}, QStringLiteral("Der Abruf aus dem Internet ist in dieser Programmversion nicht eingerichtet !"));
}

void NetzDienste::zeitAbgleichen(NetzFertig fertig)
{
    if (fertig) fertig(false, QStringLiteral("Die Zeitabfrage ist in dieser Programmversion nicht eingerichtet !"));
}

void NetzDienste::siteErzeugen(const FtpVerbindung&, NetzFertig fertig)
{
    if (fertig)
        fertig(false, QStringLiteral("Das Veröffentlichen im Internet ist in dieser Programmversion nicht eingerichtet !"));
}

void NetzDienste::siteDateienSenden(const FtpVerbindung&, NetzFertig fertig)
{
    if (fertig)
        fertig(false, QStringLiteral("Das Veröffentlichen im Internet ist in dieser Programmversion nicht eingerichtet !"));
}

void NetzDienste::ftpServer(const FtpVerbindung&, NetzFertig fertig)
{
    if (fertig)
        fertig(false, QStringLiteral("Das Veröffentlichen im Internet ist in dieser Programmversion nicht eingerichtet !"));
}

NetzZustand netzZustand;
u8& AktJavaUpdate = netzZustand.AktJavaUpdate;
i32& AktUpdateIntervall = netzZustand.AktUpdateIntervall;
FtpVerbindung& FtpAktuell = netzZustand.FtpAktuell;

void setNetzDienste(NetzDienste* n) { g_netz = n ? n : &g_kein; }
NetzDienste& netz() { return *g_netz; }

void LiveErgebnisHochladen(TWettkampfDaten& w, i32 intervall)
{
    AktJavaUpdate = w.JavaUpdate;
    AktUpdateIntervall = intervall;
    g_netz->internetUpdate(w);
}

void NachrichtSenden(int bahn, const QByteArray& sender, const QByteArray& text)
{
    if (!Einst.MonitorExport.contains(bahn)) return;
    const QString& host = Einst.MonitorExport[bahn].ExportAdresse;
    if (!host.trimmed().isEmpty()) netz().nachrichtSenden(host.trimmed(), sender, text);
}
