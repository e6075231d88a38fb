#include "displays/ui/Werbeeditor.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Tastatur.h"
#include "core/ui/Hilfe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Keyb.h"
#include "displays/Namenanzeige.h"
#include "displays/ui/Vorschau.h"
#include "displays/ui/Werbeknoten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>


using namespace werbeknoten;

namespace {

constexpr u16 FeldcodeName = 300;

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text, const QString& hinweis = QString())
{
    QPushButton* k = BoxKnopf(eltern, QLatin1String(name), text);
    k->setAutoDefault(false);
    if (!hinweis.isEmpty()) k->setToolTip(hinweis);
    return k;
}

QLineEdit* Sekundenfeld(QWidget* eltern, const char* name)
{
    auto* e = Benannt(new QLineEdit(eltern), name);
    e->setMaxLength(3);
    e->setFixedWidth(48);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), e));
    return e;
}

}  // namespace

// --- Werbebaum ---

Werbebaum::Werbebaum(Werbeeditor& editor, QWidget* parent) : QTreeWidget(parent), m_editor(editor)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void Werbebaum::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (!itemAt(event->position().toPoint())) {
        setCurrentItem(nullptr);
        clearSelection();
    }
}

namespace {

Werbebaum* Quelle(QDropEvent* event, const Werbeeditor& editor)
{
    auto* baum = qobject_cast<Werbebaum*>(event->source());
    return baum == editor.TreeWerbung || baum == editor.TreeAuswahl ? baum : nullptr;
}

}  // namespace

