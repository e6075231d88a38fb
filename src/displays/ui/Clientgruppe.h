#pragma once
// The configurations of the displays whose clients are programs on other
// PCs (the lane monitors, the info terminal), and their group of a client:
// the client's folder with its search button, the exchange by TCP/IP or in a
// file, and the address, which only TCP/IP uses.

#include "core/Settings.h"
#include "displays/ui/Werbedialog.h"

#include <QGroupBox>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The group's controls, under the names the dialogs give them.
struct Clientfelder {
    QLineEdit* EClientVerzeichnis = nullptr;
    QPushButton* BtnClientSuchen = nullptr;
    QRadioButton *RBTcp = nullptr, *RBDatei = nullptr;
    QLabel* LAdresse = nullptr;
    QLineEdit* EAdresse = nullptr;
};

// The group edits the client record it shows last.
class Clientgruppe : public QGroupBox, public Clientfelder {
    Q_OBJECT
public:
    struct Art {
        const char* Name;  // the group's objectName
        QString Titel;
        QString OrdnerTipp, AdresseTipp;
        int OrdnerLaenge = 0;  // the folder's most characters; 0: no limit
    };
    // 'wahl', when given, stands in the first row after its label 'wahlText':
    // the dialog's choice of the record shown.
    Clientgruppe(const Art& art, QWidget* eltern, const QString& wahlText = QString(), QWidget* wahl = nullptr);

    // Shows that record; the edits go into it from now on. TCP/IP wins when
    // the record has both kinds, as in the exports; with neither no button
    // is checked.
    void zeigen(TMonitorExport& satz);
    // The folder of that file becomes the client's; no file changes
    // nothing, a folder longer than the limit is refused with a message.
    void ordnerVon(const QString& datei);

private:
    void austauschGewaehlt();

    int m_ordnerLaenge;
    TMonitorExport* m_satz = nullptr;
};

// The client group on the control page, its controls the dialog's. After
// OK the question whether the advert files go along ("Konfiguration auf
// Monitore laden ?"); answered, the configuration goes to the clients,
// cancelled, nothing does.
class Clientdialog : public Werbedialog, public Clientfelder {
    Q_OBJECT
public:
    // Asks for a file in the client's folder (the file dialog); tests put their own in.
    std::function<QString()> dateiWaehlen;

    void BtnClientSuchenClick();

protected:
    Clientdialog(const Werbedialogart& art, QWidget* parent);

    Clientgruppe* clientgruppeAufbauen(const Clientgruppe::Art& art, QWidget* seite,
                                       const QString& wahlText = QString(), QWidget* wahl = nullptr);
    // The record in the group; the edits go into it.
    void clientZeigen(TMonitorExport& satz);

    // Sends the configuration, and the match's status, to the clients.
    virtual void konfigurationSenden(bool mitWerbedateien) = 0;
    void uebernommen() override;

private:
    Clientgruppe* m_gruppe = nullptr;
};
