// The page System of the options dialog: the clock, the sound output and
// the chip-card reader.

#include "core/Boxes.h"
#include "core/Clock.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Tastaturfelder.h"
#include "match/dienste/Netzdienste.h"
#include "shell/OptionenProgramm.h"
#include "shell/ui/Optionen.h"
#include "shell/ui/OptionenProgrammTeile.h"
#include "shell/ui/OptionenSeiten.h"

#include <QAudioDevice>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMediaDevices>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int LautstaerkeSchritt = 2000;
constexpr int Testdauer = 20000;  // ms

class SystemSeiteImpl final : public Optionenseite {
public:
    explicit SystemSeiteImpl(TOptionen& dialog);
    void laden() override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override { return SystemSchluessel(); }
    void gezeigt() override
    {
        FeldcodeMin = 210;
        FeldcodeMax = 210;
    }
    void schliessen() override;

private:
    void lautstaerkeSchritt(int code);
    void testEin();
    void testAus();
    void BtnEinstellenClick();

    QLineEdit* EZeit;
    QPushButton* BtnEinstellen;
    QComboBox* CAudioDevice;
    QSlider *TBLautst, *TBRecord;
    QPushButton *BtnTest, *BtnMixer;
    QComboBox *CChipkarte, *CChipkartePort;
    QTimer *Timer1, *Timer2;
};

QSlider* Lautstaerkeregler(QWidget* eltern, const char* name)
{
    auto* s = new QSlider(Qt::Horizontal, eltern);
    s->setObjectName(QLatin1String(name));
    s->setRange(0, 65535);
    s->setSingleStep(LautstaerkeSchritt);
    s->setPageStep(LautstaerkeSchritt);
    return s;
}

SystemSeiteImpl::SystemSeiteImpl(TOptionen& dialog) : Optionenseite(dialog, QStringLiteral("TabSystem"))
{
    auto* zeit = new QGroupBox(QStringLiteral("Systemzeit"), this);
    EZeit = Schmal(Feld(zeit, "EZeit", 8), 8);
    EZeit->setInputMask(QStringLiteral("99:99:99; "));
    BtnEinstellen = Knopf(zeit, "BtnEinstellen", QStringLiteral("Einstellen"));
    auto* zeitZeile = new QHBoxLayout(zeit);
    zeitZeile->addWidget(Beschriftung(zeit, nullptr, QStringLiteral("Uhrzeit:")));
    zeitZeile->addWidget(EZeit);
    zeitZeile->addWidget(BtnEinstellen);
    zeitZeile->addStretch();
    connect(EZeit, &QLineEdit::textEdited, this, [this] { BtnEinstellen->setText(QStringLiteral("Einstellen")); });
    connect(BtnEinstellen, &QPushButton::clicked, this, &SystemSeiteImpl::BtnEinstellenClick);

    auto* sound = new QGroupBox(QStringLiteral("Sound"), this);
    CAudioDevice = Auswahl(sound, "CAudioDevice");
    for (const QAudioDevice& d : QMediaDevices::audioOutputs()) CAudioDevice->addItem(d.description());
    connect(CAudioDevice, &QComboBox::activated, this, [](int i) {
        if (i >= 0) Einst.AudioDevice = u8(i);
    });
    TBLautst = Lautstaerkeregler(sound, "TBLautst");
    TBRecord = Lautstaerkeregler(sound, "TBRecord");
    connect(TBLautst, &QSlider::valueChanged, this, [](int wert) {
        Einst.Volume = u16(wert);
        soundAusgabe().setLautstaerke(wert / 65535.0);
    });
    // Qt has no recording mixer: the level is kept for the settings only.
    connect(TBRecord, &QSlider::valueChanged, this, [](int wert) { Einst.Record = u16(wert); });
    Timer1 = Haltetimer(this, "Timer1", [this](int code) { lautstaerkeSchritt(code); });
    auto schritt = [this](int code) { lautstaerkeSchritt(code); };
    auto* soundRaster = new QGridLayout(sound);
    soundRaster->addWidget(Beschriftung(sound, nullptr, QStringLiteral("Audiogerät:")), 0, 0);
    soundRaster->addWidget(CAudioDevice, 0, 1, 1, 3);
    soundRaster->addWidget(Beschriftung(sound, nullptr, QStringLiteral("Lautstärke:")), 1, 0);
    soundRaster->addWidget(Schrittknopf(sound, "SBtnLautstDown", QStringLiteral("-"), 1, Timer1, schritt), 1, 1);
    soundRaster->addWidget(TBLautst, 1, 2);
    soundRaster->addWidget(Schrittknopf(sound, "SBtnLautstUp", QStringLiteral("+"), 2, Timer1, schritt), 1, 3);
    soundRaster->addWidget(Beschriftung(sound, nullptr, QStringLiteral("Aufnahme:")), 2, 0);
    soundRaster->addWidget(Schrittknopf(sound, "SBtnRecordDown", QStringLiteral("-"), 3, Timer1, schritt), 2, 1);
    soundRaster->addWidget(TBRecord, 2, 2);
    soundRaster->addWidget(Schrittknopf(sound, "SBtnRecordUp", QStringLiteral("+"), 4, Timer1, schritt), 2, 3);
    soundRaster->setColumnStretch(2, 1);

    BtnTest = Knopf(sound, "BtnTest", QStringLiteral("Test"));
    BtnTest->setCheckable(true);
    BtnMixer = Knopf(sound, "BtnMixer", QStringLiteral("Mixer"));
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setInterval(Testdauer);
    connect(Timer2, &QTimer::timeout, this, &SystemSeiteImpl::testAus);
    connect(BtnTest, &QPushButton::clicked, this, [this](bool gedrueckt) {
        if (gedrueckt)
            testEin();
        else
            testAus();
    });
    auto* testZeile = new QHBoxLayout;
    testZeile->addWidget(BtnTest);
    testZeile->addWidget(BtnMixer);
    testZeile->addStretch();
    soundRaster->addLayout(testZeile, 3, 1, 1, 3);

    auto* karte = new QGroupBox(QStringLiteral("Chipkarte"), this);
    CChipkarte = Auswahl(karte, "CChipkarte",
                         {QStringLiteral(" keine Karte"), QStringLiteral(" Towko Kartenzwerg 1"),
                          QStringLiteral(" Towko Kartenzwerg 2 "), QStringLiteral(" Towko Kartenzwerg USB"),
                          QStringLiteral(" Towko Chipdrive")});
    CChipkartePort = Auswahl(karte, "CChipkartePort",
                             {QStringLiteral(" COM1"), QStringLiteral(" COM2"), QStringLiteral(" COM3"),
                              QStringLiteral(" COM4")});
    connect(CChipkarte, &QComboBox::currentIndexChanged, this,
            [this](int typ) { CChipkartePort->setEnabled(typ > 0); });
    auto* karteRaster = new QGridLayout(karte);
    karteRaster->addWidget(Beschriftung(karte, nullptr, QStringLiteral("Kartenleser:")), 0, 0);
    karteRaster->addWidget(CChipkarte, 0, 1);
    karteRaster->addWidget(Beschriftung(karte, nullptr, QStringLiteral("Anschluss:")), 1, 0);
    karteRaster->addWidget(CChipkartePort, 1, 1);
    karteRaster->setColumnStretch(2, 1);

    auto* l = new QVBoxLayout(this);
    l->addWidget(zeit);
    l->addWidget(sound);
    l->addWidget(karte);
    l->addStretch();

    auto* tastatur = new TastaturFelder(this, 210, 210);
    tastatur->feld(210, QStringLiteral("Systemzeit:"), ModusZeit, EZeit);
}

