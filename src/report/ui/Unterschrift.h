#pragma once
// The signature pad.

#include <QDialog>

class TUnterschrift : public QDialog {
    Q_OBJECT
public:
    explicit TUnterschrift(QWidget* parent = nullptr);
};
