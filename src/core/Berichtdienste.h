#pragma once
// The report's output as the main menu reaches it: print, fax and e-mail of
// the current match's report without showing the report window. The report
// windows install the real implementation at start; until then (and in
// tests) nothing happens.

#include "core/Eingesetzt.h"

class QWidget;

class BerichtDienste {
public:
    virtual ~BerichtDienste() = default;
    virtual void drucken(QWidget* /*eltern*/) {}
    virtual void faxen(QWidget* /*eltern*/) {}
    virtual void mailen(QWidget* /*eltern*/) {}
};

void setBerichtDienste(BerichtDienste* b);
BerichtDienste& bericht();
using BerichtDiensteEinsetzen = Eingesetzt<BerichtDienste, setBerichtDienste, bericht>;
