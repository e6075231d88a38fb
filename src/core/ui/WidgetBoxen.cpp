#include "core/ui/WidgetBoxen.h"

#include "core/ui/Eingabe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/HinweisAlt.h"
#include "core/ui/HinweisJa.h"
#include "core/ui/HinweisMulti.h"
#include "core/ui/HinweisOk.h"
#include "core/ui/Zeichenwache.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// Centred, and above a window that stays on top while it shows (the
// on-screen keyboard), so that it is never hidden under it.
void Aufstellen(QWidget* box)
{
    bool obenAuf = false;
    for (const QWidget* w : QApplication::topLevelWidgets())
        obenAuf = obenAuf || (w != box && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    box->setWindowFlag(Qt::WindowStaysOnTopHint, obenAuf);
    Zentrieren(box);
}

// Label text, width, centred, modal.
int zeigen(THinweisFenster* fenster, const QString& text, int besetzt)
{
    if (!fenster || fenster->isVisible()) return besetzt;
    fenster->LHinweis->setText(text);
    fenster->BreiteAnpassen();
    Aufstellen(fenster);
    return fenster->exec();
}

// Keeps the keyboard with the field the operator typed in while a notice
// of the program's own shows: keys that reach the notice go on to the field,
// and the field's window is made active again when the desktop activates the
// notice all the same.
class FeldBehalten : public QObject {
public:
    using QObject::QObject;
    QPointer<QWidget> feld;

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (!feld) return false;
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* k = static_cast<QKeyEvent*>(e);
            QKeyEvent weiter(k->type(), k->key(), k->modifiers(), k->text(), k->isAutoRepeat(), k->count());
            QCoreApplication::sendEvent(feld, &weiter);
            return true;
        }
        case QEvent::WindowActivate:
            if (o == parent() && feld->window() != parent()) feld->window()->activateWindow();
            return false;
        default: return false;
        }
    }
};

}  // namespace

WidgetBoxen::WidgetBoxen(QWidget* hauptfenster)
    : m_hinweis(new THinweis(hauptfenster)),
      m_meldung(new THinweis(hauptfenster)),
      m_hinweisJa(new THinweisJa(hauptfenster)),
      m_hinweisOk(new THinweisOk(hauptfenster)),
      m_eingabe(new TEingabefenster(hauptfenster)),
      m_hinweisMulti(new THinweisMulti(hauptfenster)),
      m_hinweisAlt(new THinweisAlt(hauptfenster))
{
}

// The main window may have deleted its children first.
WidgetBoxen::~WidgetBoxen()
{
    if (&boxen() == this) setBoxen(nullptr);
    delete m_hinweisAlt.data();
    delete m_hinweisMulti.data();
    delete m_eingabe.data();
    delete m_hinweisOk.data();
    delete m_hinweisJa.data();
    delete m_meldung.data();
    delete m_hinweis.data();
}

void WidgetBoxen::hinweis(const QString& text) { zeigen(m_hinweis, text, ErgebnisOk); }

void WidgetBoxen::meldung(const QString& text)
{
    THinweis* f = m_meldung;
    if (!f) return;
    // Keys typed meanwhile go on to the field the operator types in; the
    // window closes with a click on "Ok".
    auto* behalten = static_cast<FeldBehalten*>(
        f->findChild<QObject*>(QStringLiteral("FeldBehalten"), Qt::FindDirectChildrenOnly));
    if (f->isVisible()) {
        // Not shown twice: the first text stays, keys go to the field typed
        // in now.
        QWidget* fokus = QApplication::focusWidget();
        if (behalten && fokus && fokus->window() != f) behalten->feld = fokus;
        return;
    }
    if (!behalten) {
        behalten = new FeldBehalten(f);
        behalten->setObjectName(QStringLiteral("FeldBehalten"));
        f->setAttribute(Qt::WA_ShowWithoutActivating);
        f->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
        f->setWindowModality(Qt::NonModal);
        f->installEventFilter(behalten);
        for (QWidget* kind : f->findChildren<QWidget*>()) {
            kind->setFocusPolicy(Qt::NoFocus);
            kind->installEventFilter(behalten);
        }
    }
    behalten->feld = QApplication::focusWidget();
    f->LHinweis->setText(text);
    f->BreiteAnpassen();
    Aufstellen(f);
    f->show();
}

int WidgetBoxen::hinweisJa(const QString& text) { return zeigen(m_hinweisJa, text, ErgebnisNein); }

int WidgetBoxen::hinweisJaTitel(const QString& titel, const QString& text)
{
    THinweisJa* f = m_hinweisJa;
    if (!f || f->isVisible()) return ErgebnisNein;
    const QString vorher = f->windowTitle();
    f->setWindowTitle(titel);
    const int ergebnis = zeigen(f, text, ErgebnisNein);
    if (m_hinweisJa) m_hinweisJa->setWindowTitle(vorher);
    return ergebnis;
}

int WidgetBoxen::hinweisOk(const QString& text) { return zeigen(m_hinweisOk, text, ErgebnisAbbrechen); }

int WidgetBoxen::hinweisMulti(const QString& text) { return zeigen(m_hinweisMulti, text, ErgebnisAbbrechen); }

std::optional<QString> WidgetBoxen::eingabe(const EingabeAnfrage& anfrage)
{
    TEingabefenster* f = m_eingabe;
    if (!f || f->isVisible()) return std::nullopt;
    f->LEingabe->setText(anfrage.beschriftung);
    f->EEingabe->setText(anfrage.text);
    f->EEingabe->setToolTip(anfrage.hinweis);
    ZeichenFrei(f->EEingabe, anfrage.beliebigeZeichen);
    f->Schritt = anfrage.schritt;
    f->Zahlformat = anfrage.format;
    f->Modus = anfrage.modus;
    f->BtnUp->setVisible(anfrage.pfeileSichtbar);
    f->BtnDown->setVisible(anfrage.pfeileSichtbar);
    f->adjustSize();
    Aufstellen(f);
    if (f->exec() != ErgebnisOk) return std::nullopt;
    return f->EEingabe->text();
}

std::optional<int> WidgetBoxen::hinweisAlt(const QString& text, const QStringList& wahl, int vorgewaehlt)
{
    THinweisAlt* f = m_hinweisAlt;
    if (!f || f->isVisible()) return std::nullopt;
    f->fragen(text, wahl, vorgewaehlt);
    Aufstellen(f);
    if (f->exec() != ErgebnisOk || f->gewaehlt() < 0) return std::nullopt;
    return f->gewaehlt();
}
