#pragma once
// The question with OK (1) and cancel (2); Esc and close cancel.

#include "core/ui/Hinweis.h"

class THinweisOk : public THinweisFenster {
    Q_OBJECT
public:
    explicit THinweisOk(QWidget* parent = nullptr);
    QPushButton* BtnOk;
    QPushButton* BtnAbbrechen;
};
