#include "core/ui/Drucker.h"

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

bool DruckdialogZeigen(QPrinter& drucker, QWidget* eltern)
{
    if (dialogErsatz()) return dialogErsatz()(drucker, eltern);
    QPrintDialog dialog(&drucker, eltern);
    return dialog.exec() == QDialog::Accepted;
}