void Werbebaum::dragEnterEvent(QDragEnterEvent* event)
{
    if (Quelle(event, m_editor)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void Werbebaum::dragMoveEvent(QDragMoveEvent* event)
{
    if (Quelle(event, m_editor)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void Werbebaum::dropEvent(QDropEvent* event)
{
    Werbebaum* quelle = Quelle(event, m_editor);
    if (!quelle) return event->ignore();
    m_editor.ablegen(quelle, quelle->currentItem(), this, itemAt(event->position().toPoint()));
    // The editor has done the move: the dragging view must not remove anything.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

// --- Werbeeditor ---

Werbeeditor::Werbeeditor(const QString& prefix, const QString& hilfedatei, QWidget* parent)
    : Werbeeditor(prefix, hilfedatei, Eintragsart::Datei, parent)
{
}

Werbeeditor::Werbeeditor(const QString& prefix, const QString& hilfedatei, Eintragsart art, QWidget* parent)
    : QWidget(parent), m_prefix(prefix), m_art(art)
{
    setObjectName(QStringLiteral("Werbeeditor"));
    vorschau = [](const QString& datei) { VorschauAnzeigen(WerbedateiPfad(datei)); };
    dateiWaehlen = [this] {
        QFileDialog dlg(this, QStringLiteral("Datei suchen"), Datenverzeichnis);
        dlg.setFileMode(QFileDialog::ExistingFile);
        dlg.setNameFilters({QStringLiteral("Alle Dateien (*.jpg *.jpeg *.bmp *.avi *.mpg)"),
                            QStringLiteral("JPEG Bilddatei (*.jpg *.jpeg)"), QStringLiteral("Bitmaps (*.bmp)"),
                            QStringLiteral("Video (*.avi *.mpg)")});
        return dlg.exec() == QDialog::Accepted ? dlg.selectedFiles().value(0) : QString();
    };
    aufbauen(hilfedatei);
    m_namen = WerbekonfigurationenLesen(m_prefix);
    m_konfig = m_namen.isEmpty() ? -1 : 0;
    namenZeigen();
    EintragAuswaehlen(nullptr);
}

Werbeeditor::~Werbeeditor() { feldregister().abmelden(this); }

void Werbeeditor::aufbauen(const QString& hilfedatei)
{
    // Configurations.
    CAnzeige = Benannt(new QComboBox(this), "CAnzeige");
    CAnzeige->setEditable(true);
    CAnzeige->setInsertPolicy(QComboBox::NoInsert);
    CAnzeige->setCompleter(nullptr);
    CAnzeige->setMinimumContentsLength(20);
    CAnzeige->lineEdit()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;]*")), CAnzeige));
    BtnAnzeigeNeu = Knopf(this, "BtnAnzeigeNeu", QStringLiteral("Neu"), QStringLiteral("Neue Konfiguration"));
    BtnAnzeigeUmbenennen = Knopf(this, "BtnAnzeigeUmbenennen", QStringLiteral("Umbenennen"),
                                 QStringLiteral("Konfiguration umbenennen"));
    BtnAnzeigeLoeschen =
        Knopf(this, "BtnAnzeigeLoeschen", QStringLiteral("Löschen"), QStringLiteral("Konfiguration löschen"));
    BtnAnzeigeHelp = Knopf(this, "BtnAnzeigeHelp", QStringLiteral("Hilfe"));
    auto* konfig = new QHBoxLayout;
    konfig->addWidget(CAnzeige, 1);
    for (QPushButton* k : {BtnAnzeigeNeu, BtnAnzeigeUmbenennen, BtnAnzeigeLoeschen, BtnAnzeigeHelp})
        konfig->addWidget(k);
    auto* gruppeKonfig = Benannt(new QGroupBox(QStringLiteral("Konfiguration"), this), "GBKonfiguration");
    gruppeKonfig->setLayout(konfig);

    // The two trees with the buttons between and below them.
    TreeWerbung = Benannt(new Werbebaum(*this, this), "TreeWerbung");
    TreeAuswahl = Benannt(new Werbebaum(*this, this), "TreeAuswahl");
    TreeWerbung->setRootIsDecorated(false);
    BtnSelect = Knopf(this, "BtnSelect", QString(), QStringLiteral("Datei in die Konfiguration übernehmen"));
    BtnSelect->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    BtnAuswahlLoeschen = Knopf(this, "BtnAuswahlLoeschen", QStringLiteral("Löschen"),
                               QStringLiteral("Markierten Eintrag löschen"));
    BtnAuswahlNeu = Knopf(this, "BtnAuswahlNeu", QStringLiteral("Neu"), QStringLiteral("Neuer Ordner"));
    BtnAuswahlUmbenennen =
        Knopf(this, "BtnAuswahlUmbenennen", QStringLiteral("Umbenennen"), QStringLiteral("Ordner umbenennen"));
    BtnDateiSuchen =
        Knopf(this, "BtnDateiSuchen", QStringLiteral("Datei suchen"), QStringLiteral("Bild oder Video hinzufügen"));
    BtnEintragNeu = Knopf(this, "BtnEintragNeu", QStringLiteral("Neu"), QStringLiteral("Neuer Text"));
    BtnEintragUmbenennen = Knopf(this, "BtnEintragUmbenennen", QStringLiteral("Umbenennen"),
                                 QStringLiteral("Markierten Text ändern"));
    // The tree focused last stays the one the buttons act on.
    for (QPushButton* k : {BtnSelect, BtnAuswahlLoeschen, BtnAuswahlNeu, BtnAuswahlUmbenennen, BtnDateiSuchen,
                           BtnEintragNeu, BtnEintragUmbenennen})
        k->setFocusPolicy(Qt::NoFocus);

    auto* baeume = new QHBoxLayout;
    if (m_art == Eintragsart::Text) {
        // One list of texts with its buttons below; the choice tree stays hidden.
        for (QWidget* w : std::initializer_list<QWidget*>{TreeAuswahl, BtnSelect, BtnAuswahlNeu, BtnAuswahlUmbenennen,
                                                          BtnDateiSuchen})
            w->hide();
        BtnAuswahlLoeschen->setToolTip(QStringLiteral("Markierten Text löschen"));
        auto* knoepfe = new QHBoxLayout;
        knoepfe->addWidget(BtnEintragNeu);
        knoepfe->addWidget(BtnEintragUmbenennen);
        knoepfe->addWidget(BtnAuswahlLoeschen);
        knoepfe->addStretch();
        auto* texte = new QVBoxLayout;
        texte->addWidget(new QLabel(QStringLiteral("Texte"), this));
        texte->addWidget(TreeWerbung, 1);
        texte->addLayout(knoepfe);
        baeume->addLayout(texte, 1);
        m_baum = TreeWerbung;
    } else {
        BtnEintragNeu->hide();
        BtnEintragUmbenennen->hide();
        auto* links = new QVBoxLayout;
        auto* lWerbung = Benannt(new QLabel(QStringLiteral("ausgewählte Dateien:"), this), "LTreeWerbung");
        lWerbung->setBuddy(TreeWerbung);
        links->addWidget(lWerbung);
        links->addWidget(TreeWerbung, 1);
        auto* mitte = new QVBoxLayout;
        mitte->addStretch();
        mitte->addWidget(BtnSelect);
        mitte->addWidget(BtnAuswahlLoeschen);
        mitte->addStretch();
        auto* rechtsKnoepfe = new QHBoxLayout;
        rechtsKnoepfe->addWidget(BtnAuswahlNeu);
        rechtsKnoepfe->addWidget(BtnAuswahlUmbenennen);
        rechtsKnoepfe->addWidget(BtnDateiSuchen);
        rechtsKnoepfe->addStretch();
        auto* rechts = new QVBoxLayout;
        auto* lAuswahl = Benannt(new QLabel(QStringLiteral("vorhandene Dateien:"), this), "LTreeAuswahl");
        lAuswahl->setBuddy(TreeAuswahl);
        rechts->addWidget(lAuswahl);
        rechts->addWidget(TreeAuswahl, 1);
        rechts->addLayout(rechtsKnoepfe);
        baeume->addLayout(links, 1);
        baeume->addLayout(mitte);
        baeume->addLayout(rechts, 1);
    }

    // The entry editor.
    CBWettkbeginn = Benannt(new QCheckBox(QStringLiteral("  vor Spielbeginn"), this), "CBWettkbeginn");
    CBProbe = Benannt(new QCheckBox(QStringLiteral("  während der Probe"), this), "CBProbe");
    CBWettk = Benannt(new QCheckBox(QStringLiteral("  während des Spiels"), this), "CBWettk");
    CBBahnwechsel = Benannt(new QCheckBox(QStringLiteral("  bei Bahnwechsel"), this), "CBBahnwechsel");
    CBSpielerwechsel = Benannt(new QCheckBox(QStringLiteral("  bei Spielerwechsel"), this), "CBSpielerwechsel");
    CBWettkende = Benannt(new QCheckBox(QStringLiteral("  nach Spielende"), this), "CBWettkende");
    CBLaufschrift = Benannt(new QCheckBox(QStringLiteral("  Laufschrift"), this), "CBLaufschrift");
    CBLaufschrift->setVisible(m_art == Eintragsart::Text);
    EWerbezeit = Sekundenfeld(this, "EWerbezeit");
    EWerbeabstand = Sekundenfeld(this, "EWerbeabstand");
    LWerbezeit = Benannt(new QLabel(QStringLiteral("Anzeigezeit:"), this), "LWerbezeit");
    LWerbeabstand = Benannt(new QLabel(QStringLiteral("Werbeabstand:"), this), "LWerbeabstand");
    LWerbezeit->setBuddy(EWerbezeit);
    LWerbeabstand->setBuddy(EWerbeabstand);
    auto* editor = new QGridLayout;
    editor->addWidget(CBWettkbeginn, 0, 0);
    editor->addWidget(CBProbe, 1, 0);
    editor->addWidget(CBWettk, 2, 0);
    editor->addWidget(CBBahnwechsel, 0, 1);
    editor->addWidget(CBSpielerwechsel, 1, 1);
    editor->addWidget(CBWettkende, 2, 1);
    if (m_art == Eintragsart::Text) editor->addWidget(CBLaufschrift, 3, 0);
    editor->setColumnMinimumWidth(2, 24);
    editor->addWidget(LWerbezeit, 0, 3);
    editor->addWidget(EWerbezeit, 0, 4);
    editor->addWidget(new QLabel(QStringLiteral("Sek."), this), 0, 5);
    editor->addWidget(LWerbeabstand, 1, 3);
    editor->addWidget(EWerbeabstand, 1, 4);
    editor->addWidget(new QLabel(QStringLiteral("Sek."), this), 1, 5);
    editor->setColumnStretch(6, 1);
    auto* gruppeEintrag = Benannt(new QGroupBox(QStringLiteral("Eintrag"), this), "GBEintrag");
    gruppeEintrag->setLayout(editor);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(gruppeKonfig);
    spalte->addLayout(baeume, 1);
    spalte->addWidget(gruppeEintrag);

    // Pop-up of both trees.
    PopupMenu = Benannt(new QMenu(this), "PopupMenu");
    PopupNeu = PopupMenu->addAction(QStringLiteral("Neu"));
    PopupUmbenennen = PopupMenu->addAction(QStringLiteral("Umbenennen"));
    PopupLoeschen = PopupMenu->addAction(QStringLiteral("Löschen"));
    PopupNeu->setObjectName(QStringLiteral("PopupNeu"));
    PopupUmbenennen->setObjectName(QStringLiteral("PopupUmbenennen"));
    PopupLoeschen->setObjectName(QStringLiteral("PopupLoeschen"));

    connect(CAnzeige, &QComboBox::activated, this, &Werbeeditor::CAnzeigeClick);
    connect(BtnAnzeigeNeu, &QPushButton::clicked, this, &Werbeeditor::BtnAnzeigeNeuClick);
    connect(BtnAnzeigeUmbenennen, &QPushButton::clicked, this, &Werbeeditor::BtnAnzeigeUmbenennenClick);
    connect(BtnAnzeigeLoeschen, &QPushButton::clicked, this, &Werbeeditor::BtnAnzeigeLoeschenClick);
    connect(BtnAnzeigeHelp, &QPushButton::clicked, this, [this, hilfedatei] {
        if (QFileInfo(DateiImOrdner(Hilfeverzeichnis, hilfedatei)).isFile()) HilfedateiZeigen(this, hilfedatei);
    });
    connect(BtnSelect, &QPushButton::clicked, this, &Werbeeditor::BtnSelectClick);
    connect(BtnAuswahlLoeschen, &QPushButton::clicked, this, &Werbeeditor::BtnLoeschenClick);
    connect(BtnAuswahlNeu, &QPushButton::clicked, this, &Werbeeditor::BtnAuswahlNeuClick);
    connect(BtnAuswahlUmbenennen, &QPushButton::clicked, this, &Werbeeditor::BtnAuswahlUmbenennenClick);
    connect(BtnDateiSuchen, &QPushButton::clicked, this, &Werbeeditor::BtnDateiSuchenClick);
    connect(BtnEintragNeu, &QPushButton::clicked, this, &Werbeeditor::BtnEintragNeuClick);
    connect(BtnEintragUmbenennen, &QPushButton::clicked, this, &Werbeeditor::BtnEintragUmbenennenClick);
    const bool texte = m_art == Eintragsart::Text;
    connect(PopupNeu, &QAction::triggered, this,
            texte ? &Werbeeditor::BtnEintragNeuClick : &Werbeeditor::BtnAuswahlNeuClick);
    connect(PopupUmbenennen, &QAction::triggered, this,
            texte ? &Werbeeditor::BtnEintragUmbenennenClick : &Werbeeditor::BtnAuswahlUmbenennenClick);
    connect(PopupLoeschen, &QAction::triggered, this, &Werbeeditor::BtnLoeschenClick);

    connect(TreeWerbung, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* neu) {
        EditorUebernehmen();
        EintragAuswaehlen(neu);
    });
    connect(TreeWerbung, &QTreeWidget::itemDoubleClicked, this, &Werbeeditor::doppelklick);
    connect(TreeAuswahl, &QTreeWidget::itemDoubleClicked, this, &Werbeeditor::doppelklick);
    connect(TreeAuswahl, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* k) { knotenBeschriften(k); });
    for (Werbebaum* baum : {TreeWerbung, TreeAuswahl}) {
        connect(baum, &QWidget::customContextMenuRequested, this,
                [this, baum](const QPoint& pos) { popupZeigen(baum, pos); });
        baum->installEventFilter(this);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{CBWettkbeginn, CBProbe, CBWettk, CBBahnwechsel,
                                                      CBSpielerwechsel, CBWettkende, CBLaufschrift, EWerbezeit,
                                                      EWerbeabstand})
        w->installEventFilter(this);
}

bool Werbeeditor::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusIn && (o == TreeWerbung || o == TreeAuswahl))
        m_baum = static_cast<QTreeWidget*>(o);
    else if (e->type() == QEvent::FocusOut && !(o == TreeWerbung || o == TreeAuswahl))
        EditorUebernehmen();
    else if (e->type() == QEvent::MouseButtonRelease && (o == EWerbezeit || o == EWerbeabstand))
        static_cast<QLineEdit*>(o)->end(false);
    return QWidget::eventFilter(o, e);
}

