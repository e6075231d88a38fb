#include "report/ui/Deckblatt.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Sound.h"
#include "core/Tastatur.h"
#include "core/ui/Drucker.h"
#include "core/ui/Druckserver.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Keyb.h"
#include "core/ui/Textformatleiste.h"
#include "report/deckblatt/Deckblatt.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr u16 FeldcodeName = 180;
constexpr u16 FeldcodeText = 500;
constexpr int ZeileMaxLaenge = 80;

// Keeps its place in the layout while hidden.
void PlatzHalten(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

}  // namespace

TDeckblatt::TDeckblatt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Deckblatt"));
    setWindowTitle(QStringLiteral("Fax Deckblatt"));
    setToolTip(QStringLiteral("Deckblatt für Fax oder Spielberichtsausdruck"));
    HintergrundSetzen(this, u"ColorDeckblatt");

    CTexte = Benannt(new QComboBox(this), "CTexte");
    CTexte->setEditable(true);
    CTexte->setInsertPolicy(QComboBox::NoInsert);
    CTexte->lineEdit()->setMaxLength(DeckblattNameLaenge);
    CTexte->setMinimumWidth(300);
    CTexte->setToolTip(QStringLiteral("Ausgewählter Text wird beim Ausdruck übernommen."));
    BtnGruppeNeu = DialogKnopf(this, "BtnGruppeNeu", QStringLiteral("&Neu"));
    BtnGruppeNeu->setToolTip(QStringLiteral("neuen Eintrag in die Liste aufnehmen"));
    BtnGruppeUmbenennen = DialogKnopf(this, "BtnGruppeUmbenennen", QStringLiteral("&Umbenennen"));
    BtnGruppeUmbenennen->setToolTip(QStringLiteral("Texteintrag umbenennen"));
    BtnGruppeLoeschen = DialogKnopf(this, "BtnGruppeLoeschen", QStringLiteral("&Löschen"));
    BtnGruppeLoeschen->setToolTip(QStringLiteral("Texteintrag mit Inhalt löschen"));

    auto* leiste = new Textformatleiste({"CFont", "CGroesse"}, {8, 10, 12, 14, 16, 18, 20, 24, 28}, this);
    CFont = leiste->Schriftart;
    CGroesse = leiste->Groesse;
    SBtnFett = leiste->SBtnFett;
    SBtnKursiv = leiste->SBtnKursiv;
    SBtnSchriftfarbe = leiste->SBtnSchriftfarbe;
    SBtnLeft = leiste->SBtnLeft;
    SBtnRight = leiste->SBtnRight;

    REFormular = Benannt(new QTextEdit(this), "REFormular");
    REFormular->document()->setDefaultFont(DeckblattSchrift());
    leiste->bearbeiten(REFormular);
    REFormular->setMinimumSize(640, 440);
    REFormular->viewport()->installEventFilter(this);
    PlatzHalten(REFormular);

    BtnSpeichern = DialogKnopf(this, "BtnSpeichern", QStringLiteral("&Speichern"));
    BtnSpeichern->setToolTip(QStringLiteral("Text unter dem gewählten Eintrag speichern"));
    PlatzHalten(BtnSpeichern);
    BtnDrucken = DialogKnopf(this, "BtnDrucken", QStringLiteral("&Drucken"));
    BtnDrucken->setToolTip(QStringLiteral("Deckblatt drucken"));
    BtnZurueck = DialogKnopf(this, "BtnZurueck", QStringLiteral("&Zurück"));
    BtnZurueck->setToolTip(QStringLiteral("ausgewähltes Deckblatt übernehmen"));
    BtnZurueck->setDefault(true);

    PopupColorGround = HintergrundAktion(this, u"ColorDeckblatt");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* liste = new QHBoxLayout;
    liste->addWidget(new QLabel(QStringLiteral("Text:"), this));
    liste->addWidget(CTexte, 1);
    liste->addWidget(BtnGruppeNeu);
    liste->addWidget(BtnGruppeUmbenennen);
    liste->addWidget(BtnGruppeLoeschen);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BtnSpeichern);
    knoepfe->addWidget(BtnDrucken);
    knoepfe->addStretch();
    knoepfe->addWidget(BtnZurueck);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(liste);
    spalte->addWidget(leiste);
    spalte->addWidget(REFormular);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    connect(CTexte, &QComboBox::activated, this, &TDeckblatt::deckblattZeigen);
    connect(BtnGruppeNeu, &QPushButton::clicked, this, &TDeckblatt::BtnTextNeuClick);
    connect(BtnGruppeUmbenennen, &QPushButton::clicked, this, &TDeckblatt::BtnTextUmbenennenClick);
    connect(BtnGruppeLoeschen, &QPushButton::clicked, this, &TDeckblatt::BtnTextLoeschenClick);
    connect(BtnSpeichern, &QPushButton::clicked, this, &TDeckblatt::BtnSpeichernClick);
    connect(BtnDrucken, &QPushButton::clicked, this, &TDeckblatt::BtnDruckenClick);
    connect(BtnZurueck, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : findChildren<QPushButton*>())
        connect(b, &QPushButton::pressed, this, [] { KlickSoundSpielen(); });

    Tastaturfeld name;
    name.code = FeldcodeName;
    name.prompt = QStringLiteral("Name des Deckblatts:");
    name.lesen = [this] { return CTexte->currentText(); };
    name.schreiben = [this](const QString& t) { CTexte->setEditText(t); };
    name.maxLaenge = [] { return DeckblattNameLaenge; };
    name.ziel = CTexte;
    feldregister().anmelden(name, this);
    // Line mode: the keyboard steps through m_zeilen itself.
    Tastaturfeld text;
    text.code = FeldcodeText;
    text.prompt = QStringLiteral("Deckblatt:");
    text.lesen = [this] { return m_zeilen.value(0); };
    text.maxLaenge = [] { return ZeileMaxLaenge; };
    text.ziel = REFormular;
    feldregister().anmelden(text, this);

    listeFuellen();
    editorZeigen(false);
}

