#pragma once
// The result board on the second monitor (TAnzeigeGross, TAnzeigeKlein):
// one class for both designs. It shows the match on the board
// (AnzeigeWettkampf): the team names, a row per player, the totals bar; the
// advert rotation shows pictures and videos over it, the configuration
// dialog a formatted text. What shows where comes from displays/Grossanzeige.h.

#include "core/CheckedArray.h"
#include "core/ui/Fensterhub.h"
#include "displays/Grossanzeige.h"
#include "displays/Grossanzsteuerung.h"
#include "displays/Werberotation.h"

#include <QWidget>

class Bildlader;
class QFrame;
class QGroupBox;
class QLabel;
class QMediaPlayer;
class QTextDocument;
class QTextEdit;
class QVideoWidget;

class TAnzeigefenster : public QWidget, public HubFenster, public Werbeflaeche, public Texteinblendung {
    Q_OBJECT
public:
    explicit TAnzeigefenster(Anzeigefenster form, QWidget* parent = nullptr);
    ~TAnzeigefenster() override;

    Tafelform form() const { return m_form; }

    void aktualisieren() override { ErgebnistafelAufbauen(); }
    void spielerAktualisieren(int spielerNr) override { ErgebnistafelSpielerAktualisieren(spielerNr); }

    void ErgebnistafelAufbauen();
    // Row n (1..16) and the totals bar; other numbers only the totals.
    void ErgebnistafelSpielerAktualisieren(int n);
    // A picture or a video in the advert panel; nothing for a missing file.
    // A picture is read off the UI thread and comes up when it is ready.
    void WerbedateiAnzeigen(const QString& datei);

    // Werbeflaeche
    void ergebnisseZeigen() override;
    void werbungZeigen(const QString& datei) override;
    bool videoLaeuft() const override { return m_videoLaeuft; }

    // Texteinblendung: a copy of the document in REFormular over the groups
    // (wide) or the whole board (narrow).
    void textZeigen(const QTextDocument& text) override;
    void textVerbergen() override;

    // A player's row in both layouts (home rows 1..8, guest 9..16).
    struct Zeile {
        QLabel *Name = nullptr, *Volle = nullptr, *Abr = nullptr, *Fehler = nullptr, *Total = nullptr;
        QLabel* SName = nullptr;
        Array1<QLabel*, 4> SSatz{};
        QLabel* STotal = nullptr;
        QLabel* SPunkte = nullptr;   // rows 1..6
        QLabel* SErsetzt = nullptr;  // rows 7 and 8: LS<Seite>Ersetzt<k>
    };
    Array1<Zeile, MaxSpieler> Zeilen;

    QWidget* PErgebnis;
    QLabel *LHeim, *LGast;
    QLabel *ImageHeim = nullptr, *ImageGast = nullptr;  // wide only
    QGroupBox *GHeim, *GGast, *GSHeim, *GSGast;
    QFrame *PHeim, *PGast, *PSHeim, *PSGast;
    QLabel *LHeimErsatz, *LGastErsatz, *LSHeimErsatz, *LSGastErsatz;
    QFrame* PErgebnisse;
    QLabel *LHeimWurf, *LHeimTotal, *LHeimPlus, *LHeimPunkte, *LGastPunkte, *LGastPlus, *LGastTotal, *LGastWurf;
    QLabel* LHeaderPunkte;
    QFrame* PWerbung;
    QLabel* Image;
    Bildlader* Lader;  // reads the pictures
    QVideoWidget* Video = nullptr;         // with the first video
    QMediaPlayer* MediaPlayer = nullptr;
    QFrame* PText;
    QTextEdit* REFormular;

    // The geometry of a design.
    struct Masse;

signals:
    // The video has ended, played to its end or failed.
    void videoBeendet();
    // A picture advert has come up (empty when its file could not be read).
    void bildGezeigt();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void bauen(const Masse& m);
    void kopfBauen(const Masse& m);
    void normalBauen(const Masse& m, bool heim);
    void satzBauen(const Masse& m, bool heim);
    void summeBauen(const Masse& m);
    void werbungBauen();
    void playerBauen();
    void farbenSetzen();
    void zeileAnzeigen(int n, const GrossanzZeile& z);
    void summeAnzeigen(const ErgebnisSumme& s);
    void videoEnde();
    void werbeflaecheZeigen();
    void bildAngekommen(const QImage& bild);

    Tafelform m_form;
    Tafelfarben m_farben;
    QWidget* m_tafel = nullptr;  // the design's client area, centred
    QLabel* m_punkteTrenner = nullptr;
    QString m_bildDatei;  // the picture advert up or coming
    bool m_videoLaeuft = false;
};