// --- Configurations ---

void Werbeeditor::namenZeigen()
{
    const QSignalBlocker sperre(CAnzeige);
    CAnzeige->clear();
    CAnzeige->addItems(m_namen);
    CAnzeige->setCurrentIndex(m_konfig);
    if (m_konfig < 0) CAnzeige->setEditText(QString());
}

bool Werbeeditor::namenSchreiben()
{
    QString fehler;
    if (WerbekonfigurationenSchreiben(m_prefix, m_namen, &fehler)) return true;
    boxen().hinweis(fehler);
    return false;
}

bool Werbeeditor::vorhanden(const QString& name, int ausser) const
{
    for (int i = 0; i < m_namen.size(); ++i)
        if (i != ausser && m_namen.at(i) == name) return true;
    return false;
}

void Werbeeditor::aktivieren(int nr)
{
    m_neu.clear();
    m_konfig = m_namen.isEmpty() ? -1 : (nr >= 0 && nr < m_namen.size() ? nr : 0);
    namenZeigen();
    WerbekonfigurationLaden();
    if (m_art == Eintragsart::Datei) AuswahlLaden();
    EintragGeaendert = 0;
}

bool Werbeeditor::speichern()
{
    EditorUebernehmen();
    bool ok = true;
    if (EintragGeaendert && m_konfig >= 0) {
        if (boxen().hinweisJa(Frage("Konfiguration für ´%1´ speichern ?", m_namen.at(m_konfig))) == ErgebnisJa) {
            ok = WerbekonfigurationSpeichern();
        } else {
            if (neueVerwerfen) ok = neueEntfernen();
            m_konfig = m_namen.isEmpty() ? -1 : 0;
            namenZeigen();
            WerbekonfigurationLaden();
        }
    }
    return m_art == Eintragsart::Text ? ok : AuswahlSpeichern() && ok;
}

