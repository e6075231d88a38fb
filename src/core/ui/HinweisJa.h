#pragma once
// The question with yes (6) and no (7); Esc and close answer no.

#include "core/ui/Hinweis.h"

class THinweisJa : public THinweisFenster {
    Q_OBJECT
public:
    explicit THinweisJa(QWidget* parent = nullptr);
    QPushButton* BtnJa;
    QPushButton* BtnNein;
};
