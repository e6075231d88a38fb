#pragma once

#include <QDialog>

class TMonitoranz : public QDialog {
    Q_OBJECT
public:
    explicit TMonitoranz(QWidget* parent = nullptr);
    ~TMonitoranz() override;
};