void Werbeeditor::eingefuegt(int nr)
{
    for (int& n : m_neu)
        if (n >= nr) ++n;
    m_neu.append(nr);
    emit konfigurationenGeaendert(nr, -1);
}

void Werbeeditor::entfernt(int nr)
{
    m_neu.removeAll(nr);
    for (int& n : m_neu)
        if (n > nr) --n;
    emit konfigurationenGeaendert(-1, nr);
}

bool Werbeeditor::neueEntfernen()
{
    // From the back, so that the numbers still to go stay as they are.
    std::sort(m_neu.begin(), m_neu.end(), std::greater<>());
    bool ok = true;
    for (const int nr : QList<int>(m_neu)) {
        QString fehler;
        if (WerbekonfigurationLoeschen(m_prefix, m_namen, nr, &fehler)) {
            entfernt(nr);
        } else {
            boxen().hinweis(fehler);
            ok = false;
        }
    }
    m_neu.clear();
    return ok;
}

void Werbeeditor::schliessen()
{
    EintragAuswaehlen(nullptr);
    for (QTreeWidget* baum : {static_cast<QTreeWidget*>(TreeWerbung), static_cast<QTreeWidget*>(TreeAuswahl)}) {
        const QSignalBlocker sperre(baum);
        baum->clear();
    }
    EintragGeaendert = 0;
}

