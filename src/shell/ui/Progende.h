#pragma once
// The end dialog: "Programm wirklich beenden ?". "Ja" closes every match,
// signs lanes and boards off and waits in 200 ms steps until the send queues
// and the network module are idle; then the application ends, and the
// machine is powered off when the shut-down command chose it.

#include "platform/AbfShutdown.h"
#include "shell/Programmende.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class Zeitgeber;

class TProgende : public QDialog {
    Q_OBJECT
public:
    explicit TProgende(QWidget* parent = nullptr, Abschaltung* abschaltung = nullptr);

    QLabel* LHinweis;
    QPushButton* BtnJa;
    QPushButton* BtnNein;
    Zeitgeber* TimerEnde;
    TabfShutdown abfShutdown;
    // Tells the application to terminate with exitcode() (tests record it
    // instead). No window is asked to close: the main window would refuse.
    std::function<void()> Beenden;
    // From "Ja" with every match closed until the program terminates.
    bool endeLaeuft() const { return m_laeuft; }

    void BtnJaClick();
    // The end sequence; also run by the start-up window on a narrow screen.
    // The program ends with that exit code.
    void ProgrammBeenden(int exitcode = 0);
    int exitcode() const { return m_exitcode; }
    void TimerEndeGo();

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    // Every way of closing without ending (Nein, Esc, the close button) clears
    // the shut-down choice; hiding the dialog for the end keeps it.
    void done(int ergebnis) override;

private:
    EndeWarten m_warten;
    bool m_laeuft = false;
    bool m_beendet = false;
    int m_exitcode = 0;
};
