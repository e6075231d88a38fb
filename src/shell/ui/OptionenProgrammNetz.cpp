// The pages Internet and email of the options dialog.

#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/TextFunctions.h"
#include "core/ui/Tastaturfelder.h"
#include "match/dienste/Netzdienste.h"
#include "shell/OptionenProgramm.h"
#include "shell/ui/Listeneditor.h"
#include "shell/ui/Optionen.h"
#include "shell/ui/OptionenProgrammTeile.h"
#include "shell/ui/OptionenSeiten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The ports with their standards, which a setting of 0 means.
constexpr u16 ZeitPortStandard = 37, FtpPortStandard = 21, MailPortStandard = 25;
// Five digits take every port.
constexpr int PortStellen = 5;
// The hours between two synchronisations: what its three digits hold.
constexpr qint64 ZeitUpdateHoechstens = 999;

QString PortText(u16 port, u16 standard) { return QString::number(port ? port : standard); }

// A strict field and its range.
struct Strenge {
    QLineEdit* feld;
    qint64 min = 1, max = 65535;  // a port
    StrengeZahl lesen() const { return StrengeZahlLesen(feld->text(), max, min); }
};

// The first strict field in error, in the order of the fields.
std::optional<Feldfehler> StrengePruefen(std::initializer_list<Strenge> felder)
{
    for (const Strenge& f : felder) {
        const StrengeZahl z = f.lesen();
        if (!z.wert) return Feldfehler{f.feld, z.fehler};
    }
    return std::nullopt;
}

// Checked by pruefen() before OK stores anything.
u16 Geprueft(const Strenge& f) { return u16(f.lesen().wert.value_or(0)); }

void Hinweisen(bool ok, const QString& fehler)
{
    if (!ok) boxen().hinweis(fehler);
}

// --- Internet -----------------------------------------------------------------------------

class InternetSeiteImpl final : public Optionenseite {
public:
    explicit InternetSeiteImpl(TOptionen& dialog);
    void laden() override;
    std::optional<Feldfehler> pruefen() const override
    {
        return StrengePruefen({{ETimePort}, {EZeitUpdate, 0, ZeitUpdateHoechstens}, {EFtpPort}});
    }
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override { return InternetSchluessel(); }
    void gezeigt() override
    {
        FeldcodeMin = 220;
        FeldcodeMax = 228;
    }

private:
    void ftpUpdateSchalten();
    void BtnTimeClick();
    FtpVerbindung verbindung(u16 port) const;

    QLineEdit *ETimeHost, *ETimePort, *EZeitUpdate;
    Knopflabel *LStandard, *BtnTime;
    QLabel *LStatus, *LZeit, *LMinuten;
    QCheckBox *CBAktStart, *CBZeitUpdate;
    QLineEdit *EFtpHost, *EFtpPort, *EFtpKennung, *EFtpPasswort, *EFtpPfad, *EFtpUpdateInterv;
    Knopflabel *LFtpStandard, *BtnHtmlSite, *BtnFtpServer;
    QCheckBox *CBFtpUpdate, *CBFtpUpdateZeit, *CBFtpUpdateDurchg, *CBFtpUpdateWechsel, *CBJavaUpdate;
};