void Werbeeditor::CAnzeigeClick(int index)
{
    EditorUebernehmen();
    if (EintragGeaendert && m_konfig >= 0 &&
        boxen().hinweisJa(Frage("Konfiguration für ´%1´ speichern ?", m_namen.at(m_konfig))) == ErgebnisJa)
        WerbekonfigurationSpeichern();
    m_konfig = index >= 0 && index < m_namen.size() ? index : (m_namen.isEmpty() ? -1 : 0);
    namenZeigen();
    WerbekonfigurationLaden();
}

void Werbeeditor::BtnAnzeigeNeuClick()
{
    const QString getippt = OhneTrenner(CAnzeige->currentText().trimmed());
    EditorUebernehmen();
    if (EintragGeaendert && m_konfig >= 0) {
        if (boxen().hinweisJa(Frage("Konfiguration für ´%1´ speichern ?", m_namen.at(m_konfig))) == ErgebnisJa) {
            WerbekonfigurationSpeichern();
        } else {
            m_konfig = m_namen.isEmpty() ? -1 : 0;
            WerbekonfigurationLaden();
        }
    }
    const bool touch = TouchEingabe != 0;
    const QString name = touch ? QString() : getippt;
    if (!touch) {
        if (name.isEmpty()) return namenZeigen();
        if (vorhanden(name, -1)) {
            boxen().hinweis(QStringLiteral("Der Eintrag ist bereits vorhanden !"));
            return namenZeigen();
        }
    }
    QString fehler;
    const int vorher = m_konfig;
    const int nr = WerbekonfigurationEinfuegen(m_prefix, m_namen, m_konfig, name, &fehler);
    if (nr < 0) {
        boxen().hinweis(fehler);
        return namenZeigen();
    }
    m_konfig = nr;
    namenSchreiben();
    namenZeigen();
    WerbekonfigurationLaden();
    eingefuegt(nr);
    if (!touch) return;

    namenTastatur();
    // Nothing typed: the empty configuration goes again.
    if (m_konfig == nr && m_namen.value(nr).isEmpty() && WerbekonfigurationLoeschen(m_prefix, m_namen, nr, &fehler)) {
        m_konfig = vorher >= 0 && vorher < m_namen.size() ? vorher : (m_namen.isEmpty() ? -1 : 0);
        namenZeigen();
        WerbekonfigurationLaden();
        entfernt(nr);
    }
}

