#pragma once
// The send dialog "Spielbericht zur Website senden ?": the current match's
// FTP server, to confirm or correct. OK makes the edits the match's server,
// uploads the site files first when the match publishes with JavaScript,
// then the match's live results.

#include "report/ui/Internet.h"

class TFtpSenden : public TFtpDialog {
    Q_OBJECT
public:
    explicit TFtpSenden(QWidget* parent = nullptr);
    ~TFtpSenden() override;

private:
    void FormShow() override;
    void BtnOkClick();
};
