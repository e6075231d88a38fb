#pragma once
// The help window: a read-only rich text and "Ok".

#include <QDialog>

class QPushButton;
class QTextBrowser;

class THilfe : public QDialog {
    Q_OBJECT
public:
    explicit THilfe(QWidget* parent = nullptr);
    QTextBrowser* REHilfe;
    QPushButton* BtnOK;
};
