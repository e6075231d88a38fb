#pragma once

#include <QDialog>

class TFtpServer : public QDialog {
    Q_OBJECT
public:
    explicit TFtpServer(QWidget* parent = nullptr);
    ~TFtpServer() override;
};