InternetSeiteImpl::InternetSeiteImpl(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabInternet"))
{
    auto* zeit = new QGroupBox(QStringLiteral("Zeitserver"), this);
    ETimeHost = Feld(zeit, "ETimeHost", 79);
    ETimePort = Schmal(Feld(zeit, "ETimePort", PortStellen), PortStellen);
    ETimePort->setText(PortText(0, ZeitPortStandard));
    LStandard = Labelknopf(zeit, "LStandard", QStringLiteral("Standard"));
    BtnTime = Labelknopf(zeit, "BtnTime", QStringLiteral("Zeit aktualisieren"));
    LStatus = Beschriftung(zeit, "LStatus", {});
    LZeit = Beschriftung(zeit, "LZeit", {});
    CBAktStart = Haken(zeit, "CBAktStart", QStringLiteral("  Rechnerzeit bei Programmstart aktualisieren"));
    CBZeitUpdate = Haken(zeit, "CBZeitUpdate", QStringLiteral("  Rechnerzeit aktualisieren nach"));
    EZeitUpdate = Schmal(Feld(zeit, "EZeitUpdate", 3), 3);
    connect(LStandard, &Knopflabel::geklickt, this, [this] { ETimePort->setText(PortText(0, ZeitPortStandard)); });
    connect(BtnTime, &Knopflabel::geklickt, this, &InternetSeiteImpl::BtnTimeClick);
    auto* zeitRaster = new QGridLayout(zeit);
    zeitRaster->addWidget(Beschriftung(zeit, nullptr, QStringLiteral("Timeserver:")), 0, 0);
    zeitRaster->addWidget(ETimeHost, 0, 1, 1, 3);
    zeitRaster->addWidget(Beschriftung(zeit, nullptr, QStringLiteral("Port:")), 1, 0);
    zeitRaster->addWidget(ETimePort, 1, 1);
    zeitRaster->addWidget(LStandard, 1, 2);
    zeitRaster->addWidget(BtnTime, 2, 1);
    zeitRaster->addWidget(LStatus, 2, 2);
    zeitRaster->addWidget(LZeit, 2, 3);
    zeitRaster->addWidget(CBAktStart, 3, 0, 1, 4);
    auto* update = new QHBoxLayout;
    update->addWidget(CBZeitUpdate);
    update->addWidget(EZeitUpdate);
    update->addWidget(Beschriftung(zeit, nullptr, QStringLiteral("Stunden")));
    update->addStretch();
    zeitRaster->addLayout(update, 4, 0, 1, 4);
    zeitRaster->setColumnStretch(3, 1);

    auto* ftp = new QGroupBox(QStringLiteral("Homepage"), this);
    EFtpHost = Feld(ftp, "EFtpHost", 79);
    EFtpPort = Schmal(Feld(ftp, "EFtpPort", PortStellen), PortStellen);
    EFtpPort->setText(PortText(0, FtpPortStandard));
    LFtpStandard = Labelknopf(ftp, "LFtpStandard", QStringLiteral("Standard"));
    EFtpKennung = Feld(ftp, "EFtpKennung", 30);
    EFtpPasswort = Feld(ftp, "EFtpPasswort", 30);
    EFtpPasswort->setEchoMode(QLineEdit::Password);
    EFtpPfad = Feld(ftp, "EFtpPfad", 256);
    CBFtpUpdate = Haken(ftp, "CBFtpUpdate", QStringLiteral("  Homepage aktualisieren"));
    CBFtpUpdateZeit = Haken(ftp, "CBFtpUpdateZeit", QStringLiteral("  nach"));
    EFtpUpdateInterv = Schmal(Feld(ftp, "EFtpUpdateInterv", 3), 3);
    LMinuten = Beschriftung(ftp, "LMinuten", QStringLiteral("Minuten"));
    CBFtpUpdateDurchg = Haken(ftp, "CBFtpUpdateDurchg", QStringLiteral("  nach einem Durchgang"));
    CBFtpUpdateWechsel = Haken(ftp, "CBFtpUpdateWechsel", QStringLiteral("  bei Spielerwechsel"));
    CBJavaUpdate = Haken(ftp, "CBJavaUpdate", QStringLiteral("  Update mit JavaScript"));
    BtnHtmlSite = Labelknopf(ftp, "BtnHtmlSite", QStringLiteral("Site erzeugen"));
    BtnFtpServer = Labelknopf(ftp, "BtnFtpServer", QStringLiteral("FTP Server"));
    connect(LFtpStandard, &Knopflabel::geklickt, this, [this] { EFtpPort->setText(PortText(0, FtpPortStandard)); });
    connect(CBFtpUpdate, &QCheckBox::clicked, this, &InternetSeiteImpl::ftpUpdateSchalten);
    connect(CBJavaUpdate, &QCheckBox::clicked, this, [this](bool an) { BtnHtmlSite->setEnabled(an); });
    connect(BtnHtmlSite, &Knopflabel::geklickt, this, [this] {
        const StrengeZahl port = PortLesen(EFtpPort->text());
        if (!port.wert) {
            boxen().hinweis(port.fehler);
            return;
        }
        netz().siteErzeugen(verbindung(u16(*port.wert)), Hinweisen);
    });
    // The browser takes the stored port, not the field's.
    connect(BtnFtpServer, &Knopflabel::geklickt, this,
            [this] { netz().ftpServer(verbindung(Einst.FtpPort), Hinweisen); });
    auto* ftpRaster = new QGridLayout(ftp);
    const std::pair<const char*, QLineEdit*> felder[] = {
        {"Ftp-Server:", EFtpHost}, {"Port:", EFtpPort},          {"Benutzerkennung:", EFtpKennung},
        {"Passwort:", EFtpPasswort}, {"Pfad zur Datei:", EFtpPfad},
    };
    int z = 0;
    for (const auto& [text, feld] : felder) {
        ftpRaster->addWidget(Beschriftung(ftp, nullptr, QString::fromUtf8(text)), z, 0);
        ftpRaster->addWidget(feld, z, 1, 1, feld == EFtpPort ? 1 : 3);
        if (feld == EFtpPort) ftpRaster->addWidget(LFtpStandard, z, 2);
        ++z;
    }
    auto* intervall = new QHBoxLayout;
    intervall->addWidget(CBFtpUpdateZeit);
    intervall->addWidget(EFtpUpdateInterv);
    intervall->addWidget(LMinuten);
    intervall->addStretch();
    auto* optionen = new QVBoxLayout;
    optionen->addWidget(CBFtpUpdate);
    optionen->addLayout(intervall);
    optionen->addWidget(CBFtpUpdateDurchg);
    optionen->addWidget(CBFtpUpdateWechsel);
    optionen->addWidget(CBJavaUpdate);
    ftpRaster->addLayout(optionen, z, 0, 1, 3);
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnHtmlSite);
    knoepfe->addWidget(BtnFtpServer);
    ftpRaster->addLayout(knoepfe, z, 3);
    ftpRaster->setColumnStretch(3, 1);

    auto* l = new QVBoxLayout(this);
    l->addWidget(zeit);
    l->addWidget(ftp);
    l->addStretch();

    auto* tastatur = new TastaturFelder(this, 220, 228);
    tastatur->feld(220, QStringLiteral("Timeserver:"), ModusText, ETimeHost);
    tastatur->feld(221, QStringLiteral("Timeserver Port:"), ModusZiffern, ETimePort);
    tastatur->feld(222, QStringLiteral("Zeit aktualisieren nach:"), ModusZiffern, EZeitUpdate);
    tastatur->feld(223, QStringLiteral("Ftp-Server:"), ModusText, EFtpHost);
    tastatur->feld(224, QStringLiteral("Ftp-Server Port:"), ModusZiffern, EFtpPort);
    tastatur->feld(225, QStringLiteral("Benutzerkennung:"), ModusText, EFtpKennung);
    tastatur->feld(226, QStringLiteral("Passwort:"), ModusText, EFtpPasswort);
    tastatur->feld(227, QStringLiteral("Pfad zur Datei:"), ModusText, EFtpPfad);
    tastatur->feld(228, QStringLiteral("Updateintervall:"), ModusZiffern, EFtpUpdateInterv);
}

