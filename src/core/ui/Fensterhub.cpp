#include "core/ui/Fensterhub.h"

#include "core/Anzeigedienste.h"
#include "core/Globals.h"
#include "core/ui/Fensterfokus.h"
#include "core/ui/Tastenvorrang.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QShowEvent>

namespace {

template <typename Schluessel>
QWidget* gemerkt(const std::map<Schluessel, QPointer<QWidget>>& fenster, Schluessel s)
{
    const auto it = fenster.find(s);
    return it == fenster.end() ? nullptr : it->second.data();
}

template <typename Schluessel>
QWidget* erzeugt(const std::map<Schluessel, Fensterhub::Fabrik>& fabriken, Schluessel s, QWidget* eltern)
{
    const auto it = fabriken.find(s);
    if (it == fabriken.end() || !it->second) return nullptr;
    return it->second(eltern);
}

HubFenster* hubFenster(QWidget* w) { return dynamic_cast<HubFenster*>(w); }

void zentrieren(QWidget* fenster, const QWidget* bezug)
{
    const QScreen* bildschirm = bezug ? bezug->screen() : nullptr;
    if (!bildschirm) bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm) return;
    if (!fenster->testAttribute(Qt::WA_Resized)) fenster->adjustSize();
    const QRect r = bildschirm->availableGeometry();
    fenster->move(r.x() + (r.width() - fenster->width()) / 2, r.y() + (r.height() - fenster->height()) / 2);
}

}  // namespace

Anzeigefenster AnzeigeKlasse(int breite) { return breite < 1024 ? Anzeigefenster::Klein : Anzeigefenster::Gross; }

Fensterhub::Fensterhub(QWidget* hauptfenster) : m_haupt(hauptfenster) {}

// Children of the MDI area belong to it; everything else was created here.
Fensterhub::~Fensterhub()
{
    if (&fenster() == this) setFensterDienste(nullptr);
    anzeigefensterSchliessen();
    for (auto& [f, w] : m_konfig) delete w.data();
    for (auto& [f, w] : m_mdi)
        if (w && w->isWindow()) delete w.data();
}

void Fensterhub::setHauptfenster(QWidget* hauptfenster)
{
    m_haupt = hauptfenster;
    FensterfokusEinrichten(hauptfenster);
}

void Fensterhub::setMdiArea(QMdiArea* area)
{
    m_area = area;
    TastenvorrangEinrichten(area);
}

void Fensterhub::registrieren(MdiFenster f, Fabrik fabrik) { m_mdiFabriken[f] = std::move(fabrik); }
void Fensterhub::registrieren(KonfigFenster f, Fabrik fabrik) { m_konfigFabriken[f] = std::move(fabrik); }
void Fensterhub::registrieren(Anzeigefenster k, Fabrik fabrik) { m_anzeigeFabriken[k] = std::move(fabrik); }

void Fensterhub::registrieren(Dialog d, DialogFabrik fabrik, DialogOk beiOk)
{
    SeitenFabrik f;
    if (fabrik) f = [fabrik = std::move(fabrik)](QWidget* eltern, int) { return fabrik(eltern); };
    registrierenMitSeite(d, std::move(f), std::move(beiOk));
}

void Fensterhub::registrierenMitSeite(Dialog d, SeitenFabrik fabrik, DialogOk beiOk)
{
    m_dialoge[d] = {std::move(fabrik), std::move(beiOk)};
}

QWidget* Fensterhub::mdiFenster(MdiFenster f) const { return gemerkt(m_mdi, f); }
QWidget* Fensterhub::konfigFenster(KonfigFenster f) const { return gemerkt(m_konfig, f); }

// --- MDI children -----------------------------------------------------------------------

