#include "report/ui/SpFormular.h"

#include "core/Boxes.h"
#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "platform/bericht/EigeneBerichtsmaschine.h"
#include "platform/bericht/ui/Berichtsvorschau.h"
#include "report/projekte/Berichtsprojekte.h"
#include "report/Berichtzustand.h"
#include "report/Druckoptionen.h"
#include "report/formulare/Positionen.h"
#include "report/Unterschriften.h"
#include "report/ui/Berichtausgabe.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ProjektAb = ErstesProjekt;
constexpr int LeereHoehe = 420;

QToolButton* ansichtKnopf(QWidget* eltern, const char* name, const QString& tipp, const QIcon& bild)
{
    auto* b = Benannt(new QToolButton(eltern), name);
    b->setAutoRaise(true);
    b->setToolTip(tipp);
    b->setIcon(bild);
    b->setIconSize(QSize(22, 22));
    b->setFixedSize(32, 32);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton* befehlsKnopf(QWidget* eltern, const char* name, const QString& text, const QString& tipp)
{
    QPushButton* b = DialogKnopf(eltern, name, text);
    b->setToolTip(tipp);
    b->setFixedSize(180, 32);
    return b;
}

// A magnifying glass with a plus or a minus.
QIcon lupe(bool plus)
{
    QPixmap bild(44, 44);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(QColor(40, 40, 40), 4));
    maler.setBrush(QColor(235, 245, 255));
    maler.drawEllipse(QRectF(4, 4, 26, 26));
    maler.setPen(QPen(QColor(40, 40, 40), 7, Qt::SolidLine, Qt::RoundCap));
    maler.drawLine(QPointF(28, 28), QPointF(39, 39));
    maler.setPen(QPen(QColor(40, 40, 40), 4, Qt::SolidLine, Qt::RoundCap));
    maler.drawLine(QPointF(11, 17), QPointF(23, 17));
    if (plus) maler.drawLine(QPointF(17, 11), QPointF(17, 23));
    return QIcon(bild);
}

}  // namespace

