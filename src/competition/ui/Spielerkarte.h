#pragma once

#include <QDialog>

class TSpielerkarte : public QDialog {
    Q_OBJECT
public:
    explicit TSpielerkarte(QWidget* parent = nullptr);
    ~TSpielerkarte() override;
};
