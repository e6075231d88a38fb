#pragma once
// The colour chooser "Farbeinstellung". Short form: one colour, picked in the
// colour plane or typed as red, green and blue. Long form (Vorschaumodus
// 1..4): a colour family of a result board, edited on a preview; OK stores
// the family into the colour settings.

#include "core/Farbwahl.h"

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QStringView>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;

// What a colour dragged from SFarbeNeu carries: the value as decimal text.
inline constexpr char FarbMimeTyp[] = "application/x-corvalink-farbe";

class TFarbe : public QDialog {
    Q_OBJECT
public:
    explicit TFarbe(QWidget* parent = nullptr);

    // With the preview the main panel is 465 pixels high, without 235.
    void VorschauZeigen(bool zeigen);
    // 0 none, 1 match window, 2 board T, 3 monitor client MT, 4 info terminal IT.
    int Vorschaumodus = 0;

    void farbeAltSetzen(quint32 wert);
    // The colour of SFarbeNeu; the caller's result after OK.
    quint32 gewaehlteFarbe() const;

    QFrame *SFarbeAlt, *SFarbeNeu;
    QLineEdit *ERot, *EGruen, *EBlau;
    QSlider *TBRot, *TBGruen, *TBBlau, *TBHell;
    QPushButton *BtnFixBlau, *BtnFixGruen, *BtnFixRot;
    QLabel* Image;
    QWidget* Point;
    QFrame *PSpiel, *PHeim, *PGast, *PErgebnisse, *PHinweis;
    QPushButton *BtnUebernahme, *BtnAbbruch, *BtnStandard;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void vorschauBauen();
    void komponenteGeaendert(int komponente);
    void hellGeaendert(int wert);
    void festSetzen(int komponente);
    void ebeneZeichnen();
    void markeSetzen(QPoint pos);
    void uebernehmen();
    void standardSetzen();

    QLineEdit* edit(int komponente) const;
    QSlider* regler(int komponente) const;
    QPushButton* fixKnopf(int komponente) const;
    // Shows the value on a swatch, a preview panel (background) or label (font).
    void elementFaerben(QWidget* element, quint32 wert);
    static void flaecheFaerben(QWidget* flaeche, quint32 wert);

    Rgb m_farbe{255, 255, 255};
    int m_hell = 255;
    int m_fest = KompBlau;
    bool m_ziehen = false;
    bool m_hellFokus = false;
    quint32 m_alt = 0;
    quint32 m_neu = 0xFFFFFF;
    QImage m_ebene;
    QHash<QWidget*, quint32> m_elementFarben;  // preview elements
    QHash<QWidget*, const Vorschauelement*> m_elemente;
    QHash<QWidget*, QWidget*> m_spiegel;  // label -> its copy on the guests' side
};

// Whether the short form shows the preview part (tied to no colour family,
// without "&Standard").
enum class Farbvorschau { Aus, An };

// Picks one colour, starting from 'alt': the colour on OK, nullopt on cancel.
std::optional<quint32> FarbeWaehlen(QWidget* parent, quint32 alt, Farbvorschau vorschau = Farbvorschau::Aus);

// The "Hintergrund..." command of a window: picks the colour of the setting
// ("ColorKeyb"); on OK stores it, writes it to "[Ansicht]", saves the
// settings file and repaints the window. True on OK.
bool HintergrundfarbeWaehlen(QWidget* fenster, QStringView einstellung, Farbvorschau vorschau = Farbvorschau::Aus);
// The window's "Hintergrund..." command (PopupColorGround) for that setting,
// added to the menu, or to the window's own actions without one.
QAction* HintergrundAktion(QWidget* fenster, QStringView einstellung, QMenu* menue = nullptr,
                           Farbvorschau vorschau = Farbvorschau::Aus);
