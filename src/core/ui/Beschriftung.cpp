#include "core/ui/Beschriftung.h"

#include <QLabel>

QFont Schrift(int pixel, bool fett, bool kursiv, const QString& familie)
{
    QFont f = familie.isEmpty() ? QFont() : QFont(familie);
    f.setPixelSize(pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

QLabel* Label(QWidget* eltern, const QString& name, const QString& text, QRect r, Qt::Alignment a, const QFont& f)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setAlignment(a);
    l->setFont(f);
    return l;
}
