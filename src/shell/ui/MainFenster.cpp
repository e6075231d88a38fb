#include "shell/ui/Main.h"

#include "core/Globals.h"
#include "core/ui/Fensterhub.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QToolBar>

// The main window's handling of its windows: the window list of the Fenster
// menu, maximizing, bringing the window to the front and the events of the
// frame, the background and the tool bar.

// The Fenster menu lists the open windows after "Maximieren": first every
// open match, named as in the Spiel menu (the one match window shows the
// match chosen), then the other windows.
void TMain::fensterlisteAufbauen()
{
    for (QAction* a : std::as_const(m_fensterliste)) {
        MFenster->removeAction(a);
        a->deleteLater();
    }
    m_fensterliste.clear();
    HauptmenueAktualisieren();
    QWidget* spiel = m_hub.mdiFenster(MdiFenster::Wettkampf);
    QMdiSubWindow* spielRahmen = spiel ? qobject_cast<QMdiSubWindow*>(spiel->parentWidget()) : nullptr;
    int n = 0;
    const auto eintrag = [&](const QString& text, bool an) {
        if (m_fensterliste.isEmpty()) m_fensterliste << MFenster->addSeparator();
        QAction* a = MFenster->addAction(QStringLiteral("&%1 %2").arg(++n).arg(text));
        a->setCheckable(true);
        a->setChecked(an);
        m_fensterliste << a;
        return a;
    };
    for (int k = 1; k <= MaxWettkaempfe; ++k) {
        if (!MEintrag[k]->isVisible()) continue;
        const bool aktiv = k == AktWettkampfNr && spielRahmen && spielRahmen == m_mdi->activeSubWindow();
        QAction* a = eintrag(MEintrag[k]->text(), aktiv);
        a->setEnabled(MEintrag[k]->isEnabled());
        connect(a, &QAction::triggered, this, [this, k] {
            MEintragClick(k);
            MSpielClick();
        });
    }
    for (QMdiSubWindow* f : m_mdi->subWindowList()) {
        if (f == spielRahmen) continue;
        QAction* a = eintrag(QString(f->windowTitle()).replace(QLatin1Char('&'), QStringLiteral("&&")),
                             f == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, f = QPointer<QMdiSubWindow>(f)] {
            if (f) m_mdi->setActiveSubWindow(f);
        });
    }
}

void TMain::MMaximierenClick()
{
    showMaximized();
    if (QMdiSubWindow* aktiv = m_mdi->activeSubWindow()) aktiv->showMaximized();
}

void TMain::NachVorne()
{
    if (isMinimized()) showMaximized();
    show();
    raise();
    activateWindow();
}

// --- Events -------------------------------------------------------------------------------

bool TMain::event(QEvent* e)
{
    // HinweisAnzeigen: the hint under the mouse goes to panel 0, unless the
    // network transfers use it for their progress.
    if (e->type() == QEvent::StatusTip) {
        if (!HinweisStatusleisteAus) StatusPanel[1]->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool TMain::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::ToolTip && !Einst.Hinweise) return true;
    if (o == m_mdi->viewport() && e->type() == QEvent::Resize) {
        Ground->setGeometry(m_mdi->viewport()->rect());
    } else if (o == Ground && e->type() == QEvent::Resize) {
        ImageGround->move((Ground->width() - ImageGround->width()) / 2, (Ground->height() - ImageGround->height()) / 2);
    } else if (o == CBarSchalter && e->type() == QEvent::Resize) {
        ImageSchalter->setGeometry(CBarSchalter->rect());  // the picture takes the bar's width
        ImageSchalter->lower();
    } else if (o == Ground && e->type() == QEvent::MouseButtonPress) {
        return true;  // the panel takes the click
    } else if (o == Ground && e->type() == QEvent::MouseButtonDblClick) {
        m_doppelklick = true;  // the first click of the pair has opened the match
        return true;
    } else if (o == Ground && e->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && !m_doppelklick) MNeuClick();
        m_doppelklick = false;
        return true;
    } else if (o == ImageGround &&
               (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease)) {
        return true;  // the picture answers only the double click
    } else if (o == ImageGround && e->type() == QEvent::MouseButtonDblClick) {
        MNeuClick();
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void TMain::closeEvent(QCloseEvent* e)
{
    e->ignore();
    ProgrammClose();
}

void TMain::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    if (isMaximized() && m_maxBreite == 0) m_maxBreite = width();
    MMaximieren->setEnabled(m_maxBreite > width());
}
