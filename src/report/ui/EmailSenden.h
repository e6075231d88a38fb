#pragma once
// The e-mail dialog.

#include <QDialog>

class TEmailSenden : public QDialog {
    Q_OBJECT
public:
    explicit TEmailSenden(QWidget* parent = nullptr);
};
