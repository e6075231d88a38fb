#pragma once
// A mouse click on a widget as the operator makes it: press, then release,
// at a point of the widget (its centre unless given).

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <optional>

inline void Klicken(QWidget* w, Qt::MouseButton knopf = Qt::LeftButton, std::optional<QPointF> punkt = {})
{
    const QPointF p = punkt.value_or(QRectF(w->rect()).center());
    for (auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(art, p, w->mapToGlobal(p), knopf, art == QEvent::MouseButtonRelease ? Qt::NoButton : knopf,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}
