#pragma once
// What the parts of the set-up window share: building its edits and
// colouring them.

#include "core/Records.h"

#include <QByteArray>
#include <QStringView>

class QLineEdit;
class QString;
class QWidget;

namespace WettkampfIntern {

void grundfarbe(QWidget* w, u32 wert);
void schriftfarbe(QWidget* w, QStringView einstellung);
QLineEdit* textEdit(QWidget* eltern, const char* name, int max);
QLineEdit* ziffernEdit(QWidget* eltern, const QString& name, int max);
QLineEdit* datumEdit(QWidget* eltern, const QString& name);
// "dd.mm.yy" of a masked date edit as the record keeps it.
QByteArray datumAusEdit(const QLineEdit* e);

}  // namespace WettkampfIntern
