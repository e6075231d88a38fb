#pragma once
// The fax dialog.

#include <QDialog>

class TFaxSenden : public QDialog {
    Q_OBJECT
public:
    explicit TFaxSenden(QWidget* parent = nullptr);
};
