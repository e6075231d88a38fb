#include "report/ui/FtpSenden.h"

#include "core/Globals.h"
#include "core/Password.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The live results of the match in slot `nr`, while it is still open.
void LiveErgebnisseSenden(int nr)
{
    if (nr < 1 || nr > MaxWettkaempfe || !WettkampfBelegt[nr]) return;
    TWettkampfDaten& w = Wettkaempfe[nr];
    LiveErgebnisHochladen(w, w.FtpUpdateInterv);
}

}  // namespace

TFtpSenden::TFtpSenden(QWidget* parent)
    : TFtpDialog(parent, "FtpSenden", QStringLiteral("Spielbericht zur Website senden ?"), u"ColorFtpSenden")
{
    BtnOk->setToolTip(QStringLiteral("Spielbericht senden"));
    BtnAbbrechen->setToolTip(QStringLiteral("Spielbericht nicht senden"));
    connect(BtnOk, &QPushButton::clicked, this, &TFtpSenden::BtnOkClick);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BtnFtpServer);
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(serverRaster());
    spalte->addSpacing(10);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

TFtpSenden::~TFtpSenden() = default;

void TFtpSenden::FormShow()
{
    if (const TWettkampfDaten* w = AktWettkampf)
        serverZeigen(w->FtpHost, w->FtpKennung, PasswortDekodieren(w->FtpZugang), w->FtpPfad);
}

void TFtpSenden::BtnOkClick()
{
    TWettkampfDaten* w = AktWettkampf;
    if (!w) {
        accept();
        return;
    }
    if (!zugangVollstaendig()) return;

    // The live results go where the site files go.
    const QString passwort = EFtpPasswort->text();
    const bool geaendert = w->FtpHost != EFtpHost->text() || w->FtpKennung != EFtpKennung->text() ||
                     w->FtpPfad != EFtpPfad->text() || PasswortDekodieren(w->FtpZugang) != passwort;
    if (geaendert) {
        w->FtpHost = EFtpHost->text();
        w->FtpKennung = EFtpKennung->text();
        w->FtpZugang = PasswortKodieren(passwort);
        w->FtpPfad = EFtpPfad->text();
        w->Geaendert = 1;
    }
    const int nr = AktWettkampfNr;
    if (w->JavaUpdate) {
        // One FTP session after the other: the live results follow the site
        // files, and bring the filled script (no blank one before it).
        AktUpdateIntervall = w->FtpUpdateInterv;
        AktJavaUpdate = w->JavaUpdate;
        netz().siteDateienSenden(verbindung(), [nr](bool ok, const QString& fehler) {
            LiveErgebnisseSenden(nr);
            Melden(ok, fehler);
        });
    } else {
        LiveErgebnisseSenden(nr);
    }
    accept();
}