void InternetSeiteImpl::laden()
{
    ETimeHost->setText(Einst.TimeHost);
    ETimePort->setText(PortText(Einst.TimePort, ZeitPortStandard));
    CBAktStart->setChecked(Einst.ZeitUpStart);
    CBZeitUpdate->setChecked(Einst.ZeitUpdate);
    EZeitUpdate->setText(QString::number(Einst.ZeitUpInterv));
    EFtpHost->setText(Einst.FtpHost);
    EFtpPort->setText(PortText(Einst.FtpPort, FtpPortStandard));
    EFtpKennung->setText(Einst.FtpKennung);
    EFtpPasswort->setText(Einst.FtpZugang);
    EFtpPfad->setText(Einst.FtpPfad);
    CBFtpUpdate->setChecked(Einst.FtpUpdate);
    for (QWidget* w : std::initializer_list<QWidget*>{CBFtpUpdateZeit, EFtpUpdateInterv, CBFtpUpdateDurchg,
                                                      CBFtpUpdateWechsel, LMinuten})
        w->setEnabled(Einst.FtpUpdate);
    CBFtpUpdateZeit->setChecked(Einst.FtpUpdateZeit);
    EFtpUpdateInterv->setText(QString::number(Einst.FtpUpdateInterv));
    CBFtpUpdateDurchg->setChecked(Einst.FtpUpdateDurchg);
    CBFtpUpdateWechsel->setChecked(Einst.FtpUpdateWechsel);
    CBJavaUpdate->setChecked(Einst.JavaUpdate);
    BtnHtmlSite->setEnabled(Einst.JavaUpdate);
    BtnTime->setEnabled(true);
    LZeit->clear();
    LStatus->clear();
}

