#pragma once

#include <QDialog>

class TMannschaftanz : public QDialog {
    Q_OBJECT
public:
    explicit TMannschaftanz(QWidget* parent = nullptr);
    ~TMannschaftanz() override;
};
