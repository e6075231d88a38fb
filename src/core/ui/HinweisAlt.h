#pragma once
// The question with one of several choices: the text, the choices as radio
// buttons, "&Ok" and "&Abbrechen". OK closes with ErgebnisOk and is enabled
// only while a choice is checked; Esc and close cancel (ErgebnisAbbrechen).

#include <QDialog>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class THinweisAlt : public QDialog {
    Q_OBJECT
public:
    explicit THinweisAlt(QWidget* parent = nullptr);

    QLabel* LHinweis;
    QGroupBox* RGAuswahl;
    QList<QRadioButton*> RBAuswahl;  // "RBAuswahl1", "RBAuswahl2", ...
    QPushButton *BtnOk, *BtnAbbrechen;

    // The text (also the caption) and the choices, `vorgewaehlt` checked
    // (none when out of range); the size they need.
    void fragen(const QString& text, const QStringList& wahl, int vorgewaehlt);
    // The checked choice; -1 for none.
    int gewaehlt() const;

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void reject() override;

private:
    QButtonGroup* m_gruppe;
};
