#include "displays/ui/Werbeknoten.h"

#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>

namespace werbeknoten {

QString Frage(const char* vorlage, const QString& name) { return QString::fromUtf8(vorlage).arg(name); }

QString OhneTrenner(QString text) { return text.replace(QLatin1Char(';'), QLatin1Char(',')); }

QString Sekundentext(i32 wert) { return wert == 0 ? QString() : QString::number(wert); }

i32 Sekunden(const QLineEdit* e)
{
    QString ziffern;
    for (QChar c : e->text())
        if (c.isDigit()) ziffern.append(c);
    return ziffern.toInt();
}

void EintragSetzen(QTreeWidgetItem* k, const TWerbeeintrag& e)
{
    k->setData(0, RolleArt, Datei);
    k->setData(0, RolleDatei, e.Datei);
    k->setData(0, RolleMaske, e.Maske);
    k->setData(0, RolleWerbezeit, e.Werbezeit);
    k->setData(0, RolleWerbeabstand, e.Werbeabstand);
    // A text entry keeps its text as the hint.
    if (!e.Datei.isEmpty()) k->setToolTip(0, QDir::toNativeSeparators(e.Datei));
}

bool Enthaelt(const QTreeWidgetItem* vorfahr, const QTreeWidgetItem* k)
{
    for (; k; k = k->parent())
        if (k == vorfahr) return true;
    return false;
}

QTreeWidgetItem* Herausnehmen(QTreeWidget* baum, QTreeWidgetItem* k)
{
    if (QTreeWidgetItem* eltern = k->parent()) return eltern->takeChild(eltern->indexOfChild(k));
    return baum->takeTopLevelItem(baum->indexOfTopLevelItem(k));
}

void Einsetzen(QTreeWidget* baum, QTreeWidgetItem* k, QTreeWidgetItem* vor)
{
    if (!vor)
        baum->addTopLevelItem(k);
    else if (QTreeWidgetItem* eltern = vor->parent())
        eltern->insertChild(eltern->indexOfChild(vor), k);
    else
        baum->insertTopLevelItem(baum->indexOfTopLevelItem(vor), k);
}

}  // namespace werbeknoten