void Fensterhub::oeffnen(MdiFenster f)
{
    QPointer<QWidget> w = mdiFenster(f);
    if (w) {
        auto* rahmen = m_area ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
        if (rahmen) {
            if (rahmen->isMinimized()) rahmen->showNormal();
            m_area->setActiveSubWindow(rahmen);
        } else {
            if (w->isMinimized()) w->showNormal();
            w->show();
            w->raise();
            w->activateWindow();
        }
    } else {
        w = erzeugt(m_mdiFabriken, f, m_area.data());
        if (!w) return;
        w->setAttribute(Qt::WA_DeleteOnClose);
        m_mdi[f] = w;
        if (m_area) m_area->addSubWindow(w)->show();
        w->show();
    }
    aktualisieren(f);
    if (w) titelSetzen(f, w);
    if (f == MdiFenster::Wettkampf) AktSpielerNr = 0;
    if (HubFenster* h = hubFenster(w)) h->geoeffnet();
}

void Fensterhub::titelSetzen(MdiFenster f, QWidget* w) const
{
    QString namen;
    if (AktWettkampf)
        namen = AktWettkampf->Heimmannschaft.text() + QStringLiteral(" - ") + AktWettkampf->Gastmannschaft.text();
    switch (f) {
    case MdiFenster::Wettkampf: w->setWindowTitle(namen); break;
    case MdiFenster::Ergebnis: w->setWindowTitle(QStringLiteral("Ergebnistafel  ") + namen); break;
    case MdiFenster::Spielbericht: w->setWindowTitle(QStringLiteral("Spielbericht  ") + namen); break;
    }
}

bool Fensterhub::offen(MdiFenster f) const { return mdiFenster(f); }

void Fensterhub::schliessen(MdiFenster f)
{
    QWidget* w = mdiFenster(f);
    if (!w) return;
    auto* rahmen = m_area ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
    if (rahmen ? rahmen->close() : w->close()) m_mdi.erase(f);
}

void Fensterhub::aktualisieren(MdiFenster f)
{
    if (HubFenster* h = hubFenster(mdiFenster(f))) h->aktualisieren();
}

void Fensterhub::spielerAktualisieren(MdiFenster f, int spielerNr)
{
    if (HubFenster* h = hubFenster(mdiFenster(f))) h->spielerAktualisieren(spielerNr);
}

// --- Configuration windows --------------------------------------------------------------

bool Fensterhub::erzeugen(KonfigFenster f)
{
    if (konfigFenster(f)) return false;
    QWidget* w = erzeugt(m_konfigFabriken, f, nullptr);
    if (!w) return false;
    m_konfig[f] = w;
    return true;
}

void Fensterhub::freigeben(KonfigFenster f)
{
    delete konfigFenster(f);
    m_konfig.erase(f);
}

bool Fensterhub::vorhanden(KonfigFenster f) const { return konfigFenster(f); }

// --- Result board -----------------------------------------------------------------------

QRect Fensterhub::zweiterBildschirm() const
{
    if (!m_zweiter.isEmpty()) return m_zweiter;
    const QScreen* s = QGuiApplication::screens().value(1);
    return s ? s->geometry() : QRect();
}

void Fensterhub::anzeigefensterOeffnen()
{
    // An open board shows the current match again.
    const bool offen = m_anzeige;
    if (!offen) {
        if (!Einst.GrossAnzeige) return;
        const QRect r = zweiterBildschirm();
        if (r.isEmpty()) return;
        QWidget* w = erzeugt(m_anzeigeFabriken, AnzeigeKlasse(r.width()), nullptr);
        if (!w) return;
        m_anzeige = w;
        if (m_zweiter.isEmpty()) w->setScreen(QGuiApplication::screens().value(1));
        w->setWindowFlag(Qt::FramelessWindowHint);
        w->setGeometry(r);
    }
    AnzeigeWettkampf = AktWettkampf;
    if (offen)
        if (HubFenster* h = hubFenster(m_anzeige)) h->aktualisieren();
    m_anzeige->show();
    if (nachAnzeigeOeffnen) nachAnzeigeOeffnen();
}

void Fensterhub::anzeigefensterSchliessen()
{
    QWidget* w = m_anzeige;
    if (!w) return;
    w->hide();
    AnzeigeWettkampf = nullptr;
    m_anzeige = nullptr;
    delete w;
}

