#pragma once
// The fax dialog "Spielbericht senden ?": which cover sheet goes with the
// report. OK stores the choice in the current match; "&Standard" also makes
// it the cover of new matches at once.

#include "report/ui/Senden.h"

class TFaxSenden : public TSendenDialog {
    Q_OBJECT
public:
    explicit TFaxSenden(QWidget* parent = nullptr);

private:
    void FormActivate() override;
    void BtnStandardClick() override;
    void BtnOkClick() override;
};
