#pragma once
// The start-up window, later the about window: product, version, platform,
// the CAN adapter and chip-card status, the maker's lines and the start
// progress. Shown at once when it is created; it closes itself when the
// progress stands at 100. Below 1024 pixels of screen width it warns, and
// closing it ends the program.

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class TProgende;
class Zeitgeber;

// The maker's web address behind LInternet.
inline const QString HerstellerAdresse = QStringLiteral("https://www.brenwick-lanorik.example/");

class TInfo : public QDialog {
    Q_OBJECT
public:
    // bildschirmbreite < 0: the width of the screen the window is on.
    explicit TInfo(QWidget* parent = nullptr, int bildschirmbreite = -1);

    QWidget* Panel;
    QWidget* Panel1;
    QLabel* LProductName;
    QLabel* LVersionName;
    QLabel* LVersion;
    QLabel* LWindows;
    QLabel* LCanStatus;
    QLabel* LKarteStatus;
    QLabel* LHinweis;
    QLabel* Image1;
    QLabel* LInternet;
    QLabel* LLaden;
    QProgressBar* ProgressBar;
    Zeitgeber* TimerHide;
    // The end dialog whose end sequence runs when the window closes on a
    // narrow screen.
    QPointer<TProgende> Progende;

    void NextStep(int position);
    void TimerHideGo();
    bool schmal() const { return m_breite < 1024; }

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int m_breite;
};