void Werbeeditor::BtnAnzeigeUmbenennenClick()
{
    if (m_konfig < 0) return;
    if (TouchEingabe) return namenTastatur();
    const QString name = OhneTrenner(CAnzeige->currentText().trimmed());
    if (name.isEmpty()) return;
    tastaturSchreiben(name);
}

void Werbeeditor::BtnAnzeigeLoeschenClick()
{
    if (m_konfig < 0) return;
    if (boxen().hinweisJa(Frage("Konfiguration für ´%1´ löschen ?", m_namen.at(m_konfig))) != ErgebnisJa) return;
    QString fehler;
    if (!WerbekonfigurationLoeschen(m_prefix, m_namen, m_konfig, &fehler)) {
        boxen().hinweis(fehler);
        return;
    }
    const int weg = m_konfig;
    m_konfig = m_namen.isEmpty() ? -1 : 0;
    namenZeigen();
    WerbekonfigurationLaden();
    entfernt(weg);
}

void Werbeeditor::namenTastatur()
{
    Tastaturfeld f;
    f.code = FeldcodeName;
    f.prompt = QStringLiteral("Name:");
    f.modus = ModusText;
    f.lesen = [this] { return m_konfig >= 0 ? m_namen.value(m_konfig) : QString(); };
    f.schreiben = [this](const QString& text) { tastaturSchreiben(OhneTrenner(text.trimmed())); };
    f.maxLaenge = [this] { return CAnzeige->lineEdit()->maxLength(); };
    f.ziel = CAnzeige;
    // Each display kind's editor uses the code: this one's registration is the newest.
    feldregister().abmelden(FeldcodeName, this);
    feldregister().anmelden(f, this);
    Feldcode = FeldcodeName;
    FeldcodeMin = FeldcodeName;
    FeldcodeMax = FeldcodeName;
    TastaturAnzeigen(nullptr);
}

void Werbeeditor::tastaturSchreiben(const QString& text)
{
    if (m_konfig < 0 || m_konfig >= m_namen.size() || text.isEmpty() || text == m_namen.at(m_konfig)) return;
    if (vorhanden(text, m_konfig)) {
        boxen().hinweis(QStringLiteral("Der Eintrag ist bereits vorhanden !"));
        return namenZeigen();
    }
    m_namen[m_konfig] = text;
    namenSchreiben();
    namenZeigen();
    emit konfigurationenGeaendert(-1, -1);
}
