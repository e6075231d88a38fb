#pragma once
// The page "Vorwahl " of the options dialog: what a new match takes by
// default. The section, the report layout (with the list of report-engine
// layouts), the groups and classes offered in the match window, and the
// throw presets with their throws, minutes, set mode, extra practice and
// lane entries.
//
// The presets and the layout list are edited in place in WurfvorwListe,
// FormularNamen and FormularDateien; the dialog's OK saves them. A preset's
// fields reach its line when it is stored ("Wurfvorwahl ändern", "Neu", or
// "Ja" to "Änderungen übernehmen ?", asked when a changed preset is left).

#include "shell/Vorwahl.h"
#include "shell/ui/Optionen.h"

class Listeneditor;
class QComboBox;
class QLineEdit;
class QPushButton;

class TVorwahlSeite final : public Optionenseite {
    Q_OBJECT
public:
    explicit TVorwahlSeite(TOptionen& dialog);

    void laden() override;
    void speichern() override;
    std::vector<Optionsschluessel> schluessel() const override;
    void gezeigt() override;

    QComboBox* CSektion;
    QComboBox* CFormular;
    QPushButton *BtnFormularSuchen, *BtnFormularNeu, *BtnFormularUmbenennen, *BtnFormularLoeschen;
    QComboBox* CGruppe;
    QPushButton *BtnGruppeNeu, *BtnGruppeUmbenennen, *BtnGruppeLoeschen;
    QComboBox* CKlasse;
    QPushButton *BtnKlasseNeu, *BtnKlasseUmbenennen, *BtnKlasseLoeschen;
    QComboBox* CWurfvorw;
    QPushButton *BtnWurfvorwNeu, *BtnWurfvorwUmbenennen, *BtnWurfvowLoeschen;
    QLineEdit *EVorwVolle, *EVorwAbr, *EVorwZeit;
    QComboBox* CVorwSaetze;
    QLineEdit *EProbeZeit, *EProbeWurf;
    QComboBox* CVorwBahnen;
    QPushButton *BtnBahnenNeu, *BtnBahnenUmbenennen, *BtnBahnenLoeschen;
    QPushButton* BtnStartfolge;
    QPushButton* BtnWurfvorwHelp;

    Listeneditor* gruppen() const { return m_gruppen; }
    Listeneditor* klassen() const { return m_klassen; }
    Listeneditor* bahnen() const { return m_bahnen; }

    // The preset-changed flag: a number typed, the set mode changed, a lane
    // entry button pressed since the preset was loaded or stored.
    bool vorwahlGeaendert() const { return m_geaendert; }
    int gemerkteVorwahl() const { return m_vorwahl; }
    int gemerktesFormular() const { return m_formular; }
    // The lane count a lane entry is checked against: the one shown on the
    // lanes page, the setting while that page shows none.
    int bahnAnzahl() const;

    void CSektionChange();
    void CFormularClick();
    void BtnFormularSuchenClick();
    void BtnFormularNeuClick();
    void BtnFormularUmbenennenClick();
    void BtnFormularLoeschenClick();
    void CWurfvorwClick();
    void BtnWurfvorwNeuClick();
    void BtnWurfvorwUmbenennenClick();
    void BtnWurfvorwLoeschenClick();
    void CVorwSaetzeChange();
    void BtnStartfolgeClick();
    void BtnWurfvorwHelpClick();

private:
    // The fields shown, capped (the capped values go back into the edits).
    Wurfvorwahlfelder felder(const QString& name);
    // Stores the fields as line `index` under `name`; with the own start
    // order edited for this preset, its plan is stored as well.
    void vorwahlSpeichern(int index, const QString& name);
    // "Änderungen übernehmen ?" while the flag is set; "Ja" stores into the
    // remembered preset under its own name.
    void aenderungenFragen();
    void vorwahlLaden();
    void vorwahlAnzeigen(int index);
    void vorwahlNeuKnopf();
    void formularNeuKnopf();
    bool tastatur(u16 code);

    Listeneditor* m_gruppen;
    Listeneditor* m_klassen;
    Listeneditor* m_bahnen;
    int m_formular = -1;
    int m_vorwahl = -1;
    bool m_geaendert = false;
    // The preset whose own start order was confirmed in its editor while
    // the page is open; -1 none.
    int m_startfolgeVorwahl = -1;
};
