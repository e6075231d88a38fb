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

// Shows the RTF help file of that name from the help folder with its
// formatting; a missing file is named in a notice.
void HilfedateiZeigen(QWidget* eltern, const QString& name);
