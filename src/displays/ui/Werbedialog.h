#pragma once
// The tabbed configuration of a display with adverts (the result board, the
// name boards, the lane monitors, the info terminal): the page control with
// the control page " Steuerung ", the advert editor " Werbung" and, where
// the display has one, a formatted text " Text"; the OK row; the advert
// choice of the current match or of new matches with the default times; the
// touch keyboard's field range of each page and the background pop-up.
//
// A dialog builds its control page around the advert choice, then calls
// seitenEinsetzen. On each opening the advert choice comes from the match
// (or the settings) and the dialog fills its own controls. Its OK saves the
// editor and takes the dialog into the match, or without one into the
// settings, whose keys the dialog writes.

#include "core/Records.h"
#include "displays/ui/Anzeigedialog.h"
#include "displays/ui/Werbeeditor.h"

#include <QDialog>
#include <QStringView>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QToolButton;
class QVBoxLayout;

// What tells the dialogs apart when they are built.
struct Werbedialogart {
    const char* Name;  // the dialog's objectName
    QString Titel;
    QStringView Farbe;      // the background's colour key
    QString Prefix, Hilfe;  // the advert files' prefix, the editor's help file
    QString HilfeTipp = {};  // the help button's hint, where it has one
    // The touch keyboard's field range of each page.
    u16 FeldSteuerung, FeldWerbung, FeldText = 0;
    Eintragsart Eintraege = Eintragsart::Datei;
    // A confirmation that does not save the changed configuration drops the
    // configurations made since the dialog was shown and not saved.
    bool NeueVerwerfen = false;
    Anzeigedialog::Klick Klick = Anzeigedialog::Klick::ZumEnde;  // what a click into a number edit does
};

// The settings of the advert choice for new matches.
struct Werbeeinstellungen {
    std::int32_t& Index;
    bool& Werbung;
    std::uint16_t& Werbezeit;
    std::uint16_t& Werbeabstand;
};

class Werbedialog : public QDialog {
    Q_OBJECT
public:
    // Shows the page of that objectName ("TabSteuerung", "TabWerbung", "TabText").
    void seiteZeigen(const QString& name);

    QTabWidget* PageControl;
    QWidget* TabSteuerung = nullptr;
    QWidget* TabWerbung;
    QWidget* TabText = nullptr;  // null without a text page

    QComboBox* CKonfiguration = nullptr;
    QCheckBox* CBWerbungOn = nullptr;
    QLineEdit *EWerbezeitDef = nullptr, *EWerbeabstDef = nullptr;

    Werbeeditor* Editor;

    // The text page's controls; null without one.
    QComboBox *CBFont = nullptr, *CBGroesse = nullptr;
    QToolButton *SBtnFett = nullptr, *SBtnKursiv = nullptr, *SBtnSchriftfarbe = nullptr, *SBtnLeft = nullptr,
                *SBtnRight = nullptr;
    QTextEdit* REFormular = nullptr;

    QPushButton *BtnOK = nullptr, *BtnAbbruch = nullptr;

    void BtnOKClick();

protected:
    Werbedialog(const Werbedialogart& art, QWidget* parent);

    // The advert choice in a group of that title on the control page; a
    // dialog of texts speaks of texts.
    QGroupBox* werbeauswahlAufbauen(QWidget* seite, const QString& titel, const char* name);
    // The text page: the format bar above the formatted text. The dialog
    // adds its row below them to the column returned.
    QVBoxLayout* textseiteAufbauen();
    // The pages into the page control, the OK row below it; the control page
    // (and the text page) are built.
    void seitenEinsetzen();

    // The match's advert state and the settings of new matches.
    virtual TWerbeZustand& werbezustand(TWettkampfDaten& w) const = 0;
    virtual Werbeeinstellungen werbeeinstellungen() const = 0;
    // On each opening, after the advert choice: the dialog's own controls
    // from the match (null without one) or the settings.
    virtual void eigeneZeigen(const TWettkampfDaten* w) = 0;

    // On OK, after the editor is saved: what holds with and without a match.
    virtual void steuerungUebernehmen() {}
    // With a match: the dialog into it; the settings file stays as it is.
    virtual void spielUebernehmen(TWettkampfDaten& w);
    // Without one, after the advert choice went into the settings: the
    // dialog's own settings; then its keys are written and the file saved.
    virtual void einstellungenUebernehmen() {}
    virtual void schluesselSchreiben() const = 0;
    // After either, before the dialog closes.
    virtual void uebernommen() {}

    // A chosen configuration and the advert box into the match's advert
    // state, the match marked changed when they differ; false without a choice.
    bool auswahlUebernehmen(TWettkampfDaten& w);

    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private:
    void aktivieren();
    void konfigurationenZeigen(int gewaehlt);
    void konfigurationenFolgen(int eingefuegt, int entfernt);
    void feldbereichSetzen();

    const Werbedialogart m_art;
};
