#pragma once
// The cover sheets.

#include <QDialog>

class TDeckblatt : public QDialog {
    Q_OBJECT
public:
    explicit TDeckblatt(QWidget* parent = nullptr);
};
