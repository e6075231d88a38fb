#include "competition/ui/Spielleitung.h"

#include "core/Fenster.h"
#include "core/Globals.h"
#include "core/ui/Farbe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Farben.h"
#include "core/ui/Tastaturfelder.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

TSpielleitung::TSpielleitung(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Spielleitung"));
    setWindowTitle(QStringLiteral("Spielleitung"));
    HintergrundSetzen(this, u"ColorSpielleiter");
    m_tastatur = new TastaturFelder(this, 84, 88);

    // Label, edit, length, keyboard code (0 none), and the form field it places.
    struct Zeile {
        const char* text;
        QLineEdit** edit;
        const char* name;
        int laenge;
        u16 code;
        const char* positionName;
        int positionNr;
    };
    const Zeile zeilen[] = {
        {"Name:", &EName, "EName", 30, 84, "Spielleitung Name", 30},
        {"Anschrift:", &EAnschrift, "EAnschrift", 30, 85, "Spielleitung Anschrift", 31},
        {"Plz:", &EPlz, "EPlz", 8, 86, "Spielleitung Plz", 32},
        {"Ort:", &EOrt, "EOrt", 30, 87, "Spielleitung Ort", 33},
        {"Telefon:", &ETel, "ETel", 20, 88, "Spielleitung Tel", 34},
        {"Fax:", &EFax, "EFax", 20, 88, "Spielleitung Fax", 35},
        {"E-Mail:", &EEmail, "EEmail", 30, 88, "Spielleitung email", 36},
        {"Nummer:", &ENummer, "ENummer", 30, 84, "Spielleitung Nummer", 37},
        {"Landesverband:", &ELandesverband, "ELandesverband", 30, 0, "Spielleitung LV", 38},
    };
    auto* raster = new QGridLayout;
    int r = 0;
    for (const Zeile& z : zeilen) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(z.name));
        e->setMaxLength(z.laenge);
        e->setMinimumWidth(260);
        e->setProperty("PositionName", QString::fromUtf8(z.positionName));
        e->setProperty("PositionNr", z.positionNr);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        e->installEventFilter(this);
        *z.edit = e;
        const QString text = QString::fromUtf8(z.text);
        if (z.code) m_tastatur->feld(z.code, text, z.code == 86 ? ModusZiffern : ModusText, e);
        raster->addWidget(new QLabel(text, this), r, 0);
        raster->addWidget(e, r++, 1);
    }

    BtnZurueck = DialogKnopf(this, "BtnZurueck", QStringLiteral("<"));
    BtnVor = DialogKnopf(this, "BtnVor", QStringLiteral(">"));
    BtnSuchen = DialogKnopf(this, "BtnSuchen", QStringLiteral("&Suchen"));
    BtnNeu = DialogKnopf(this, "BtnNeu", QStringLiteral("&Neu"));
    BtnAendern = DialogKnopf(this, "BtnAendern", QStringLiteral("Än&dern"));
    BtnLoeschen = DialogKnopf(this, "BtnLoeschen", QStringLiteral("&Löschen"));
    BtnSpeichern = DialogKnopf(this, "BtnSpeichern", QStringLiteral("S&peichern"));
    BtnOk = DialogKnopf(this, "BtnOk", QStringLiteral("&Ok"));
    BtnOk->setDefault(true);
    BtnAbbrechen = DialogKnopf(this, "BtnAbbrechen", QStringLiteral("&Abbrechen"));

    PopupFeld = new QMenu(this);
    PopupFeld->setObjectName(QStringLiteral("PopupFeld"));
    PopupAusschneiden = PopupFeld->addAction(QStringLiteral("Ausschneiden"));
    PopupAusschneiden->setObjectName(QStringLiteral("PopupAusschneiden"));
    PopupEinfuegen = PopupFeld->addAction(QStringLiteral("Einfügen"));
    PopupEinfuegen->setObjectName(QStringLiteral("PopupEinfuegen"));
    PopupFeld->addSeparator();
    PopupPosition = PopupFeld->addAction(QStringLiteral("Position..."));
    PopupPosition->setObjectName(QStringLiteral("PopupPosition"));
    PopupColorGround = HintergrundAktion(this, u"ColorSpielleiter");
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(BtnZurueck, &QPushButton::clicked, this, [this] {
        SpielleiterZurueck();
        anzeigen();
    });
    connect(BtnVor, &QPushButton::clicked, this, [this] {
        SpielleiterVor();
        anzeigen();
    });
    connect(BtnSuchen, &QPushButton::clicked, this, [this] {
        if (SpielleiterSuchen(EName->text())) anzeigen();
    });
    connect(BtnNeu, &QPushButton::clicked, this, [this] {
        if (AktWettkampf && SpielleiterNeu(felder(), *AktWettkampf)) anzeigen();
    });
    connect(BtnAendern, &QPushButton::clicked, this, [this] { SpielleiterAendern(felder()); });
    connect(BtnLoeschen, &QPushButton::clicked, this, [this] {
        SpielleiterLoeschen();
        anzeigen();
    });
    connect(BtnSpeichern, &QPushButton::clicked, this, [this] {
        SpielleiterSpeichern(felder());
        anzeigen();
    });
    connect(BtnOk, &QPushButton::clicked, this, [this] {
        if (AktWettkampf) SpielleiterEintragen(*AktWettkampf, felder());
        accept();
    });
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(PopupAusschneiden, &QAction::triggered, this, [this] {
        if (m_popupFeld) m_popupFeld->cut();
    });
    connect(PopupEinfuegen, &QAction::triggered, this, [this] {
        if (m_popupFeld) m_popupFeld->paste();
    });
    connect(PopupPosition, &QAction::triggered, this, [] {
        PositionSektion = QStringLiteral("Spielleitung");
        fenster().dialog(Dialog::Position);
    });

    auto* blaettern = new QHBoxLayout;
    blaettern->addWidget(BtnZurueck);
    blaettern->addWidget(BtnVor);
    auto* liste = new QVBoxLayout;
    liste->addLayout(blaettern);
    for (QPushButton* b : {BtnSuchen, BtnNeu, BtnAendern, BtnLoeschen, BtnSpeichern}) liste->addWidget(b);
    liste->addStretch();
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(raster, 1);
    mitte->addLayout(liste);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(BtnOk);
    unten->addWidget(BtnAbbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(mitte);
    spalte->addLayout(unten);
    spalte->setSizeConstraint(QLayout::SetFixedSize);

    // The list file cannot hold a ";" inside a field: it is replaced as it is typed.
    for (QLineEdit* e : {EName, EAnschrift, EPlz, EOrt, ETel}) {
        connect(e, &QLineEdit::textEdited, e, [e](const QString& text) {
            const QString feld = SpielleiterFeld(text);
            if (feld == text) return;
            const int stelle = e->cursorPosition();
            e->setText(feld);
            e->setCursorPosition(stelle);
        });
    }

    SpielleiterLaden();
    if (AktWettkampf) SpielleiterAktivieren(*AktWettkampf);
    anzeigen();
}

