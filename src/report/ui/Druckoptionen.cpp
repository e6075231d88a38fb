#include "report/ui/Druckoptionen.h"

#include "core/Boxes.h"
#include "core/Sound.h"
#include "core/TextFunctions.h"
#include "core/ui/Druckserver.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "report/Berichtausgabe.h"
#include "report/Berichtzustand.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLineEdit* randEdit(QWidget* eltern, const char* name)
{
    auto* e = Benannt(new QLineEdit(eltern), name);
    e->setMaxLength(5);
    e->setFixedWidth(80);
    return e;
}

// The printer of a printer setting: by its kept name where there is one; a
// name no longer installed is told and the default printer preselected.
void auswaehlen(QComboBox* liste, int index, const QString& name)
{
    QStringList namen;
    for (int i = 0; i < liste->count(); ++i) namen << liste->itemText(i);
    const Druckerauswahl wahl = DruckerSuchen(index, name, namen);
    int i = wahl.index;
    if (wahl.fehlt) {
        const QString standard = QPrinterInfo::defaultPrinterName();
        i = standard.isEmpty() ? -1 : liste->findText(standard);
        boxen().hinweis(DruckerFehltText(name, i >= 0 ? standard : QString()));
    }
    liste->setCurrentIndex(i);
}

}  // namespace

TDruckoptionen::TDruckoptionen(QWidget* parent, int seite) : QDialog(parent), m_seite(seite)
{
    setObjectName(QStringLiteral("Druckoptionen"));
    setWindowTitle(QStringLiteral("Spielberichtsdruck"));
    HintergrundSetzen(this, u"ColorDrOptionen");
    m_druckserver = DruckserverMelden();

    TabCDruck = Benannt(new QTabWidget(this), "TabCDruck");
    TabCDruck->addTab(textSeite(), QStringLiteral(" Text"));
    TabCDruck->addTab(formularSeite(), QStringLiteral("Formular"));
    TabCDruck->addTab(druckerSeite(), QStringLiteral("Drucker"));

    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));
    connect(BtnOk, &QPushButton::clicked, this, &TDruckoptionen::BtnOkClick);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    PopupColorGround = HintergrundAktion(this, u"ColorDrOptionen");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(TabCDruck);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    for (QPushButton* b : findChildren<QPushButton*>())
        connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });
    for (QToolButton* b : findChildren<QToolButton*>())
        connect(b, &QToolButton::pressed, this, [] { KlickSoundSpielen(); });
}

