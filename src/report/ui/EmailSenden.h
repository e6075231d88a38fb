#pragma once
// The e-mail dialog "Spielbericht senden ?": the cover whose text is the
// mail's text, the sender's name and address, the recipient from the list
// of addresses and the subject. OK stores them in the current match;
// "&Standard" also makes the cover that of new matches at once.

#include "report/ui/Senden.h"

class QComboBox;
class QLineEdit;
class TastaturFelder;

class TEmailSenden : public TSendenDialog {
    Q_OBJECT
public:
    explicit TEmailSenden(QWidget* parent = nullptr);

    QLineEdit *EEmailName, *EEmailVon, *EEmailBetreff;
    QComboBox* CEmailAn;

private:
    void FormActivate() override;
    void BtnStandardClick() override;
    void BtnOkClick() override;
    // The entry of CDeckblatt whose text the list shows; -1 for a typed text that is none.
    int deckblattEintrag() const override;

    TastaturFelder* m_tastatur;
};