void Fensterhub::anzeigefensterAufbauen()
{
    if (HubFenster* h = hubFenster(m_anzeige)) h->aktualisieren();
}

void Fensterhub::anzeigefensterSpielerAktualisieren(int spielerNr)
{
    if (HubFenster* h = hubFenster(m_anzeige)) h->spielerAktualisieren(spielerNr);
}

// --- One-use dialogs --------------------------------------------------------------------

// A dialog opened from another one leaves AktDialog to the outer when it ends.
bool Fensterhub::dialog(Dialog d, int seite)
{
    const auto it = m_dialoge.find(d);
    if (it == m_dialoge.end() || !it->second.fabrik) return false;
    const DialogEintrag eintrag = it->second;
    const QPointer<QDialog> dlg = eintrag.fabrik(m_haupt, seite);
    if (!dlg) return false;

    const QPointer<QDialog> vorher = AktDialog;
    AktDialog = dlg;
    if (d == Dialog::Optionen) OptionenFenster = dlg;
    if (d == Dialog::FtpServer) FtpServerFenster = dlg;
    dlg->setAttribute(Qt::WA_DeleteOnClose, false);
    zentrieren(dlg, m_haupt);
    const int ergebnis = dlg->exec();
    if (ergebnis == QDialog::Accepted && dlg && eintrag.beiOk) eintrag.beiOk(dlg, seite);
    delete dlg.data();

    AktDialog = vorher;
    if (d == Dialog::Optionen) OptionenFenster = nullptr;
    if (d == Dialog::FtpServer) FtpServerFenster = nullptr;
    return ergebnis == QDialog::Accepted;
}

// --- Main window ------------------------------------------------------------------------

void Fensterhub::statusText(int panel, const QString& text)
{
    if (statusTextSetzen) statusTextSetzen(panel, text);
}

void Fensterhub::hauptmenueAktualisieren()
{
    if (menueAktualisieren) menueAktualisieren();
}

void Fensterhub::hauptfensterFokus()
{
    if (m_haupt) m_haupt->activateWindow();
    QWidget* w = mdiFenster(MdiFenster::Wettkampf);
    if (!w) return;
    if (auto* rahmen = m_area ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr)
        m_area->setActiveSubWindow(rahmen);
    const HubFenster* h = hubFenster(w);
    QWidget* feld = h ? h->erstesEingabefeld() : nullptr;
    (feld ? feld : w)->setFocus(Qt::OtherFocusReason);
}

namespace {

// Watches its window: an MDI child through the frame's state, a window of
// its own through its activation.
class Aktivierungswaechter final : public QObject {
public:
    Aktivierungswaechter(QWidget* fenster, std::function<void()> aktiviert)
        : QObject(fenster), m_fenster(fenster), m_aktiviert(std::move(aktiviert))
    {
        fenster->installEventFilter(this);
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o != m_fenster) return false;
        if (e->type() == QEvent::Show) {
            auto* rahmen = qobject_cast<QMdiSubWindow*>(m_fenster->parentWidget());
            if (rahmen && !m_rahmen) {
                m_rahmen = rahmen;
                connect(rahmen, &QMdiSubWindow::windowStateChanged, this,
                        [this](Qt::WindowStates vorher, Qt::WindowStates jetzt) {
                            if (!(vorher & Qt::WindowActive) && (jetzt & Qt::WindowActive)) m_aktiviert();
                        });
            }
            if (rahmen && rahmen->mdiArea() && rahmen->mdiArea()->activeSubWindow() == rahmen) m_aktiviert();
        } else if (e->type() == QEvent::ActivationChange && m_fenster->isWindow() && m_fenster->isActiveWindow()) {
            m_aktiviert();
        }
        return false;
    }

private:
    QWidget* m_fenster;
    std::function<void()> m_aktiviert;
    QPointer<QMdiSubWindow> m_rahmen;
};

}  // namespace

void BeiAktivierung(QWidget* fenster, std::function<void()> aktiviert)
{
    new Aktivierungswaechter(fenster, std::move(aktiviert));
}
