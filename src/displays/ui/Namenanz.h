#pragma once

#include <QDialog>

class TNamenanz : public QDialog {
    Q_OBJECT
public:
    explicit TNamenanz(QWidget* parent = nullptr);
    ~TNamenanz() override;
};
