#include "core/ui/Drucker.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace {

Druckdialog& dialogErsatz()
{
    static Druckdialog d;
    return d;
}

}  // namespace

QPrinter& Drucker()
{
    static QPrinter* drucker = new QPrinter(QPrinter::HighResolution);
    return *drucker;
}

void DruckdialogSetzen(Druckdialog dialog) { dialogErsatz() = std::move(dialog); }

void DateiVorschlagen(QPrinter& drucker)
{
    const QString letzte = drucker.outputFileName();
    QString name = drucker.docName();
    if (letzte.isEmpty() || name.isEmpty()) return;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    drucker.setOutputFileName(QFileInfo(letzte).dir().filePath(name + QStringLiteral(".pdf")));
}

bool DruckdialogZeigen(QPrinter& drucker, QWidget* eltern)
{
    const QString letzte = drucker.outputFileName();
    DateiVorschlagen(drucker);
    bool drucken = false;
    if (dialogErsatz()) {
        drucken = dialogErsatz()(drucker, eltern);
    } else {
        QPrintDialog dialog(&drucker, eltern);
        drucken = dialog.exec() == QDialog::Accepted;
    }
    // A cancelled dialog leaves the printer as it was.
    if (!drucken) drucker.setOutputFileName(letzte);
    return drucken;
}
