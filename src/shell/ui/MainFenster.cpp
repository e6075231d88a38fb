#include "shell/ui/Main.h"

#include "core/Globals.h"

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

// The Fenster menu lists the open windows after "Maximieren".
void TMain::fensterlisteAufbauen()
{
    for (QAction* a : std::as_const(m_fensterliste)) {
        MFenster->removeAction(a);
        a->deleteLater();
    }
    m_fensterliste.clear();
    const QList<QMdiSubWindow*> fenster = m_mdi->subWindowList();
    if (fenster.isEmpty()) return;
    m_fensterliste << MFenster->addSeparator();
    int n = 0;
    for (QMdiSubWindow* f : fenster) {
        QAction* a = MFenster->addAction(QStringLiteral("&%1 %2").arg(++n).arg(f->windowTitle()));
        a->setCheckable(true);
        a->setChecked(f == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, f = QPointer<QMdiSubWindow>(f)] {
            if (f) m_mdi->setActiveSubWindow(f);
        });
        m_fensterliste << a;
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
