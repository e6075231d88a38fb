#pragma once
// The report window.

#include <QDialog>

class TSpFormular : public QDialog {
    Q_OBJECT
public:
    explicit TSpFormular(QWidget* parent = nullptr);
};