QWidget* TDruckoptionen::textSeite()
{
    auto* s = Benannt(new QWidget, "TabText");

    CFontName = Benannt(new QComboBox(s), "CFontName");
    CFontName->setEditable(true);
    CFontName->setInsertPolicy(QComboBox::NoInsert);
    CFontName->addItems(QFontDatabase::families());
    CFontName->setMinimumWidth(260);
    BtnSchriftart = DialogKnopf(s, "BtnSchriftart", QStringLiteral("Schriftart..."));

    EFontSize = Benannt(new QLineEdit(s), "EFontSize");
    EFontSize->setMaxLength(2);
    EFontSize->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), EFontSize));
    EFontSize->setFixedWidth(48);
    SBtnFett = Schaltknopf(s, "SBtnFett", QStringLiteral("F"), QStringLiteral("fett"));
    SBtnFett->setCheckable(true);
    QFont f = SBtnFett->font();
    f.setBold(true);
    SBtnFett->setFont(f);
    SBtnKursiv = Schaltknopf(s, "SBtnKursiv", QStringLiteral("K"), QStringLiteral("kursiv"));
    SBtnKursiv->setCheckable(true);
    f = SBtnKursiv->font();
    f.setItalic(true);
    SBtnKursiv->setFont(f);
    SBtnSchriftfarbe = Schaltknopf(s, "SBtnSchriftfarbe", QString(), QStringLiteral("Schriftfarbe"));
    SBtnSchriftfarbe->setIconSize(QSize(18, 18));
    BtnStandard = DialogKnopf(s, "BtnStandard", QStringLiteral("&Standard"));

    // The preview keeps its size whatever the font: a large one is cut.
    auto* vorschau = Benannt(new QFrame(s), "PSchrift");
    vorschau->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    vorschau->setMinimumWidth(460);
    vorschau->setFixedHeight(130);
    LSchrift = Benannt(new QLabel(QStringLiteral("gewählte Schriftart"), vorschau), "LSchrift");
    LSchrift->setAlignment(Qt::AlignCenter);
    LSchrift->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* v = new QVBoxLayout(vorschau);
    v->addWidget(LSchrift);

    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Schriftart:"), s), 0, 0);
    raster->addWidget(CFontName, 0, 1);
    raster->addWidget(BtnSchriftart, 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Größe:"), s), 1, 0);
    auto* stil = new QHBoxLayout;
    stil->addWidget(EFontSize);
    stil->addSpacing(12);
    stil->addWidget(SBtnFett);
    stil->addWidget(SBtnKursiv);
    stil->addWidget(SBtnSchriftfarbe);
    stil->addStretch();
    raster->addLayout(stil, 1, 1);
    raster->addWidget(BtnStandard, 1, 2);
    auto* l = new QVBoxLayout(s);
    l->addLayout(raster);
    l->addSpacing(8);
    l->addWidget(vorschau);
    l->addStretch();

    connect(CFontName, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        m_schrift.FontName = name;
        schriftZeigen();
    });
    connect(EFontSize, &QLineEdit::textEdited, this, [this](const QString& text) {
        // An empty edit, or 0, keeps the size.
        if (const int groesse = TextZuZahl(text); groesse > 0) {
            m_schrift.FontSize = groesse;
            schriftZeigen();
        }
    });
    connect(SBtnFett, &QToolButton::clicked, this, [this](bool an) {
        m_schrift.FontBold = an;
        schriftZeigen();
    });
    connect(SBtnKursiv, &QToolButton::clicked, this, [this](bool an) {
        m_schrift.FontItalic = an;
        schriftZeigen();
    });
    connect(SBtnSchriftfarbe, &QToolButton::clicked, this, &TDruckoptionen::SBtnSchriftfarbeClick);
    connect(BtnSchriftart, &QPushButton::clicked, this, &TDruckoptionen::BtnSchriftartClick);
    connect(BtnStandard, &QPushButton::clicked, this, [this] {
        StandardSchrift(m_schrift);
        schriftZeigen();
    });
    return s;
}

QWidget* TDruckoptionen::formularSeite()
{
    auto* s = Benannt(new QWidget, "TabFormular");
    ERandOben = randEdit(s, "ERandOben");
    ERandLinks = randEdit(s, "ERandLinks");
    ERandRechts = randEdit(s, "ERandRechts");
    ERandUnten = randEdit(s, "ERandUnten");
    CBEinheit = Benannt(new QComboBox(s), "CBEinheit");
    CBEinheit->addItems({QStringLiteral("Pixel"), QStringLiteral("cm"), QStringLiteral("mm")});

    auto* raender = new QGridLayout;
    const std::pair<const char*, QWidget*> zeilen[] = {
        {"oberer Rand:", ERandOben}, {"linker Rand:", ERandLinks}, {"rechter Rand:", ERandRechts},
        {"unterer Rand:", ERandUnten}, {"Einheit:", CBEinheit}};
    int r = 0;
    for (const auto& [text, feld] : zeilen) {
        raender->addWidget(new QLabel(QString::fromUtf8(text), s), r, 0);
        raender->addWidget(feld, r++, 1, Qt::AlignLeft);
    }

    auto* ausrichtung = Benannt(new QGroupBox(QStringLiteral("Ausrichtung"), s), "GBAusrichtung");
    RBHochformat = Benannt(new QRadioButton(QStringLiteral("Hochformat"), ausrichtung), "RBHochformat");
    RBQuerformat = Benannt(new QRadioButton(QStringLiteral("Querformat"), ausrichtung), "RBQuerformat");
    auto* a = new QVBoxLayout(ausrichtung);
    a->addWidget(RBHochformat);
    a->addWidget(RBQuerformat);
    a->addStretch();

    auto* l = new QHBoxLayout(s);
    l->addLayout(raender);
    l->addSpacing(24);
    l->addWidget(ausrichtung, 0, Qt::AlignTop);
    l->addStretch();
    return s;
}

