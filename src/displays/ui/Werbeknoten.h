// The nodes of the advert editor's two trees: what a node carries besides
// its caption, and the moves and texts both halves of the editor share.
#pragma once

#include "core/Records.h"
#include "displays/Werbung.h"

#include <QString>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace werbeknoten {

// What a node of the trees carries besides its caption.
enum Rolle : int {
    RolleArt = Qt::UserRole,
    RolleDatei,
    RolleMaske,
    RolleWerbezeit,
    RolleWerbeabstand,
};
enum Knotenart : int { OhneEintrag = 0, Ordner = 1, Datei = 2 };

QString Frage(const char* vorlage, const QString& name);
// A ";" would shift the fields of the line the caption is written into.
QString OhneTrenner(QString text);
QString Sekundentext(i32 wert);
// The digits of a field; empty is 0.
i32 Sekunden(const QLineEdit* e);
void EintragSetzen(QTreeWidgetItem* k, const TWerbeeintrag& e);
bool Enthaelt(const QTreeWidgetItem* vorfahr, const QTreeWidgetItem* k);
// Takes a node out of its tree, whatever its level.
QTreeWidgetItem* Herausnehmen(QTreeWidget* baum, QTreeWidgetItem* k);
// Puts a node in front of `vor` (a sibling of the same level), or at the
// end of the top level when `vor` is null.
void Einsetzen(QTreeWidget* baum, QTreeWidgetItem* k, QTreeWidgetItem* vor);

}  // namespace werbeknoten
