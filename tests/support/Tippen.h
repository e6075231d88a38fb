#pragma once
// Typing into a widget as the operator does it: a key press and release for
// each character, with its text.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

inline void Tippen(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        const int taste = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        for (auto art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(art, taste, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &e);
        }
    }
}