QWidget* TDruckoptionen::druckerSeite()
{
    auto* s = Benannt(new QWidget, "TabDrucker");
    const QStringList drucker = m_druckserver ? QPrinterInfo::availablePrinterNames() : QStringList();
    CDrucker = Benannt(new QComboBox(s), "CDrucker");
    CFax = Benannt(new QComboBox(s), "CFax");
    for (QComboBox* c : {CDrucker, CFax}) {
        c->addItems(drucker);
        c->setMinimumWidth(260);
    }
    BtnDrucker = DialogKnopf(s, "BtnDrucker", QStringLiteral("Einrichten..."));
    BtnFax = DialogKnopf(s, "BtnFax", QStringLiteral("Einrichten..."));
    // Without an answer of the print server its printers are unknown: the kept ones stay.
    for (QWidget* k : std::initializer_list<QWidget*>{CDrucker, CFax, BtnDrucker, BtnFax})
        k->setEnabled(m_druckserver);
    CKopien = Benannt(new QComboBox(s), "CKopien");
    CKopien->setEditable(true);
    CKopien->setInsertPolicy(QComboBox::NoInsert);
    for (int k = 1; k <= 6; ++k) CKopien->addItem(QString::number(k));
    CKopien->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), CKopien));
    CKopien->setFixedWidth(64);
    CBDrBahndrucker = Benannt(new QCheckBox(QStringLiteral("    Spielberichtsdruck am Bahndrucker"), s),
                              "CBDrBahndrucker");
    CBDrGrafik = Benannt(new QCheckBox(QStringLiteral("    Windows Grafikdruck"), s), "CBDrGrafik");

    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Drucker:"), s), 0, 0);
    raster->addWidget(CDrucker, 0, 1);
    raster->addWidget(BtnDrucker, 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Fax:"), s), 1, 0);
    raster->addWidget(CFax, 1, 1);
    raster->addWidget(BtnFax, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Anzahl Kopien:"), s), 2, 0);
    raster->addWidget(CKopien, 2, 1, Qt::AlignLeft);
    auto* l = new QVBoxLayout(s);
    l->addLayout(raster);
    l->addSpacing(12);
    l->addWidget(CBDrBahndrucker);
    l->addWidget(CBDrGrafik);
    l->addStretch();

    connect(BtnDrucker, &QPushButton::clicked, this, [this] { einrichten(CDrucker); });
    connect(BtnFax, &QPushButton::clicked, this, [this] { einrichten(CFax); });
    return s;
}

void TDruckoptionen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    laden();
}

void TDruckoptionen::laden()
{
    m_index = berichtZustand.FormularIndex;
    const bool mitEinstellung = FormularIndexMitEinstellung(m_index);
    const Druckoptionswerte w = DruckoptionenLesen(m_index);
    m_schrift = w;
    m_geladen = w;

    CBEinheit->setCurrentIndex(0);
    RBHochformat->setChecked(w.Hochformat);
    RBQuerformat->setChecked(!w.Hochformat);
    ERandOben->setText(w.RandOben);
    ERandUnten->setText(w.RandUnten);
    ERandLinks->setText(w.RandLinks);
    ERandRechts->setText(w.RandRechts);
    if (m_druckserver) {
        auswaehlen(CDrucker, w.Drucker, w.DruckerName);
        auswaehlen(CFax, w.Fax, w.FaxName);
    } else {
        for (const auto& [liste, name] : {std::pair(CDrucker, w.DruckerName), std::pair(CFax, w.FaxName)}) {
            liste->clear();
            if (!name.isEmpty()) liste->addItem(name);
            liste->setCurrentIndex(liste->count() - 1);
        }
    }
    CBDrBahndrucker->setChecked(w.DrBahndrucker);
    CBDrGrafik->setChecked(w.DrGrafik);
    const int kopie = CKopien->findText(w.Kopien);
    CKopien->setCurrentIndex(kopie);
    if (kopie < 0) CKopien->setEditText(w.Kopien);
    schriftZeigen();

    // A report project has no font and page record: only its printer page.
    TabCDruck->setTabEnabled(SeiteText, mitEinstellung);
    TabCDruck->setTabEnabled(SeiteFormular, mitEinstellung);
    const int seite = mitEinstellung ? std::clamp(m_seite, int(SeiteText), int(SeiteDrucker)) : SeiteDrucker;
    TabCDruck->setCurrentIndex(seite);
    BtnOk->setFocus();
}

