#pragma once
// The program's own pictures, drawn at run time: the background of the main
// window, the tool bar, the start-up window and the tips window.

#include <QColor>
#include <QPixmap>
#include <QSize>

// Nine pins in their diamond with the product name below.
QPixmap KegelBild(QSize groesse);
// A vertical gradient from oben to unten.
QPixmap VerlaufBild(QSize groesse, QColor oben, QColor unten);