void InternetSeiteImpl::speichern()
{
    Einst.TimeHost = ETimeHost->text();
    Einst.TimePort = Geprueft({ETimePort});
    Einst.ZeitUpStart = CBAktStart->isChecked();
    Einst.ZeitUpdate = CBZeitUpdate->isChecked();
    Einst.ZeitUpInterv = Geprueft({EZeitUpdate, 0, ZeitUpdateHoechstens});
    ZeitUpdateAnwenden();
    Einst.FtpHost = EFtpHost->text();
    Einst.FtpPort = Geprueft({EFtpPort});
    Einst.FtpKennung = EFtpKennung->text();
    Einst.FtpZugang = EFtpPasswort->text();
    Einst.FtpPfad = EFtpPfad->text();
    Einst.FtpUpdate = CBFtpUpdate->isChecked();
    Einst.FtpUpdateZeit = CBFtpUpdateZeit->isChecked();
    Einst.FtpUpdateInterv = TextZuZahl(EFtpUpdateInterv->text());
    Einst.FtpUpdateDurchg = CBFtpUpdateDurchg->isChecked();
    Einst.FtpUpdateWechsel = CBFtpUpdateWechsel->isChecked();
    Einst.JavaUpdate = CBJavaUpdate->isChecked();
}

void InternetSeiteImpl::ftpUpdateSchalten()
{
    const bool an = CBFtpUpdate->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{CBFtpUpdateZeit, EFtpUpdateInterv, CBFtpUpdateDurchg,
                                                      CBFtpUpdateWechsel, LMinuten})
        w->setEnabled(an);
    if (!an)
        for (QCheckBox* c : {CBFtpUpdateZeit, CBFtpUpdateDurchg, CBFtpUpdateWechsel}) c->setChecked(false);
}

// Host and port are stored at once, before OK; the label is usable again
// once the synchronisation has ended, whatever its result.
void InternetSeiteImpl::BtnTimeClick()
{
    BtnTime->setEnabled(false);
    Einst.TimeHost = ETimeHost->text();
    const StrengeZahl port = PortLesen(ETimePort->text());
    if (!port.wert) {
        boxen().hinweis(port.fehler);
        BtnTime->setEnabled(true);
        return;
    }
    Einst.TimePort = u16(*port.wert);
    QPointer<InternetSeiteImpl> seite(this);
    netz().zeitAbgleichen([seite](bool ok, const QString& fehler) {
        if (ok) Einst.ZeitUpLast = Jetzt();
        if (seite) {
            if (ok) {
                seite->LStatus->clear();
                seite->LZeit->setText(Jetzt().toString(QStringLiteral("hh:mm")));
            }
            seite->BtnTime->setEnabled(true);
        }
        Hinweisen(ok, fehler);
    });
}

