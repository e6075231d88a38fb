#pragma once
// The service page "Service": the CAN traffic log switched on and off with
// its lane and message filters, a mark in it, emptying it, mailing it with a
// covering text to an address of the recipient list, and the update check
// on the maker's server. The logic is in shell/Service.h.

#include "core/CheckedArray.h"

#include <QDialog>
#include <functional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TService : public QDialog {
    Q_OBJECT
public:
    // `programmBeenden` ends the program for an update (the end dialog's
    // sequence); empty: the update is offered but the program stays.
    explicit TService(QWidget* eltern = nullptr, std::function<void()> programmBeenden = {});

    QGroupBox* GBProtokoll;
    QCheckBox* CBAufzeichnen;
    Array1<QCheckBox*, 16> CBBahn;
    QCheckBox *CBKommend, *CBGehend, *CBWuerfe, *CBBahnsteuerung, *CBMannschaftsanzeige, *CBNamenanzeige;
    QPushButton *BtnMarke, *BtnLoeschen, *BtnMail, *BtnSenden;
    QComboBox* CEmailAn;
    QPlainTextEdit* MEmail;
    QGroupBox* GBUpdate;
    QLabel *LUpdate, *LServiceseite;
    QGroupBox* GBRemotebetrieb;
    QPushButton *BtnOk, *BtnAbbrechen;

    // Every opening: the recipient list, the memo hidden, the boxes from the settings.
    void FormActivate();
    void BtnMarkeClick();
    void BtnLoeschenClick();
    void BtnMailClick();
    void MEmailDblClick();
    void BtnSendenClick();
    void BtnOkClick();
    void LUpdateClick();
    void LServiceseiteClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Each check box with the setting it shows.
    std::vector<std::pair<QCheckBox*, bool*>> schalter() const;
    // The log buttons wait while the log is away for its mail.
    void protokollKnoepfe();

    std::function<void()> m_programmBeenden;
};
