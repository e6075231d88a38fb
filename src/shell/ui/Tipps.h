#pragma once
// The tips window: a picture and the tips text; a click anywhere closes it.

#include <QDialog>

class QFrame;
class QLabel;
class QTextEdit;

class TTipps : public QDialog {
    Q_OBJECT
public:
    explicit TTipps(QWidget* parent = nullptr);
    QFrame* Panel;
    QLabel* Image;
    QTextEdit* RETipps;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* o, QEvent* e) override;
};