TDeckblatt::~TDeckblatt() { feldregister().abmelden(this); }

void TDeckblatt::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_gezeigt) return;
    // Once per opening: showing again after a nested dialog would drop the edits.
    m_gezeigt = true;
    listeFuellen();
    deckblattZeigen(AktWettkampf ? AktWettkampf->FaxDeckblatt : deckblattZustand.LetzteNummer);
    REFormular->setFocus();
}

void TDeckblatt::listeFuellen()
{
    const QSignalBlocker still(CTexte);
    CTexte->clear();
    CTexte->addItems(DeckblattNamen());
}

void TDeckblatt::deckblattZeigen(int n)
{
    const int anzahl = CTexte->count();
    if (n < 0 || n >= anzahl) n = 0;
    {
        const QSignalBlocker still(CTexte);
        CTexte->setCurrentIndex(anzahl > 0 ? n : -1);
    }
    deckblattZustand.LetzteNummer = n;
    editorZeigen(n != 0);
    QString fehler;
    if (DeckblattLesen(n, *REFormular->document(), &fehler) == Deckblattlesen::Fehler) boxen().hinweis(fehler);
    REFormular->moveCursor(QTextCursor::Start);
}

void TDeckblatt::editorZeigen(bool zeigen)
{
    REFormular->setVisible(zeigen);
    BtnSpeichern->setVisible(zeigen);
}

void TDeckblatt::BtnTextNeuClick()
{
    const bool touch = TouchEingabe != 0;
    QString fehler;
    const int n = DeckblattEinfuegen(deckblattZustand.LetzteNummer, touch ? QString() : CTexte->currentText(), &fehler);
    if (n < 0) {
        boxen().hinweis(fehler);
        return;
    }
    listeFuellen();
    {
        const QSignalBlocker still(CTexte);
        CTexte->setCurrentIndex(n);
    }
    editorZeigen(true);
    REFormular->clear();
    REFormular->setFocus();
    if (touch && nameTippen()) nameUebernehmen();
}