TSpFormular::TSpFormular(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SpFormular"));
    setWindowTitle(QStringLiteral("Formular"));
    setToolTip(QStringLiteral("Spielberichtsformular"));
    HintergrundSetzen(this, u"ColorSpFormular");

    LFormular = Benannt(new QLabel(QStringLiteral("Formular:"), this), "LFormular");
    CFormular = Benannt(new QComboBox(this), "CFormular");
    CFormular->setToolTip(QStringLiteral("Spielberichtsformular auswählen"));
    CFormular->setFixedWidth(230);
    CFormular->setMaxVisibleItems(20);

    BtnSeiteZurueck = ansichtKnopf(this, "BtnSeiteZurueck", QStringLiteral("vorhergehende Seite"),
                                   style()->standardIcon(QStyle::SP_ArrowLeft));
    BtnSeiteVor = ansichtKnopf(this, "BtnSeiteVor", QStringLiteral("nächste Seite"),
                               style()->standardIcon(QStyle::SP_ArrowRight));
    BtnKlein = ansichtKnopf(this, "BtnKlein", QStringLiteral("verkleinern"), lupe(false));
    BtnGross = ansichtKnopf(this, "BtnGross", QStringLiteral("vergrößern"), lupe(true));
    BtnKlein->setEnabled(false);

    PAnsicht = Benannt(new QScrollArea, "PAnsicht");
    PAnsicht->setAlignment(Qt::AlignCenter);
    PAnsicht->setFocusPolicy(Qt::NoFocus);
    PAnsicht->setBackgroundRole(QPalette::Dark);
    ImageAnsicht = Benannt(new QLabel, "ImageAnsicht");
    ImageAnsicht->setCursor(Qt::OpenHandCursor);
    // The right button zooms out here: no colour pop-up.
    ImageAnsicht->setContextMenuPolicy(Qt::PreventContextMenu);
    ImageAnsicht->installEventFilter(this);
    PAnsicht->setWidget(ImageAnsicht);
    // 600 wide fits beside a vertical scroll bar.
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    PAnsicht->setMinimumSize(AnsichtBreite + 2 * PAnsicht->frameWidth() + leiste + 4,
                             LeereHoehe + 2 * PAnsicht->frameWidth() + 4);

    LLView = Benannt(new TBerichtsvorschau, "LLView");
    LLTool = &Berichtskomponente();

    SAnsicht = Benannt(new QStackedWidget(this), "SAnsicht");
    SAnsicht->addWidget(PAnsicht);
    SAnsicht->addWidget(LLView);

    BtnTextformat = befehlsKnopf(this, "BtnTextformat", QStringLiteral("&Textformat"),
                                 QStringLiteral("Schriftformat im Spielbericht"));
    BtnOptionen = befehlsKnopf(this, "BtnOptionen", QStringLiteral("&Optionen"), QStringLiteral("Druckoptionen"));
    BtnDeckblatt = befehlsKnopf(this, "BtnDeckblatt", QStringLiteral("Deck&blatt"),
                                QStringLiteral("Deckblatt für Fax und Email einstellen"));
    BtnFormular = befehlsKnopf(this, "BtnFormular", QStringLiteral("&Formular"),
                               QStringLiteral("Formular für Spielbericht erstellen"));
    BtnDrucken = befehlsKnopf(this, "BtnDrucken", QStringLiteral("&Drucken"), QStringLiteral("Spielbericht drucken"));
    BtnFax = befehlsKnopf(this, "BtnFax", QStringLiteral("Fa&x"), QStringLiteral("Spielbericht faxen"));
    BtnEmail = befehlsKnopf(this, "BtnEmail", QStringLiteral("&email"), QStringLiteral("Spielbericht versenden"));
    BtnInternet = befehlsKnopf(this, "BtnInternet", QStringLiteral("&Internet"),
                               QStringLiteral("Spielbericht für das Internet aufbereiten"));
    BtnUnterschreiben = befehlsKnopf(this, "BtnUnterschreiben", QStringLiteral("&Unterschreiben"), QString());

    BtnZurueck = DialogKnopf(this, "BtnZurueck", QStringLiteral("&Zurück"));
    BtnZurueck->setToolTip(QStringLiteral("Spielberichtsansicht schließen"));
    BtnZurueck->setDefault(true);
    BtnZurueck->setFixedSize(140, 32);
    LStatus = Benannt(new QLabel(this), "LStatus");
    LStatus->setTextFormat(Qt::PlainText);
    // A long status text is cut, it never widens the window.
    LStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    PopupColorGround = HintergrundAktion(this, u"ColorSpFormular");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    for (QPushButton* b : findChildren<QPushButton*>())
        connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });
    for (QToolButton* b : findChildren<QToolButton*>())
        connect(b, &QToolButton::pressed, this, [] { KlickSoundSpielen(); });

    connect(CFormular, &QComboBox::activated, this, &TSpFormular::CFormularChange);
    // A project's pages are paged; a built-in layout has one, drawn again.
    connect(BtnSeiteZurueck, &QToolButton::clicked, this, [this] {
        if (Einst.FormularNummer >= ProjektAb) LLView->zurueck();
        else FormularAnzeigen(Einst.FormularNummer);
    });
    connect(BtnSeiteVor, &QToolButton::clicked, this, [this] {
        if (Einst.FormularNummer >= ProjektAb) LLView->vor();
        else FormularAnzeigen(Einst.FormularNummer);
    });
    connect(BtnKlein, &QToolButton::clicked, this, &TSpFormular::BtnKleinClick);
    connect(BtnGross, &QToolButton::clicked, this, &TSpFormular::BtnGrossClick);
    connect(BtnTextformat, &QPushButton::clicked, this, [this] { druckoptionen(SeiteText); });
    connect(BtnOptionen, &QPushButton::clicked, this, [this] { druckoptionen(SeiteDrucker); });
    connect(BtnDeckblatt, &QPushButton::clicked, this, &TSpFormular::BtnDeckblattClick);
    connect(BtnFormular, &QPushButton::clicked, this, &TSpFormular::BtnFormularClick);
    connect(BtnDrucken, &QPushButton::clicked, this, [this] { SpielberichtDrucken(this, Einst.FormularNummer); });
    connect(BtnFax, &QPushButton::clicked, this, [this] { SpielberichtFaxen(this, Einst.FormularNummer); });
    connect(BtnEmail, &QPushButton::clicked, this, [this] { SpielberichtMailen(this, Einst.FormularNummer); });
    connect(BtnInternet, &QPushButton::clicked, this, &TSpFormular::BtnInternetClick);
    connect(BtnUnterschreiben, &QPushButton::clicked, this, &TSpFormular::BtnUnterschreibenClick);
    connect(BtnZurueck, &QPushButton::clicked, this, &QDialog::accept);

    auto* werkzeuge = new QHBoxLayout;
    werkzeuge->setSpacing(2);
    werkzeuge->addWidget(BtnSeiteZurueck);
    werkzeuge->addWidget(BtnSeiteVor);
    werkzeuge->addSpacing(20);
    werkzeuge->addWidget(BtnKlein);
    werkzeuge->addWidget(BtnGross);
    werkzeuge->addStretch();

    auto* unten = new QHBoxLayout;
    unten->addWidget(BtnZurueck);
    unten->addSpacing(16);
    unten->addWidget(LStatus, 1);

    auto* links = new QVBoxLayout;
    links->addLayout(werkzeuge);
    links->addWidget(SAnsicht, 1);
    links->addSpacing(6);
    links->addLayout(unten);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(LFormular);
    rechts->addWidget(CFormular);
    rechts->addSpacing(24);
    for (QPushButton* b : {BtnTextformat, BtnOptionen, BtnDeckblatt, BtnFormular})
        rechts->addWidget(b, 0, Qt::AlignHCenter);
    rechts->addSpacing(20);
    for (QPushButton* b : {BtnDrucken, BtnFax, BtnEmail, BtnInternet}) rechts->addWidget(b, 0, Qt::AlignHCenter);
    rechts->addSpacing(20);
    rechts->addWidget(BtnUnterschreiben, 0, Qt::AlignHCenter);
    rechts->addStretch();
    rechts->setSpacing(2);

    auto* haupt = new QHBoxLayout(this);
    haupt->setContentsMargins(16, 12, 16, 14);
    haupt->addLayout(links, 1);
    haupt->addSpacing(20);
    haupt->addLayout(rechts);
    resize(930, 590);
}