void SystemSeiteImpl::laden()
{
    CChipkarte->setCurrentIndex(Einst.Chipkarte < CChipkarte->count() ? Einst.Chipkarte : 0);
    CChipkartePort->setEnabled(CChipkarte->currentIndex() > 0);
    CChipkartePort->setCurrentIndex(Einst.ChipkartePort >= 1 && Einst.ChipkartePort <= CChipkartePort->count()
                                        ? Einst.ChipkartePort - 1
                                        : -1);
    CAudioDevice->setCurrentIndex(Einst.AudioDevice < CAudioDevice->count() ? Einst.AudioDevice : -1);
    {
        const QSignalBlocker still(TBLautst);
        TBLautst->setValue(int(std::lround(soundAusgabe().lautstaerke() * 65535)));
    }
    {
        const QSignalBlocker still(TBRecord);
        TBRecord->setValue(Einst.Record);
    }
    BtnTest->setChecked(false);
    BtnTest->setStyleSheet(QString());
    BtnEinstellen->setText(QStringLiteral("Einstellen"));
    EZeit->setText(Jetzt().toString(QStringLiteral("hh:mm:ss")));
}

void SystemSeiteImpl::speichern()
{
    // An empty selection keeps the value before.
    if (CChipkarte->currentIndex() >= 0) Einst.Chipkarte = u8(CChipkarte->currentIndex());
    if (CChipkartePort->currentIndex() >= 0) Einst.ChipkartePort = u16(CChipkartePort->currentIndex() + 1);
    KartenleserNeuOeffnen();
    if (CAudioDevice->currentIndex() >= 0) Einst.AudioDevice = u8(CAudioDevice->currentIndex());
}

void SystemSeiteImpl::schliessen()
{
    // A sound still playing runs to its end.
    BtnTest->setChecked(false);
    BtnTest->setStyleSheet(QString());
    Timer1->stop();
    Timer2->stop();
}

void SystemSeiteImpl::lautstaerkeSchritt(int code)
{
    QSlider* regler = code <= 2 ? TBLautst : TBRecord;
    const int d = code % 2 == 1 ? -LautstaerkeSchritt : LautstaerkeSchritt;
    regler->setValue(regler->value() + d);
}

void SystemSeiteImpl::testEin()
{
    BtnTest->setChecked(true);
    BtnTest->setStyleSheet(QStringLiteral("background-color: rgb(128, 128, 128);"));
    if (QFileInfo::exists(BravolinWav)) soundAusgabe().abspielen(BravolinWav);
    Timer2->start();
}

void SystemSeiteImpl::testAus()
{
    BtnTest->setChecked(false);
    BtnTest->setStyleSheet(QString());
    soundAusgabe().anhalten(BravolinWav);
    Timer2->stop();
}

void SystemSeiteImpl::BtnEinstellenClick()
{
    netz().zeitAbgleichen([](bool ok, const QString& fehler) {
        if (!ok) boxen().hinweis(fehler);
    });
}

}  // namespace

Optionenseite* SystemSeite(TOptionen& dialog) { return new SystemSeiteImpl(dialog); }
