#pragma once

#include <QDialog>

class TFtpSenden : public QDialog {
    Q_OBJECT
public:
    explicit TFtpSenden(QWidget* parent = nullptr);
    ~TFtpSenden() override;
};