void TDeckblatt::BtnTextUmbenennenClick()
{
    if (!TouchEingabe || nameTippen()) nameUebernehmen();
}

void TDeckblatt::nameUebernehmen()
{
    const int k = deckblattZustand.LetzteNummer;
    QString fehler;
    if (!DeckblattUmbenennen(k, CTexte->currentText(), &fehler)) {
        boxen().hinweis(fehler);
        return;
    }
    if (k < CTexte->count()) CTexte->setItemText(k, DeckblattNamen().value(k));
}

void TDeckblatt::BtnTextLoeschenClick()
{
    const int n = CTexte->currentIndex();
    if (n <= 0) return;
    QString fehler;
    if (!DeckblattLoeschen(n, &fehler)) {
        boxen().hinweis(fehler);
        return;
    }
    listeFuellen();
    deckblattZeigen(0);
}

void TDeckblatt::BtnSpeichernClick()
{
    QString fehler;
    if (!DeckblattSpeichern(deckblattZustand.LetzteNummer, *REFormular->document(), &fehler)) boxen().hinweis(fehler);
}

void TDeckblatt::BtnDruckenClick()
{
    if (!DruckserverMelden()) return;
    QPrinter& drucker = Drucker();
    // Named before the dialog, which proposes a PDF file after the name.
    const QString name = CTexte->itemText(deckblattZustand.LetzteNummer);
    drucker.setDocName(name.trimmed().isEmpty() ? QStringLiteral("Deckblatt") : name);
    if (!DruckdialogZeigen(drucker, this)) return;
    drucker.setPageOrientation(QPageLayout::Portrait);
    const Druckannahme annahme(drucker);
    DeckblattDrucken(*REFormular->document(), drucker);
    annahme.melden();
}

// --- The touch keyboard -------------------------------------------------------------------

bool TDeckblatt::nameTippen()
{
    Feldcode = FeldcodeMin = FeldcodeMax = FeldcodeName;
    return TastaturAnzeigen(nullptr);
}

void TDeckblatt::zeilenTippen()
{
    QTextDocument* d = REFormular->document();
    m_zeilen.clear();
    for (QTextBlock b = d->begin(); b.isValid(); b = b.next()) m_zeilen << b.text();
    tastaturZustand.DeckblattText = &m_zeilen;
    DeckblattTastaturModus = 1;
    DeckblattZeile = 0;
    Feldcode = FeldcodeMin = FeldcodeMax = FeldcodeText;
    const bool geoeffnet = TastaturAnzeigen(REFormular);
    DeckblattTastaturModus = 0;
    tastaturZustand.DeckblattText = nullptr;
    if (!geoeffnet) return;

    // Each changed line replaces its paragraph's text in the paragraph's format; new lines follow at the end.
    QTextCursor c(d);
    c.beginEditBlock();
    for (int i = 0; i < m_zeilen.size(); ++i) {
        QTextBlock b = d->findBlockByNumber(i);
        if (!b.isValid()) {
            c.movePosition(QTextCursor::End);
            c.insertBlock();
            c.insertText(m_zeilen.at(i));
            continue;
        }
        if (b.text() == m_zeilen.at(i)) continue;
        c.setPosition(b.position());
        const QTextCharFormat f = b.begin().atEnd() ? b.charFormat() : b.begin().fragment().charFormat();
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        c.insertText(m_zeilen.at(i), f);
    }
    c.endEditBlock();
    m_zeilen.clear();
}

bool TDeckblatt::eventFilter(QObject* objekt, QEvent* event)
{
    // After the press has placed the caret.
    if (objekt == REFormular->viewport() && event->type() == QEvent::MouseButtonRelease && TouchEingabe)
        zeilenTippen();
    return QDialog::eventFilter(objekt, event);
}
