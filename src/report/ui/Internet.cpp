#include "report/ui/Internet.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Password.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Tastaturfelder.h"
#include "report/netz/Netzmodul.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShowEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr u16 FeldcodeHost = 232;
constexpr u16 FeldcodeKennung = 233;
constexpr u16 FeldcodePasswort = 234;
constexpr u16 FeldcodePfad = 235;
constexpr u16 FeldcodeIntervall = 236;
constexpr i32 IntervallMax = 999;

QLineEdit* Feld(QWidget* eltern, const char* name, int maxLaenge)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLaenge);
    return e;
}

QCheckBox* Haken(QWidget* eltern, const char* name, const QString& text)
{
    return Benannt(new QCheckBox(text, eltern), name);
}

template <typename T>
bool Setzen(T& feld, T wert)
{
    if (feld == wert) return false;
    feld = wert;
    return true;
}

}  // namespace

// --- Befehlslabel -------------------------------------------------------------------------

Befehlslabel::Befehlslabel(QWidget* eltern, const char* name, const QString& text) : QLabel(text, eltern)
{
    setObjectName(QLatin1String(name));
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void Befehlslabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) KlickSoundSpielen();
    QLabel::mousePressEvent(e);
}

void Befehlslabel::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit geklickt();
}

// --- TFtpDialog ---------------------------------------------------------------------------

TFtpDialog::TFtpDialog(QWidget* parent, const char* name, const QString& titel, const char16_t* farbe)
    : QDialog(parent)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(titel);
    HintergrundSetzen(this, u"ColorHinweis");
    PopupColorGround = HintergrundAktion(this, farbe);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    EFtpHost = Feld(this, "EFtpHost", 79);
    EFtpKennung = Feld(this, "EFtpKennung", 30);
    EFtpPasswort = Feld(this, "EFtpPasswort", 30);
    EFtpPasswort->setEchoMode(QLineEdit::Password);
    EFtpPasswort->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
    EFtpPfad = Feld(this, "EFtpPfad", 256);
    for (QLineEdit* e : {EFtpHost, EFtpPfad}) e->setMinimumWidth(300);

    BtnFtpServer = new Befehlslabel(this, "BtnFtpServer", QStringLiteral("FTP Server"));
    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    for (QPushButton* b : {BtnOk, BtnAbbrechen}) connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });
    connect(BtnFtpServer, &Befehlslabel::geklickt, this, &TFtpDialog::BtnFtpServerClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    m_tastatur = new TastaturFelder(this, FeldcodeKennung, FeldcodePfad);
    m_tastatur->feld(FeldcodeHost, QStringLiteral("Ftp-Server:"), ModusText, EFtpHost);
    m_tastatur->feld(FeldcodeKennung, QStringLiteral("Benutzerkennung:"), ModusText, EFtpKennung);
    m_tastatur->feld(FeldcodePasswort, QStringLiteral("Passwort:"), ModusText, EFtpPasswort);
    m_tastatur->feld(FeldcodePfad, QStringLiteral("Pfad zur Datei:"), ModusText, EFtpPfad);
}

QGridLayout* TFtpDialog::serverRaster()
{
    auto* raster = new QGridLayout;
    const std::pair<const char*, QLineEdit*> zeilen[] = {{"Ftp-Server:", EFtpHost},
                                                         {"Benutzerkennung:", EFtpKennung},
                                                         {"Passwort:", EFtpPasswort},
                                                         {"Pfad zur Datei:", EFtpPfad}};
    int r = 0;
    for (const auto& [text, feld] : zeilen) {
        raster->addWidget(new QLabel(QString::fromUtf8(text), this), r, 0);
        raster->addWidget(feld, r++, 1);
    }
    raster->setColumnStretch(1, 1);
    return raster;
}

void TFtpDialog::serverZeigen(const QString& host, const QString& kennung, const QString& passwort,
                              const QString& pfad)
{
    EFtpHost->setText(host);
    EFtpKennung->setText(kennung);
    EFtpPasswort->setText(passwort);
    EFtpPfad->setText(pfad);
}

FtpVerbindung TFtpDialog::verbindung() const
{
    return {EFtpHost->text(), Einst.FtpPort, EFtpKennung->text(), EFtpPasswort->text(), EFtpPfad->text()};
}

bool TFtpDialog::zugangVollstaendig() const
{
    if (!EFtpHost->text().trimmed().isEmpty() && !EFtpKennung->text().isEmpty() && !EFtpPasswort->text().isEmpty())
        return true;
    boxen().hinweis(FtpDatenFehlenText);
    return false;
}

void TFtpDialog::Melden(bool ok, const QString& fehler)
{
    if (!ok && !fehler.isEmpty()) boxen().hinweis(fehler);
}

