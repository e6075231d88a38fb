#pragma once

#include <QDialog>

class TInfoterminal : public QDialog {
    Q_OBJECT
public:
    explicit TInfoterminal(QWidget* parent = nullptr);
    ~TInfoterminal() override;
};
