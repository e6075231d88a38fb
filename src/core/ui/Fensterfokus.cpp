#include "core/ui/Fensterfokus.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class Fensterfokus final : public QObject {
public:
    explicit Fensterfokus(QWidget* hauptfenster) : QObject(hauptfenster), m_haupt(hauptfenster)
    {
        setObjectName(QStringLiteral("Fensterfokus"));
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Hide || !o->isWidgetType()) return false;
        const auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow() || !w->isModal()) return false;
        QPointer<QWidget> besitzer = w->parentWidget() ? w->parentWidget()->window() : nullptr;
        // Once the desktop has had its say: an activation still on its way
        // for the closed window comes first.
        QTimer::singleShot(0, this, [this, besitzer] { zurueckgeben(besitzer); });
        return false;
    }

private:
    void zurueckgeben(QWidget* besitzer) const
    {
        if (!besitzer || !besitzer->isVisible()) besitzer = m_haupt;
        if (!besitzer || !besitzer->isVisible()) return;
        // A further modal window holds the keyboard, or a window that is
        // showing took the activation: it keeps it.
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != besitzer) return;
        const QWidget* aktiv = QApplication::activeWindow();
        if (aktiv && aktiv->isVisible()) return;
        besitzer->activateWindow();
    }

    QPointer<QWidget> m_haupt;
};

}  // namespace

void FensterfokusEinrichten(QWidget* hauptfenster)
{
    if (!hauptfenster || !qApp ||
        hauptfenster->findChild<QObject*>(QStringLiteral("Fensterfokus"), Qt::FindDirectChildrenOnly))
        return;
    new Fensterfokus(hauptfenster);
}