FtpVerbindung InternetSeiteImpl::verbindung(u16 port) const
{
    return {EFtpHost->text(), port, EFtpKennung->text(), EFtpPasswort->text(), EFtpPfad->text()};
}

// --- email --------------------------------------------------------------------------------

class EmailSeiteImpl final : public Optionenseite {
public:
    explicit EmailSeiteImpl(TOptionen& dialog);
    void laden() override;
    std::optional<Feldfehler> pruefen() const override { return StrengePruefen({{EEmailPort}}); }
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override { return EmailSchluessel(); }
    void gezeigt() override
    {
        FeldcodeMin = 230;
        FeldcodeMax = 236;
    }

private:
    QLineEdit *EEmailHost, *EEmailPort, *EEmailKennung, *EEmailName, *EEmailVon, *EEmailBetreff;
    Knopflabel* Label1;
    QCheckBox* CBEmailKennungEin;
    QComboBox* CEmailAn;
    QPushButton *BtnEmailAnNeu, *BtnEmailUmbenennen, *BtnEmailAnLoeschen;
    Listeneditor* m_empfaenger;
};

EmailSeiteImpl::EmailSeiteImpl(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabEmail"))
{
    auto* server = new QGroupBox(QStringLiteral("Postausgangsserver"), this);
    EEmailHost = Feld(server, "EEmailHost", 79);
    EEmailPort = Schmal(Feld(server, "EEmailPort", PortStellen), PortStellen);
    EEmailPort->setText(PortText(0, MailPortStandard));
    Label1 = Labelknopf(server, "Label1", QStringLiteral("Standard"));
    CBEmailKennungEin = Haken(server, "CBEmailKennungEin", QStringLiteral("Postausgangsserver mit Authentifizierung"));
    EEmailKennung = Feld(server, "EEmailKennung", 30);
    EEmailKennung->setEchoMode(QLineEdit::Password);
    connect(Label1, &Knopflabel::geklickt, this, [this] { EEmailPort->setText(PortText(0, MailPortStandard)); });
    auto* serverRaster = new QGridLayout(server);
    serverRaster->addWidget(Beschriftung(server, nullptr, QStringLiteral("email-Server:")), 0, 0);
    serverRaster->addWidget(EEmailHost, 0, 1, 1, 2);
    serverRaster->addWidget(Beschriftung(server, nullptr, QStringLiteral("Port:")), 1, 0);
    serverRaster->addWidget(EEmailPort, 1, 1);
    serverRaster->addWidget(Label1, 1, 2);
    serverRaster->addWidget(CBEmailKennungEin, 2, 0, 1, 3);
    serverRaster->addWidget(Beschriftung(server, nullptr, QStringLiteral("Kennung:")), 3, 0);
    serverRaster->addWidget(EEmailKennung, 3, 1, 1, 2);
    serverRaster->setColumnStretch(2, 1);

    auto* mail = new QGroupBox(QStringLiteral("Nachricht"), this);
    EEmailName = Feld(mail, "EEmailName", 79);
    EEmailVon = Feld(mail, "EEmailVon", 79);
    EEmailBetreff = Feld(mail, "EEmailBetreff", 79);
    CEmailAn = Auswahl(mail, "CEmailAn");
    BtnEmailAnNeu = Knopf(mail, "BtnEmailAnNeu", QStringLiteral("Neu"), QStringLiteral("Empfänger hinzufügen"));
    BtnEmailUmbenennen =
        Knopf(mail, "BtnEmailUmbenennen", QStringLiteral("Ändern"), QStringLiteral("Empfänger ändern"));
    BtnEmailAnLoeschen =
        Knopf(mail, "BtnEmailAnLoeschen", QStringLiteral("Löschen"), QStringLiteral("Empfänger löschen"));
    auto* mailRaster = new QGridLayout(mail);
    mailRaster->addWidget(Beschriftung(mail, nullptr, QStringLiteral("Name:")), 0, 0);
    mailRaster->addWidget(EEmailName, 0, 1, 1, 4);
    mailRaster->addWidget(Beschriftung(mail, nullptr, QStringLiteral("Absender:")), 1, 0);
    mailRaster->addWidget(EEmailVon, 1, 1, 1, 4);
    mailRaster->addWidget(Beschriftung(mail, nullptr, QStringLiteral("Empfänger:")), 2, 0);
    mailRaster->addWidget(CEmailAn, 2, 1);
    mailRaster->addWidget(BtnEmailAnNeu, 2, 2);
    mailRaster->addWidget(BtnEmailUmbenennen, 2, 3);
    mailRaster->addWidget(BtnEmailAnLoeschen, 2, 4);
    mailRaster->addWidget(Beschriftung(mail, nullptr, QStringLiteral("Betreff:")), 3, 0);
    mailRaster->addWidget(EEmailBetreff, 3, 1, 1, 4);
    mailRaster->setColumnStretch(1, 1);

    auto* l = new QVBoxLayout(this);
    l->addWidget(server);
    l->addWidget(mail);
    l->addStretch();

    auto* tastatur = new TastaturFelder(this, 230, 236);
    tastatur->feld(230, QStringLiteral("email-Server:"), ModusText, EEmailHost);
    tastatur->feld(231, QStringLiteral("email-Server Port:"), ModusZiffern, EEmailPort);
    tastatur->feld(232, QStringLiteral("email Kennung:"), ModusText, EEmailKennung);
    tastatur->feld(233, QStringLiteral("email Name:"), ModusText, EEmailName);
    tastatur->feld(234, QStringLiteral("email Absender:"), ModusText, EEmailVon);
    m_empfaenger = new Listeneditor(CEmailAn, BtnEmailAnNeu, BtnEmailUmbenennen, BtnEmailAnLoeschen, 235,
                                    QStringLiteral("email Adresse:"), 20, tastatur);
    tastatur->feld(236, QStringLiteral("email Betreff:"), ModusText, EEmailBetreff);
}

void EmailSeiteImpl::laden()
{
    m_empfaenger->fuellen(EmailAnListe);
    EEmailHost->setText(Einst.EmailHost);
    EEmailPort->setText(PortText(Einst.EmailPort, MailPortStandard));
    CBEmailKennungEin->setChecked(Einst.EmailKennungEin);
    EEmailKennung->setText(Einst.EmailKennung);
    EEmailName->setText(Einst.EmailName);
    EEmailVon->setText(Einst.EmailVon);
    EEmailBetreff->setText(Einst.EmailBetreff);
    m_empfaenger->auswaehlen(CEmailAn->findText(Einst.EmailAn, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void EmailSeiteImpl::speichern()
{
    Einst.EmailHost = EEmailHost->text();
    Einst.EmailPort = Geprueft({EEmailPort});
    Einst.EmailKennungEin = CBEmailKennungEin->isChecked();
    Einst.EmailKennung = EEmailKennung->text();
    Einst.EmailName = EEmailName->text();
    Einst.EmailVon = EEmailVon->text();
    const int i = CEmailAn->currentIndex();
    Einst.EmailAn = i >= 0 ? CEmailAn->itemText(i) : QString();
    Einst.EmailBetreff = EEmailBetreff->text();
    EmailAnListe = m_empfaenger->eintraege();
}

}  // namespace

Optionenseite* InternetSeite(TOptionen& dialog) { return new InternetSeiteImpl(dialog); }
Optionenseite* EmailSeite(TOptionen& dialog) { return new EmailSeiteImpl(dialog); }