void TFtpDialog::BtnFtpServerClick() { netz().ftpServer(verbindung(), Melden); }

void TFtpDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // restored from minimized: the edits stay
    FeldcodeMin = FeldcodeKennung;
    FeldcodeMax = FeldcodePfad;
    FormShow();
    BtnOk->setFocus();
}

// --- TInternet ----------------------------------------------------------------------------

TInternet::TInternet(QWidget* parent)
    : TFtpDialog(parent, "Internet", QStringLiteral("Website konfigurieren"), u"ColorInternet")
{
    EFtpUpdateInterv = Benannt(new QLineEdit(this), "EFtpUpdateInterv");
    EFtpUpdateInterv->setInputMask(QStringLiteral("999"));
    EFtpUpdateInterv->setFixedWidth(EFtpUpdateInterv->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    LMinuten = Benannt(new QLabel(QStringLiteral("Minuten"), this), "LMinuten");
    CBFtpUpdate = Haken(this, "CBFtpUpdate", QStringLiteral("Homepage aktualisieren"));
    CBFtpUpdateZeit = Haken(this, "CBFtpUpdateZeit", QStringLiteral("nach"));
    CBFtpUpdateDurchg = Haken(this, "CBFtpUpdateDurchg", QStringLiteral("nach einem Durchgang"));
    CBFtpUpdateWechsel = Haken(this, "CBFtpUpdateWechsel", QStringLiteral("bei Spielerwechsel"));
    CBJavaUpdate = Haken(this, "CBJavaUpdate", QStringLiteral("Update mit JavaScript"));
    BtnHtmlSite = new Befehlslabel(this, "BtnHtmlSite", QStringLiteral("Site erzeugen"));
    BtnUpdate = new Befehlslabel(this, "BtnUpdate", QStringLiteral("Update senden"));

    connect(CBFtpUpdate, &QCheckBox::clicked, this, [this] { ftpUpdateSchalten(true); });
    connect(CBJavaUpdate, &QCheckBox::clicked, this, [this](bool an) { BtnHtmlSite->setEnabled(an); });
    connect(BtnHtmlSite, &Befehlslabel::geklickt, this, &TInternet::BtnHtmlSiteClick);
    connect(BtnUpdate, &Befehlslabel::geklickt, this, &TInternet::BtnUpdateClick);
    connect(BtnOk, &QPushButton::clicked, this, &TInternet::BtnOkClick);
    m_tastatur->feld(FeldcodeIntervall, QStringLiteral("Updateintervall:"), ModusZiffern, EFtpUpdateInterv);

    auto* intervallZeile = new QHBoxLayout;
    intervallZeile->addWidget(CBFtpUpdateZeit);
    intervallZeile->addWidget(EFtpUpdateInterv);
    intervallZeile->addWidget(LMinuten);
    intervallZeile->addStretch();
    auto* wann = new QVBoxLayout;
    wann->setContentsMargins(20, 0, 0, 0);
    wann->addLayout(intervallZeile);
    wann->addWidget(CBFtpUpdateDurchg);
    wann->addWidget(CBFtpUpdateWechsel);
    auto* befehle = new QHBoxLayout;
    befehle->addWidget(BtnHtmlSite);
    befehle->addSpacing(24);
    befehle->addWidget(BtnUpdate);
    befehle->addSpacing(24);
    befehle->addWidget(BtnFtpServer);
    befehle->addStretch();
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAbbrechen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(serverRaster());
    spalte->addSpacing(8);
    spalte->addWidget(CBFtpUpdate);
    spalte->addLayout(wann);
    spalte->addWidget(CBJavaUpdate);
    spalte->addSpacing(8);
    spalte->addLayout(befehle);
    spalte->addSpacing(8);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

TInternet::~TInternet() = default;

i32 TInternet::intervall() const
{
    i32 minuten = 0;
    for (QChar c : EFtpUpdateInterv->text())
        if (c >= u'0' && c <= u'9') minuten = minuten * 10 + (c.unicode() - u'0');
    return std::min(minuten, IntervallMax);
}

void TInternet::FormShow()
{
    bool aktualisieren, zeit, durchgang, wechsel, java;
    i32 minuten;
    if (const TWettkampfDaten* w = AktWettkampf) {
        serverZeigen(w->FtpHost, w->FtpKennung, PasswortDekodieren(w->FtpZugang), w->FtpPfad);
        aktualisieren = w->FtpUpdate, zeit = w->FtpUpdateZeit, minuten = w->FtpUpdateInterv;
        durchgang = w->FtpUpdateDurchg, wechsel = w->FtpUpdateWechsel, java = w->JavaUpdate;
    } else {
        serverZeigen(Einst.FtpHost, Einst.FtpKennung, Einst.FtpZugang, Einst.FtpPfad);
        aktualisieren = Einst.FtpUpdate, zeit = Einst.FtpUpdateZeit, minuten = Einst.FtpUpdateInterv;
        durchgang = Einst.FtpUpdateDurchg, wechsel = Einst.FtpUpdateWechsel, java = Einst.JavaUpdate;
    }
    CBFtpUpdate->setChecked(aktualisieren);
    CBFtpUpdateZeit->setChecked(zeit);
    EFtpUpdateInterv->setText(QString::number(std::clamp(minuten, 0, IntervallMax)));
    CBFtpUpdateDurchg->setChecked(durchgang);
    CBFtpUpdateWechsel->setChecked(wechsel);
    CBJavaUpdate->setChecked(java);
    ftpUpdateSchalten(false);
    BtnHtmlSite->setEnabled(java);
    BtnUpdate->setEnabled(AktWettkampf != nullptr);
}

void TInternet::ftpUpdateSchalten(bool abhaken)
{
    const bool an = CBFtpUpdate->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{EFtpUpdateInterv, LMinuten, CBFtpUpdateZeit, CBFtpUpdateDurchg,
                                                      CBFtpUpdateWechsel})
        w->setEnabled(an);
    if (abhaken && !an)
        for (QCheckBox* c : {CBFtpUpdateZeit, CBFtpUpdateDurchg, CBFtpUpdateWechsel}) c->setChecked(false);
}

void TInternet::uploadartSetzen()
{
    AktUpdateIntervall = intervall();
    AktJavaUpdate = CBJavaUpdate->isChecked();
}

void TInternet::BtnHtmlSiteClick()
{
    if (!zugangVollstaendig()) return;
    uploadartSetzen();
    netz().siteErzeugen(verbindung(), Melden);
}

// The live results go to the server shown, as the site does; the match
// keeps its own server until OK.
void TInternet::BtnUpdateClick()
{
    if (!AktWettkampf || !zugangVollstaendig()) return;
    uploadartSetzen();
    netz().updateSenden(*AktWettkampf, verbindung());
}

void TInternet::BtnOkClick()
{
    const bool aktualisieren = CBFtpUpdate->isChecked(), zeit = CBFtpUpdateZeit->isChecked();
    const bool durchgang = CBFtpUpdateDurchg->isChecked(), wechsel = CBFtpUpdateWechsel->isChecked();
    const bool java = CBJavaUpdate->isChecked();
    const i32 minuten = intervall();
    if (TWettkampfDaten* w = AktWettkampf) {
        bool geaendert = Setzen(w->FtpHost, EFtpHost->text());
        geaendert |= Setzen(w->FtpKennung, EFtpKennung->text());
        if (PasswortDekodieren(w->FtpZugang) != EFtpPasswort->text()) {
            w->FtpZugang = PasswortKodieren(EFtpPasswort->text());
            geaendert = true;
        }
        geaendert |= Setzen(w->FtpPfad, EFtpPfad->text());
        geaendert |= Setzen<u8>(w->FtpUpdate, aktualisieren);
        geaendert |= Setzen<u8>(w->FtpUpdateZeit, zeit);
        geaendert |= Setzen<i32>(w->FtpUpdateInterv, minuten);
        geaendert |= Setzen<u8>(w->FtpUpdateDurchg, durchgang);
        geaendert |= Setzen<u8>(w->FtpUpdateWechsel, wechsel);
        geaendert |= Setzen<u8>(w->JavaUpdate, java);
        if (geaendert) w->Geaendert = 1;
        if (aktualisieren) netz().uploadTimer(zeit, minuten * 60000);
    } else {
        Einst.FtpHost = EFtpHost->text();
        Einst.FtpKennung = EFtpKennung->text();
        Einst.FtpZugang = EFtpPasswort->text();
        Einst.FtpPfad = EFtpPfad->text();
        Einst.FtpUpdate = aktualisieren;
        Einst.FtpUpdateZeit = zeit;
        Einst.FtpUpdateInterv = u16(minuten);
        Einst.FtpUpdateDurchg = durchgang;
        Einst.FtpUpdateWechsel = wechsel;
        Einst.JavaUpdate = java;
        for (const char* name : {"FtpHost", "FtpKennung", "FtpZugang", "FtpPfad", "FtpUpdate", "FtpUpdateZeit",
                                 "FtpUpdateInterv", "FtpUpdateDurchg", "FtpUpdateWechsel", "JavaUpdate"})
            if (const Einstellungsschluessel* s = SchluesselSuchen(QString::fromLatin1(name))) EinstellungSchreiben(*s);
        InfListeSpeichern();
    }
    accept();
}
