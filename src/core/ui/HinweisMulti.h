#pragma once
// The question with yes (6), no (7) and cancel (2); Esc and close cancel.

#include "core/ui/Hinweis.h"

class THinweisMulti : public THinweisFenster {
    Q_OBJECT
public:
    explicit THinweisMulti(QWidget* parent = nullptr);
    QPushButton* BtnJa;
    QPushButton* BtnNein;
    QPushButton* BtnAbbrechen;

    // Label at 12 point, then the window width for it (HinweisMultiBreite).
    void HinweisBreiteAnpassen() { BreiteAnpassen(); }
};
