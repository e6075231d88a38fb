#pragma once
// The e-mail dialog "Spielbericht senden ?": the cover whose text is the
// mail's text, the sender's name and address, the recipient from the list
// of addresses and the subject. OK stores them in the current match;
// "&Standard" also makes the cover that of new matches at once.

#include <QDialog>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class TastaturFelder;

class TEmailSenden : public QDialog {
    Q_OBJECT
public:
    explicit TEmailSenden(QWidget* parent = nullptr);

    QComboBox* CDeckblatt;
    QLineEdit *EEmailName, *EEmailVon, *EEmailBetreff;
    QComboBox* CEmailAn;
    QPushButton *BtnStandard, *BtnDeckblatt, *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();
    void BtnStandardClick();
    void BtnOkClick();
    void BtnDeckblattClick();
    void listeFuellen(int k);
    // The entry of CDeckblatt whose text the list shows; -1 for a typed text that is none.
    int deckblattEintrag() const;

    TastaturFelder* m_tastatur;
};