TSpFormular::~TSpFormular()
{
    if (isVisible()) BerichtStatusZiel({});
}

void TSpFormular::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    const QPointer<QLabel> status = LStatus;
    BerichtStatusZiel([status](const QString& text) {
        if (status) status->setText(text);
    });
    FormActivate();
}

void TSpFormular::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous()) BerichtStatusZiel({});
}

void TSpFormular::FormActivate()
{
    LStatus->clear();
    BtnZurueck->setFocus();
    {
        const QSignalBlocker still(CFormular);
        CFormular->clear();
        // The built-in layouts and the projects of the list beyond them.
        CFormular->addItems(PositionFormularListe(FormularNamen) + FormularNamen.mid(PositionFormulare));
        const int nummer = Einst.FormularNummer;
        CFormular->setCurrentIndex(nummer < CFormular->count() ? nummer : -1);
    }
    const bool mitWettkampf = AktWettkampf != nullptr;
    for (QPushButton* b : {BtnDrucken, BtnFax, BtnEmail, BtnInternet, BtnUnterschreiben})
        b->setEnabled(mitWettkampf);
    FormularAnzeigen(Einst.FormularNummer);
}

void TSpFormular::FormularAnzeigen(int index)
{
    m_ziehen = false;
    ImageAnsicht->setCursor(Qt::OpenHandCursor);
    const bool projekt = index >= ProjektAb;
    // Only a project may have more than one page.
    BtnSeiteZurueck->setEnabled(projekt);
    BtnSeiteVor->setEnabled(projekt);
    m_bild = QImage();
    m_masse = projekt ? std::nullopt : FormularMasse(index);

    if (projekt) {
        SAnsicht->setCurrentWidget(LLView);
        ImageAnsicht->clear();
        m_zoom = {};
        BtnKlein->setEnabled(false);
        BtnGross->setEnabled(false);
        projektAnzeigen(index);
        return;
    }
    SAnsicht->setCurrentWidget(PAnsicht);

    const int hoehe = m_masse ? m_masse->vorschauHoehe : LeereHoehe;
    if (AktWettkampf && m_masse) {
        FormularBild f = BerichtZeichnen(*AktWettkampf, index);
        if (!f.fehler.isEmpty()) boxen().hinweis(f.fehler);
        m_bild = std::move(f.bild);
    }
    // Without a picture an empty form, which does not zoom.
    if (m_bild.isNull()) m_masse.reset();
    zoomSetzen(m_masse ? AnsichtStart(*m_masse) : Ansichtszoom{QSize(AnsichtBreite, hoehe), false, false});
    bildlaufSetzen(QPoint());
}

// A project without its file keeps the preview it showed. A project that
// cannot be filled says why and shows no stale preview of an earlier state.
void TSpFormular::projektAnzeigen(int index)
{
    const QString datei = ProjektdateiVon(index);
    if (datei.isEmpty() || !QFileInfo::exists(datei)) return;
    LetztesBerichtsergebnis = ProjektVorschauErstellen(*LLTool, this, datei, AktWettkampf);
    if (LetztesBerichtsergebnis == BerichtAbgebrochen) return;
    if (LetztesBerichtsergebnis < 0) {
        LLView->seitenSetzen({});
        LStatus->setText(QStringLiteral("Formular nicht erstellt: %1").arg(LLTool->LlGetErrortext()));
        return;
    }
    const QString vorschau = Vorschaudatei(datei);
    QString fehler;
    if (QFileInfo::exists(vorschau) && !LLView->laden(vorschau, &fehler)) LStatus->setText(fehler);
}

