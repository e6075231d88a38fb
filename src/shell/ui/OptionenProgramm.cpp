// The pages Allgemein, Ansicht and Programme of the options dialog.

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Farbe.h"
#include "core/ui/Tastaturfelder.h"
#include "core/ui/Zeichenwache.h"
#include "match/lanes/Bahnfenster.h"
#include "shell/OptionenProgramm.h"
#include "shell/ui/Main.h"
#include "shell/ui/Optionen.h"
#include "shell/ui/OptionenProgrammTeile.h"
#include "shell/ui/OptionenSeiten.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>

namespace {

// --- Allgemein ----------------------------------------------------------------------------

class AllgemeinSeiteImpl final : public Optionenseite {
public:
    explicit AllgemeinSeiteImpl(TOptionen& dialog);
    void laden() override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override { return AllgemeinSchluessel(); }
    void gezeigt() override
    {
        FeldcodeMin = 190;
        FeldcodeMax = 198;
    }

private:
    void ordnerWaehlen(QLineEdit* feld);

    QLineEdit *EWettkDir, *EExportDir, *ESpielerDir;
    QLineEdit *EVorgabeLand, *EVorgabeBezirk, *EVorgabeClub, *EVorgabeKlasse, *EVorgabeOrt, *EVorgabeBahnanlage;
    QCheckBox *CBSoundAktiv, *CBClickSoundAktiv, *CBTastSoundAktiv, *CBInfLoeschen;
};

AllgemeinSeiteImpl::AllgemeinSeiteImpl(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabAllgemein"))
{
    auto* ordner = new QGroupBox(QStringLiteral("Verzeichnisse"), this);
    EWettkDir = Feld(ordner, "EWettkDir", 79);
    EExportDir = Feld(ordner, "EExportDir", 79);
    ESpielerDir = Feld(ordner, "ESpielerDir", 79);
    auto* ordnerRaster = new QGridLayout(ordner);
    const std::tuple<const char*, const char*, QLineEdit*> pfade[] = {
        {"Vorgabe Spieleverzeichnis:", "BtnWettkDir", EWettkDir},
        {"Vorgabe Datenexport:", "BtnExportDir", EExportDir},
        {"Verzeichnis Spielerdatenbank:", "BtnSpielerDir", ESpielerDir},
    };
    int z = 0;
    for (const auto& [text, knopf, feld] : pfade) {
        ordnerRaster->addWidget(Beschriftung(ordner, nullptr, QString::fromUtf8(text)), z, 0);
        ordnerRaster->addWidget(feld, z, 1);
        QPushButton* b = Knopf(ordner, knopf, QStringLiteral("..."), QStringLiteral("Verzeichnis suchen"));
        connect(b, &QPushButton::clicked, this, [this, f = feld] { ordnerWaehlen(f); });
        ordnerRaster->addWidget(b, z++, 2);
    }

    auto* vorgaben = new QGroupBox(QStringLiteral("Vorgaben"), this);
    EVorgabeLand = Feld(vorgaben, "EVorgabeLand", 30);
    EVorgabeBezirk = Feld(vorgaben, "EVorgabeBezirk", 30);
    EVorgabeClub = Feld(vorgaben, "EVorgabeClub", 30);
    EVorgabeKlasse = Feld(vorgaben, "EVorgabeKlasse", 20);
    EVorgabeOrt = Feld(vorgaben, "EVorgabeOrt", 30);
    EVorgabeBahnanlage = Feld(vorgaben, "EVorgabeBahnanlage", 50);
    auto* vorgabeRaster = new QGridLayout(vorgaben);
    const std::pair<const char*, QLineEdit*> felder[] = {
        {"Land:", EVorgabeLand},     {"Bezirk:", EVorgabeBezirk},   {"Club:", EVorgabeClub},
        {"Klasse:", EVorgabeKlasse}, {"Spielort:", EVorgabeOrt}, {"Bahnanlage:", EVorgabeBahnanlage},
    };
    z = 0;
    for (const auto& [text, feld] : felder) {
        vorgabeRaster->addWidget(Beschriftung(vorgaben, nullptr, QString::fromUtf8(text)), z, 0);
        vorgabeRaster->addWidget(feld, z++, 1);
    }

    CBSoundAktiv = Haken(this, "CBSoundAktiv", QStringLiteral("   Sound aktivieren"));
    CBClickSoundAktiv = Haken(this, "CBClickSoundAktiv", QStringLiteral("   Clicksound aktivieren"));
    CBTastSoundAktiv = Haken(this, "CBTastSoundAktiv", QStringLiteral("   Tastensound aktivieren"));
    CBInfLoeschen = Haken(this, "CBInfLoeschen", QStringLiteral("   Programmdefinitionen löschen"));
    QPushButton* explorer = Knopf(this, "BtnExplorer", QStringLiteral("Explorer"));
    connect(explorer, &QPushButton::clicked, this, [] { fenster().dialog(Dialog::Explorer); });

    auto* rechts = new QVBoxLayout;
    for (QCheckBox* c : {CBSoundAktiv, CBClickSoundAktiv, CBTastSoundAktiv}) rechts->addWidget(c);
    rechts->addSpacing(20);
    rechts->addWidget(CBInfLoeschen);
    rechts->addStretch();
    rechts->addWidget(explorer, 0, Qt::AlignLeft);
    auto* unten = new QHBoxLayout;
    unten->addWidget(vorgaben, 1);
    unten->addLayout(rechts, 1);
    auto* l = new QVBoxLayout(this);
    l->addWidget(ordner);
    l->addLayout(unten);
    l->addStretch();

    auto* tastatur = new TastaturFelder(this, 190, 198);
    tastatur->feld(190, QStringLiteral("Vorgabe Spieleverzeichnis:"), ModusText, EWettkDir);
    tastatur->feld(191, QStringLiteral("Vorgabe Datenexport"), ModusText, EExportDir);
    tastatur->feld(192, QStringLiteral("Verzeichnis Spielerdatenbank"), ModusText, ESpielerDir);
    tastatur->feld(193, QStringLiteral("Vorgabe Land:"), ModusText, EVorgabeLand);
    tastatur->feld(194, QStringLiteral("Vorgabe Bezirk:"), ModusText, EVorgabeBezirk);
    tastatur->feld(195, QStringLiteral("Spielort:"), ModusText, EVorgabeOrt);
    tastatur->feld(196, QStringLiteral("Bahnanlage:"), ModusText, EVorgabeBahnanlage);
    tastatur->feld(197, QStringLiteral("Vorgabe Club:"), ModusText, EVorgabeClub);
    tastatur->feld(198, QStringLiteral("Vorgabe Klasse:"), ModusText, EVorgabeKlasse);
}

void AllgemeinSeiteImpl::laden()
{
    EWettkDir->setText(Einst.Spieleverzeichnis);
    EExportDir->setText(Einst.ExportDir);
    ESpielerDir->setText(Einst.DatenbankPfad);
    EVorgabeLand->setText(Einst.Land);
    EVorgabeBezirk->setText(Einst.Bezirk);
    EVorgabeClub->setText(Einst.Club);
    EVorgabeKlasse->setText(Einst.Klasse);
    EVorgabeOrt->setText(Spielort);
    EVorgabeBahnanlage->setText(Bahnanlage);
    CBSoundAktiv->setChecked(Einst.SoundAktiv);
    CBClickSoundAktiv->setChecked(Einst.ClickSoundAktiv);
    CBTastSoundAktiv->setChecked(Einst.TastSoundAktiv);
    CBInfLoeschen->setChecked(false);
}

void AllgemeinSeiteImpl::speichern()
{
    Einst.Spieleverzeichnis = EWettkDir->text();
    Einst.ExportDir = EExportDir->text();
    Einst.DatenbankPfad = ESpielerDir->text();
    Einst.Land = EVorgabeLand->text();
    Einst.Bezirk = EVorgabeBezirk->text();
    Einst.Club = EVorgabeClub->text();
    Einst.Klasse = EVorgabeKlasse->text();
    Spielort = EVorgabeOrt->text();
    Bahnanlage = EVorgabeBahnanlage->text();
    Spielordner = Einst.Spieleverzeichnis;
    Einst.SoundAktiv = CBSoundAktiv->isChecked();
    Einst.ClickSoundAktiv = CBClickSoundAktiv->isChecked();
    Einst.TastSoundAktiv = CBTastSoundAktiv->isChecked();
}

void AllgemeinSeiteImpl::ordnerWaehlen(QLineEdit* feld)
{
    const QString start = feld->text().isEmpty() ? Programmverzeichnis : feld->text();
    const QString ordner = QFileDialog::getExistingDirectory(this, QStringLiteral("Verzeichnis suchen"), start);
    if (!ordner.isEmpty() && ZeichenPasst(feld, ordner)) feld->setText(QDir::toNativeSeparators(ordner));
}

// --- Ansicht ------------------------------------------------------------------------------

class AnsichtSeiteImpl final : public Optionenseite {
public:
    explicit AnsichtSeiteImpl(TOptionen& dialog);
    void laden() override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override { return AnsichtSchluessel(); }
    void schliessen() override { Timer3->stop(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void speedSchritt(int code);
    void farbenWaehlen(int modus);
    void punkteGeaendert(bool an);

    QCheckBox *CBVerschiebbar, *CBHinweise, *CBStatusleiste, *CBSchalter, *CBSchalterUnten, *CBHintergrund;
    QCheckBox *CBTouch, *CBDoppelclick, *CBPunkteanzeige, *CBSatzergebnisse, *CBBahnergebnisse;
    QSlider* TBDoppelclickSpeed;
    QTimer* Timer3;
};

AnsichtSeiteImpl::AnsichtSeiteImpl(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabAnsicht"))
{
    auto* hauptfenster = new QGroupBox(QStringLiteral("Hauptfenster"), this);
    CBVerschiebbar = Haken(hauptfenster, "CBVerschiebbar", QStringLiteral("  Hauptfenster verschiebbar"));
    CBHinweise = Haken(hauptfenster, "CBHinweise", QStringLiteral("  Hinweise sichtbar"));
    CBStatusleiste = Haken(hauptfenster, "CBStatusleiste", QStringLiteral("  Statusleiste sichtbar"));
    CBSchalter = Haken(hauptfenster, "CBSchalter", QStringLiteral("  Schalterleiste sichtbar"));
    CBSchalterUnten = Haken(hauptfenster, "CBSchalterUnten", QStringLiteral("  Schalterleiste unten"));
    CBHintergrund = Haken(hauptfenster, "CBHintergrund", QStringLiteral("  Hintergrundbild sichtbar"));
    auto* fensterSpalte = new QVBoxLayout(hauptfenster);
    for (QCheckBox* c : {CBVerschiebbar, CBHinweise, CBStatusleiste, CBSchalter, CBSchalterUnten, CBHintergrund})
        fensterSpalte->addWidget(c);

    auto* touch = new QGroupBox(QStringLiteral("Touch-Tastatur"), this);
    CBTouch = Haken(touch, "CBTouch", QStringLiteral("  Touch-Tastatur aktiv"));
    CBDoppelclick = Haken(touch, "CBDoppelclick", QStringLiteral("  Touch-Tastatur bei Doppelclick"));
    TBDoppelclickSpeed = new QSlider(Qt::Horizontal, touch);
    TBDoppelclickSpeed->setObjectName(QStringLiteral("TBDoppelclickSpeed"));
    TBDoppelclickSpeed->setRange(DoppelclickMin, DoppelclickMax);
    TBDoppelclickSpeed->setSingleStep(100);
    TBDoppelclickSpeed->setPageStep(100);
    TBDoppelclickSpeed->setTickInterval(100);
    TBDoppelclickSpeed->setTickPosition(QSlider::TicksBelow);
    Timer3 = Haltetimer(this, "Timer3", [this](int code) { speedSchritt(code); });
    auto* speed = new QHBoxLayout;
    speed->addWidget(Schrittknopf(touch, "SBtnSpeedDown", QStringLiteral("-"), 1, Timer3,
                                  [this](int code) { speedSchritt(code); }));
    speed->addWidget(TBDoppelclickSpeed, 1);
    speed->addWidget(Schrittknopf(touch, "SBtnSpeedUp", QStringLiteral("+"), 2, Timer3,
                                  [this](int code) { speedSchritt(code); }));
    auto* touchSpalte = new QVBoxLayout(touch);
    touchSpalte->addWidget(CBTouch);
    touchSpalte->addWidget(CBDoppelclick);
    touchSpalte->addWidget(Beschriftung(touch, nullptr, QStringLiteral("Zeit für den Doppelclick:")));
    touchSpalte->addLayout(speed);
    // The keyboard follows these two at once, when they lose the focus.
    CBTouch->installEventFilter(this);
    CBDoppelclick->installEventFilter(this);

    auto* punkte = new QGroupBox(QStringLiteral("Spielanzeige"), this);
    CBPunkteanzeige = Haken(punkte, "CBPunkteanzeige", QStringLiteral("  Punktestand aktivieren"));
    CBSatzergebnisse = Haken(punkte, "CBSatzergebnisse", QStringLiteral("  Spielanzeige mit Satzergebnis"));
    CBBahnergebnisse = Haken(punkte, "CBBahnergebnisse", QStringLiteral("  Spielanzeige mit Bahnergebnis"));
    auto* punkteSpalte = new QVBoxLayout(punkte);
    for (QCheckBox* c : {CBPunkteanzeige, CBSatzergebnisse, CBBahnergebnisse}) punkteSpalte->addWidget(c);
    connect(CBPunkteanzeige, &QCheckBox::toggled, this, &AnsichtSeiteImpl::punkteGeaendert);

    auto* farben = new QGroupBox(QStringLiteral("Farben"), this);
    auto* farbZeile = new QHBoxLayout(farben);
    const std::tuple<const char*, const char*, int> farbKnoepfe[] = {
        {"BtnProgramm", "&Programm", 1}, {"BtnGrossbild", "&Bildwand", 2}, {"BtnInfoterminal", "&Infoterminal", 4}};
    for (const auto& [name, text, modus] : farbKnoepfe) {
        QPushButton* b = Knopf(farben, name, QString::fromUtf8(text));
        connect(b, &QPushButton::clicked, this, [this, m = modus] { farbenWaehlen(m); });
        farbZeile->addWidget(b);
    }

    auto* raster = new QGridLayout(this);
    raster->addWidget(hauptfenster, 0, 0, 2, 1);
    raster->addWidget(touch, 0, 1);
    raster->addWidget(punkte, 1, 1);
    raster->addWidget(farben, 2, 0, 1, 2);
    raster->setRowStretch(3, 1);
}

void AnsichtSeiteImpl::laden()
{
    CBVerschiebbar->setChecked(Einst.Verschiebbar);
    CBHinweise->setChecked(Einst.Hinweise);
    CBStatusleiste->setChecked(Einst.Statusleiste);
    CBSchalter->setChecked(Einst.SchalterSichtbar);
    CBSchalterUnten->setChecked(Einst.SchalterUnten);
    CBHintergrund->setChecked(Einst.Hintergrund);
    CBTouch->setChecked(Einst.TouchAktiv);
    CBDoppelclick->setChecked(Einst.TastDoppelclick);
    TBDoppelclickSpeed->setValue(Einst.DoppelclickSpeed);
    CBSatzergebnisse->setChecked(Einst.Satzanzeige);
    CBBahnergebnisse->setChecked(Einst.Bahnerganzeige);
    // The Anzeige page follows the box while the dialog is open.
    const QSignalBlocker still(CBPunkteanzeige);
    CBPunkteanzeige->setChecked(Einst.Punkteanzeige);
}

void AnsichtSeiteImpl::speichern()
{
    Einst.Verschiebbar = CBVerschiebbar->isChecked();
    Einst.Hinweise = CBHinweise->isChecked();
    Einst.SchalterSichtbar = CBSchalter->isChecked();
    Einst.SchalterUnten = CBSchalterUnten->isChecked();
    Einst.Hintergrund = CBHintergrund->isChecked();
    Einst.Statusleiste = CBStatusleiste->isChecked();
    if (auto* haupt = qobject_cast<TMain*>(m_dialog.parentWidget())) haupt->FensteroptionenAnwenden();
    bahnfenster().bahnuebersichtRahmen();

    Einst.TouchAktiv = CBTouch->isChecked();
    TouchEingabe = Einst.TouchAktiv;
    Einst.TastDoppelclick = CBDoppelclick->isChecked();
    Einst.DoppelclickSpeed = u16(TBDoppelclickSpeed->value());
    Einst.Punkteanzeige = CBPunkteanzeige->isChecked();
    Einst.Satzanzeige = CBSatzergebnisse->isChecked();
    Einst.Bahnerganzeige = CBBahnergebnisse->isChecked();
}

bool AnsichtSeiteImpl::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusOut) {
        if (o == CBTouch) {
            Einst.TouchAktiv = CBTouch->isChecked();
            TouchEingabe = Einst.TouchAktiv;
        } else if (o == CBDoppelclick) {
            Einst.TastDoppelclick = CBDoppelclick->isChecked();
        }
    }
    return Optionenseite::eventFilter(o, e);
}

// The slider keeps the value within its range.
void AnsichtSeiteImpl::speedSchritt(int code)
{
    if (code == 1) TBDoppelclickSpeed->setValue(TBDoppelclickSpeed->value() - 100);
    if (code == 2) TBDoppelclickSpeed->setValue(TBDoppelclickSpeed->value() + 100);
}

void AnsichtSeiteImpl::farbenWaehlen(int modus)
{
    TFarbe farbe(this);
    farbe.Vorschaumodus = modus;
    farbe.VorschauZeigen(true);
    if (const QScreen* s = screen()) farbe.move(s->geometry().center() - farbe.rect().center());
    farbe.exec();
}

void AnsichtSeiteImpl::punkteGeaendert(bool an)
{
    if (Optionenseite* anzeige = m_dialog.seite(TOptionen::Anzeige))
        for (const char* name : {"CBSaPAnzeige", "CBSaPWand", "CBSaPNamen", "CBMaPMannsch"})
            if (auto* c = anzeige->findChild<QCheckBox*>(QLatin1String(name))) c->setEnabled(an);
}

// --- Programme ----------------------------------------------------------------------------

class ProgrammeSeiteImpl final : public Optionenseite {
public:
    explicit ProgrammeSeiteImpl(TOptionen& dialog);
    void laden() override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override { return ProgrammeSchluessel(); }
    void gezeigt() override
    {
        FeldcodeMin = 211;
        FeldcodeMax = 216;
    }

private:
    void programmWaehlen(QLineEdit* feld);

    Array1<QLineEdit*, 3> EProgramm;
    Array1<QLineEdit*, 3> EProgrammName;
};

ProgrammeSeiteImpl::ProgrammeSeiteImpl(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabProgramme"))
{
    auto* l = new QVBoxLayout(this);
    auto* tastatur = new TastaturFelder(this, 211, 216);
    for (int n = 1; n <= 3; ++n) {
        auto* gruppe = new QGroupBox(QStringLiteral("Programm %1").arg(n), this);
        EProgramm[n] = Feld(gruppe, QStringLiteral("EProgramm%1").arg(n).toLatin1().constData(), 79);
        EProgrammName[n] = Feld(gruppe, QStringLiteral("EProgrammName%1").arg(n).toLatin1().constData(), 79);
        QPushButton* suchen = Knopf(gruppe, QStringLiteral("SBtnProgramm%1").arg(n).toLatin1().constData(),
                                    QStringLiteral("..."), QStringLiteral("Programm suchen"));
        connect(suchen, &QPushButton::clicked, this, [this, n] { programmWaehlen(EProgramm[n]); });
        auto* raster = new QGridLayout(gruppe);
        raster->addWidget(Beschriftung(gruppe, nullptr, QStringLiteral("Pfad zum Programm:")), 0, 0);
        raster->addWidget(EProgramm[n], 0, 1);
        raster->addWidget(suchen, 0, 2);
        raster->addWidget(Beschriftung(gruppe, nullptr, QStringLiteral("Programmname:")), 1, 0);
        raster->addWidget(EProgrammName[n], 1, 1);
        l->addWidget(gruppe);
        tastatur->feld(u16(209 + 2 * n), QStringLiteral("Pfad zum Programm %1:").arg(n), ModusText, EProgramm[n]);
        tastatur->feld(u16(210 + 2 * n), QStringLiteral("Programmname %1:").arg(n), ModusText, EProgrammName[n]);
    }
    l->addStretch();
}

void ProgrammeSeiteImpl::laden()
{
    for (int n = 1; n <= 3; ++n) {
        EProgramm[n]->setText(Einst.Programm[n]);
        EProgrammName[n]->setText(Einst.ProgrammName[n]);
    }
}

void ProgrammeSeiteImpl::speichern()
{
    for (int n = 1; n <= 3; ++n) {
        Einst.Programm[n] = EProgramm[n]->text();
        Einst.ProgrammName[n] = EProgrammName[n]->text();
    }
    // The menu with the chip-card state and the program entries.
    fenster().hauptmenueAktualisieren();
}

void ProgrammeSeiteImpl::programmWaehlen(QLineEdit* feld)
{
    QFileDialog d(this, QStringLiteral("Programm suchen"));
    d.setFileMode(QFileDialog::ExistingFile);
    d.setNameFilter(QStringLiteral("Programme (*)"));
    d.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    if (!feld->text().isEmpty()) d.setDirectory(QFileInfo(feld->text()).absolutePath());
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
    const QString datei = d.selectedFiles().constFirst();
    if (ZeichenPasst(feld, datei)) feld->setText(QDir::toNativeSeparators(datei));
}

}  // namespace

Optionenseite* AllgemeinSeite(TOptionen& dialog) { return new AllgemeinSeiteImpl(dialog); }
Optionenseite* AnsichtSeite(TOptionen& dialog) { return new AnsichtSeiteImpl(dialog); }
Optionenseite* ProgrammeSeite(TOptionen& dialog) { return new ProgrammeSeiteImpl(dialog); }
