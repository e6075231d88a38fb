#pragma once

#include <QDialog>

class TInternet : public QDialog {
    Q_OBJECT
public:
    explicit TInternet(QWidget* parent = nullptr);
    ~TInternet() override;
};