void TSpFormular::zoomSetzen(const Ansichtszoom& z)
{
    m_zoom = z;
    BtnKlein->setEnabled(m_masse && z.kleiner);
    BtnGross->setEnabled(m_masse && z.groesser);
    if (m_bild.isNull()) {
        QPixmap leer(z.bild);
        leer.fill(Qt::white);
        ImageAnsicht->setPixmap(leer);
    } else {
        ImageAnsicht->setPixmap(
            QPixmap::fromImage(m_bild.scaled(z.bild, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    ImageAnsicht->resize(z.bild);
    // The scroll bars come and go through a queued call: now, so that the
    // view's size is known for the centring that follows.
    QCoreApplication::sendPostedEvents(PAnsicht, QEvent::MetaCall);
}

void TSpFormular::BtnGrossClick()
{
    if (m_masse) zoomSetzen(AnsichtGroesser(m_zoom, *m_masse));
}

void TSpFormular::BtnKleinClick()
{
    if (m_masse) zoomSetzen(AnsichtKleiner(m_zoom, *m_masse));
}

QPoint TSpFormular::bildlauf() const
{
    return {PAnsicht->horizontalScrollBar()->value(), PAnsicht->verticalScrollBar()->value()};
}

void TSpFormular::bildlaufSetzen(QPoint p)
{
    PAnsicht->horizontalScrollBar()->setValue(p.x());
    PAnsicht->verticalScrollBar()->setValue(p.y());
}

void TSpFormular::CFormularChange(int index)
{
    if (index < 0) return;
    Einst.FormularNummer = u8(index);
    FormularAnzeigen(index);
}

// The print options of the shown layout, then the layout drawn with them.
void TSpFormular::druckoptionen(int seite)
{
    berichtZustand.FormularIndex = Einst.FormularNummer;
    fenster().dialog(Dialog::Druckoptionen, seite);
    FormularAnzeigen(Einst.FormularNummer);
}

void TSpFormular::BtnDeckblattClick() { fenster().dialog(Dialog::Deckblatt); }

// The designer on the project's file, then the preview of what it saved.
void TSpFormular::BtnFormularClick()
{
    const int index = Einst.FormularNummer;
    if (index < ProjektAb) return;
    const QString datei = ProjektdateiVon(index);
    if (datei.isEmpty()) {
        boxen().hinweis(QStringLiteral("Dem Formular ist keine Formulardatei zugeordnet: bitte unter Optionen, "
                                       "Vorwahl eine Datei suchen."));
        return;
    }
    LetztesBerichtsergebnis =
        LLTool->Design(0, this, QStringLiteral("Formulardesign"), ProjekttypKarte, datei, false);
    if (LetztesBerichtsergebnis == BerichtOk) FormularAnzeigen(index);
    else if (LetztesBerichtsergebnis != BerichtAbgebrochen)
        LStatus->setText(QStringLiteral("Formulardesign nicht möglich: %1").arg(LLTool->LlGetErrortext()));
}

void TSpFormular::BtnInternetClick()
{
    LStatus->clear();
    fenster().dialog(Dialog::FtpSenden);
}

// The drawing redraws the report with the match's new signatures.
void TSpFormular::BtnUnterschreibenClick()
{
    if (fenster().dialog(Dialog::Unterschrift)) FormularAnzeigen(Einst.FormularNummer);
}

bool TSpFormular::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == ImageAnsicht) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: ImageAnsichtMouseDown(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::MouseMove: ImageAnsichtMouseMove(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::MouseButtonRelease: ImageAnsichtMouseUp(static_cast<QMouseEvent*>(event)); return true;
        default: break;
        }
    }
    return QDialog::eventFilter(objekt, event);
}

void TSpFormular::ImageAnsichtMouseDown(QMouseEvent* event)
{
    m_druck = event->position().toPoint();
    m_bildlaufDruck = bildlauf();
    m_ziehen = true;
    ImageAnsicht->setCursor(Qt::ClosedHandCursor);
}

void TSpFormular::ImageAnsichtMouseMove(QMouseEvent* event)
{
    if (m_ziehen) bildlaufSetzen(AnsichtZiehen(bildlauf(), m_druck, event->position().toPoint()));
}

void TSpFormular::ImageAnsichtMouseUp(QMouseEvent* event)
{
    if (!m_ziehen) return;
    m_ziehen = false;
    ImageAnsicht->setCursor(Qt::OpenHandCursor);
    if (!AnsichtKlick(m_druck, event->position().toPoint(), m_bildlaufDruck, bildlauf())) return;
    if (event->button() == Qt::LeftButton) {
        const QSize alt = m_zoom.bild;
        BtnGrossClick();
        if (m_masse) bildlaufSetzen(AnsichtKlickMitte(m_druck, alt, m_zoom.bild, PAnsicht->viewport()->size()));
    } else {
        BtnKleinClick();
    }
}
