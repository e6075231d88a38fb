#pragma once
// The web-site dialog "Website konfigurieren": the FTP server of the site and
// when the live results are uploaded. With a match open it edits the match's
// own copy of these values, else the settings of "[Internet]". Its commands
// create the site, send an update and open the FTP browser.
//
// TFtpDialog is what it shares with the send dialog (report/ui/FtpSenden.h).

#include "match/dienste/Netzdienste.h"

#include <QDialog>
#include <QLabel>

class QAction;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class TastaturFelder;

// A label used as a command: the click sound on mouse-down, `geklickt` on a
// release over it. Disabled, it takes no clicks.
class Befehlslabel : public QLabel {
    Q_OBJECT
public:
    Befehlslabel(QWidget* eltern, const char* name, const QString& text);

signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The server's edits (touch codes 232..235, the keyboard stepping through
// 233..235), "FTP Server", "&Ok" and "&Abbrechen" with the click sound, and
// the colour: ColorHinweis at opening, "Hintergrund..." stores `farbe`.
class TFtpDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit *EFtpHost, *EFtpKennung, *EFtpPasswort, *EFtpPfad;
    Befehlslabel* BtnFtpServer;
    QPushButton *BtnOk, *BtnAbbrechen;
    QAction* PopupColorGround;

protected:
    TFtpDialog(QWidget* parent, const char* name, const QString& titel, const char16_t* farbe);

    // The edits with their captions, from row 0 on.
    QGridLayout* serverRaster();
    // The password is given in clear.
    void serverZeigen(const QString& host, const QString& kennung, const QString& passwort, const QString& pfad);
    // The server of the edits on the "FtpPort" of the settings.
    FtpVerbindung verbindung() const;
    // Host, user and password are given; else the operator is told so.
    bool zugangVollstaendig() const;
    void BtnFtpServerClick();
    // The end of a transfer: a failure that comes with a text is shown.
    static void Melden(bool ok, const QString& fehler);

    void showEvent(QShowEvent* event) override;
    virtual void FormShow() = 0;

    TastaturFelder* m_tastatur;
};

class TInternet : public TFtpDialog {
    Q_OBJECT
public:
    explicit TInternet(QWidget* parent = nullptr);
    ~TInternet() override;

    QLineEdit* EFtpUpdateInterv;
    QLabel* LMinuten;
    QCheckBox *CBFtpUpdate, *CBFtpUpdateZeit, *CBFtpUpdateDurchg, *CBFtpUpdateWechsel, *CBJavaUpdate;
    Befehlslabel *BtnHtmlSite, *BtnUpdate;

    // The interval edit's digits in minutes; empty is 0.
    i32 intervall() const;

private:
    void FormShow() override;
    // The interval and the three boxes follow "Homepage aktualisieren";
    // `abhaken` also unchecks the three boxes when it is off.
    void ftpUpdateSchalten(bool abhaken);
    void BtnHtmlSiteClick();
    void BtnUpdateClick();
    void BtnOkClick();
    // AktUpdateIntervall and AktJavaUpdate from the dialog.
    void uploadartSetzen();
};
