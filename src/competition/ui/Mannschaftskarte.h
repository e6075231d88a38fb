#pragma once

#include <QDialog>

class TMannschaftskarte : public QDialog {
    Q_OBJECT
public:
    explicit TMannschaftskarte(QWidget* parent = nullptr);
    ~TMannschaftskarte() override;
};