void TDruckoptionen::schriftZeigen()
{
    {
        const QSignalBlocker still(CFontName);
        const int i = CFontName->findText(m_schrift.FontName, Qt::MatchFixedString);
        if (i >= 0) CFontName->setCurrentIndex(i);
        CFontName->setEditText(m_schrift.FontName);
    }
    if (TextZuZahl(EFontSize->text()) != m_schrift.FontSize)
        EFontSize->setText(QString::number(m_schrift.FontSize));
    SBtnFett->setChecked(m_schrift.FontBold);
    SBtnKursiv->setChecked(m_schrift.FontItalic);

    QFont f(m_schrift.FontName);
    if (m_schrift.FontSize > 0) f.setPointSize(m_schrift.FontSize);
    f.setBold(m_schrift.FontBold);
    f.setItalic(m_schrift.FontItalic);
    LSchrift->setFont(f);
    const QColor farbe = FarbeZuQColor(m_schrift.FontColor);
    QPalette p = LSchrift->palette();
    p.setColor(QPalette::WindowText, farbe);
    LSchrift->setPalette(p);

    QPixmap feld(18, 18);
    feld.fill(farbe);
    SBtnSchriftfarbe->setIcon(QIcon(feld));
}

void TDruckoptionen::BtnSchriftartClick()
{
    QFont f(m_schrift.FontName);
    if (m_schrift.FontSize > 0) f.setPointSize(m_schrift.FontSize);
    f.setBold(m_schrift.FontBold);
    f.setItalic(m_schrift.FontItalic);
    bool ok = false;
    const QFont neu = QFontDialog::getFont(&ok, f, this, QStringLiteral("Schriftart"));
    if (!ok) return;
    m_schrift.FontName = neu.family();
    if (neu.pointSize() > 0) m_schrift.FontSize = std::min(neu.pointSize(), 99);
    m_schrift.FontBold = neu.bold();
    m_schrift.FontItalic = neu.italic();
    schriftZeigen();
}

void TDruckoptionen::SBtnSchriftfarbeClick()
{
    if (const std::optional<quint32> farbe = FarbeWaehlen(this, m_schrift.FontColor)) {
        m_schrift.FontColor = *farbe;
        schriftZeigen();
    }
}

// The page set-up of the chosen printer; what it sets is kept for the prints
// on that printer.
void TDruckoptionen::einrichten(QComboBox* liste)
{
    const int i = liste->currentIndex();
    if (i < 0 || !DruckserverMelden()) return;
    const QString name = liste->itemText(i);
    QPrinter drucker(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
    const auto gemerkt = druckoptionenZustand.Seiteneinrichtung.find(name);
    if (gemerkt != druckoptionenZustand.Seiteneinrichtung.end()) drucker.setPageLayout(gemerkt->second);
    QPageSetupDialog dialog(&drucker, this);
    if (dialog.exec() == QDialog::Accepted) druckoptionenZustand.Seiteneinrichtung[name] = drucker.pageLayout();
}

void TDruckoptionen::BtnOkClick()
{
    Druckoptionswerte w = m_schrift;
    w.Hochformat = RBHochformat->isChecked();
    w.RandOben = ERandOben->text();
    w.RandUnten = ERandUnten->text();
    w.RandLinks = ERandLinks->text();
    w.RandRechts = ERandRechts->text();
    if (m_druckserver) {
        w.Drucker = CDrucker->currentIndex();
        w.Fax = CFax->currentIndex();
        w.DruckerName = CDrucker->currentText();
        w.FaxName = CFax->currentText();
    } else {
        w.Drucker = m_geladen.Drucker, w.DruckerName = m_geladen.DruckerName;
        w.Fax = m_geladen.Fax, w.FaxName = m_geladen.FaxName;
    }
    w.Kopien = CKopien->currentText();
    w.DrBahndrucker = CBDrBahndrucker->isChecked();
    w.DrGrafik = CBDrGrafik->isChecked();
    DruckoptionenUebernehmen(m_index, w);
    // A failed save has been reported; the record is taken over all the same.
    DruckoptionenSchreiben(m_index);
    accept();
}