SpielleiterFelder TSpielleitung::felder() const
{
    return {EName->text(), EAnschrift->text(), EPlz->text(), EOrt->text(), ETel->text()};
}

void TSpielleitung::anzeigen()
{
    const SpielleiterFelder f = SpielleiterAnzeigen(SpielleiterIndex);
    QLineEdit* const edits[] = {EName, EAnschrift, EPlz, EOrt, ETel};
    for (std::size_t i = 0; i < f.size(); ++i) edits[i]->setText(f[i]);
    const SpielleiterKnoepfe k = SpielleiterKnopfzustand();
    BtnZurueck->setEnabled(k.zurueck);
    BtnVor->setEnabled(k.vor);
    BtnLoeschen->setEnabled(k.loeschen);
}

void TSpielleitung::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    BtnOk->setFocus();
}

bool TSpielleitung::eventFilter(QObject* objekt, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto* maus = static_cast<QMouseEvent*>(event);
        auto* edit = qobject_cast<QLineEdit*>(objekt);
        if (edit && maus->button() == Qt::RightButton) {
            EMouseDown(edit, maus->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(objekt, event);
}

// The pop-up of an edit: cut and paste on it, and its form field's position.
void TSpielleitung::EMouseDown(QLineEdit* edit, QPoint global)
{
    m_popupFeld = edit;
    PopupAusschneiden->setEnabled(edit->hasSelectedText());
    PositionFeldName = edit->property("PositionName").toString();
    PositionFeldNr = edit->property("PositionNr").toInt();
    PopupFeld->popup(global);
}
