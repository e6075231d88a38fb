#include "core/ui/Tastenvorrang.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QShortcutEvent>

namespace {

bool nimmt(const QAction* a, const QKeySequence& taste)
{
    return a->isEnabled() && a->isVisible() && a->shortcuts().contains(taste);
}

bool bedienbar(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

// What takes the key in one window: an action, or a button by its mnemonic.
struct Nehmer {
    QAction* aktion = nullptr;
    QAbstractButton* knopf = nullptr;
    explicit operator bool() const { return aktion || knopf; }
};

// The child window `rahmen` with the focus on `fokus`, by Qt's contexts.
Nehmer imKind(QMdiSubWindow* rahmen, QWidget* fokus, const QKeySequence& taste)
{
    for (QWidget* w = fokus; w; w = w->parentWidget()) {
        for (QAction* a : w->actions()) {
            if (!nimmt(a, taste)) continue;
            if (a->shortcutContext() != Qt::WidgetShortcut || w == fokus) return {a, nullptr};
        }
        if (w == rahmen) break;
    }
    QList<QWidget*> alle = rahmen->findChildren<QWidget*>();
    alle.prepend(rahmen);
    for (QWidget* w : alle) {
        if (!bedienbar(w)) continue;
        for (QAction* a : w->actions()) {
            const Qt::ShortcutContext k = a->shortcutContext();
            if (nimmt(a, taste) && (k == Qt::WindowShortcut || k == Qt::ApplicationShortcut)) return {a, nullptr};
        }
        auto* b = qobject_cast<QAbstractButton*>(w);
        if (b && QKeySequence::mnemonic(b->text()) == taste) return {nullptr, b};
    }
    return {};
}

class Tastenvorrang final : public QObject {
public:
    explicit Tastenvorrang(QMdiArea* area) : QObject(area), m_area(area)
    {
        setObjectName(QStringLiteral("Tastenvorrang"));
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::Shortcut || !m_area) return false;
        const auto* se = static_cast<QShortcutEvent*>(e);
        if (!se->isAmbiguous()) return false;
        QWidget* fokus = QApplication::focusWidget();
        QWidget* haupt = m_area->window();
        if (!fokus || fokus->window() != haupt) return false;
        const QKeySequence& taste = se->key();

        // The main window's own: its actions and its menu titles.
        QAction* hauptAktion = nullptr;
        bool menuetitel = false;
        for (QAction* a : haupt->findChildren<QAction*>()) {
            if (hauptAktion) break;
            if (a->associatedObjects().isEmpty() || !nimmt(a, taste)) continue;
            const QObject* eltern = a->parent();
            while (eltern && eltern != m_area) eltern = eltern->parent();
            if (!eltern) hauptAktion = a;  // not a child window's
        }
        for (QMenuBar* leiste : haupt->findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly))
            for (QAction* a : leiste->actions())
                menuetitel = menuetitel || (a->isVisible() && a->isEnabled() && QKeySequence::mnemonic(a->text()) == taste);
        if (!hauptAktion && !menuetitel) return false;  // not between a child and the main window

        QMdiSubWindow* rahmen = nullptr;
        for (QWidget* w = fokus; w && !rahmen; w = w->parentWidget()) rahmen = qobject_cast<QMdiSubWindow*>(w);
        if (rahmen && rahmen->mdiArea() == m_area) {
            if (const Nehmer n = imKind(rahmen, fokus, taste)) {
                if (n.aktion) {
                    n.aktion->trigger();
                } else {
                    if (n.knopf->focusPolicy() & Qt::TabFocus) n.knopf->setFocus(Qt::ShortcutFocusReason);
                    n.knopf->click();
                }
                return true;
            }
        }
        if (!hauptAktion) return false;  // a menu title: the menu bar opens it
        hauptAktion->trigger();
        return true;
    }

private:
    QPointer<QMdiArea> m_area;
};

}  // namespace

void TastenvorrangEinrichten(QMdiArea* area)
{
    if (!area || !qApp || area->findChild<QObject*>(QStringLiteral("Tastenvorrang"), Qt::FindDirectChildrenOnly)) return;
    new Tastenvorrang(area);
}
