#pragma once
// The labels of the result tables, placed at fixed positions.

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A font 'pixel' pixels high; the application's family unless one is given.
QFont Schrift(int pixel, bool fett = false, bool kursiv = false, const QString& familie = QString());

// A label named 'name' with that text, place, alignment and font.
QLabel* Label(QWidget* eltern, const QString& name, const QString& text, QRect r, Qt::Alignment a, const QFont& f);
