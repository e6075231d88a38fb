#pragma once
// Colour values of the settings as Qt colours. A value is 0x00BBGGRR; from
// 0x80000000 up it names a system colour by its index (value - 0x80000000),
// taken from the application's palette.

#include <QColor>
#include <QStringView>

class QWidget;

QColor FarbeZuQColor(quint32 wert);

// Fills the widget's background with the colour setting of that name
// ("ColorHinweis").
void HintergrundSetzen(QWidget* widget, QStringView einstellung);
