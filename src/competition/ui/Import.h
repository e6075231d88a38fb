#pragma once
// "Importieren": reads a delimited text file into a preview grid. The hub's
// three openers run the dialog and, on OK, one of the importers below: the
// line-up of a new match, one side of the current match, or the player
// database (the only one that shows the column meanings and the row range).

#include "competition/Import.h"

#include <QDialog>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;

class TImportieren : public QDialog {
    Q_OBJECT
public:
    // `optionen`: the panel with the meanings, the row range and the add box
    // (the database import; else the line-up of a new match).
    explicit TImportieren(QWidget* parent = nullptr, bool optionen = true);
    // For the rows' target; only the database import shows the panel.
    TImportieren(QWidget* parent, Importziel ziel);
    ~TImportieren() override;

    QLineEdit* EDatei;
    QToolButton* BtnDatei;
    QComboBox* CTrennzeichen;
    QTableView* XGridImport;
    QMenu* PopupGrid;
    QAction* PopupLoeschen;
    QAction* PopupEinfuegen;
    QWidget* POptionen;
    QComboBox* CSpalte;
    QLineEdit* EVon;
    QLineEdit* EBis;
    QCheckBox* CBHinzufuegen;
    QPushButton* BtnOk;
    QPushButton* BtnAbbrechen;
    QFileDialog* OpenDialog;
    QMenu* PopupColor;
    QAction* PopupColorGround;

    // What the importers take: the preview as edited, the rows of "ab Zeile"
    // .. "bis", and whether a file is loaded (OK is offered only then).
    const Importtabelle& tabelle() const { return m_tabelle; }
    Zeilenbereich zeilenbereich() const;
    bool geladen() const { return m_geladen; }
    // The column whose meaning CSpalte shows; -1 none.
    int gewaehlteSpalte() const { return m_spalte; }

    void BtnDateiClick();
    // Enter in EDatei: the file typed there, loaded as BtnDatei loads the one
    // picked (a relative path from the program folder).
    void EDateiEnter();
    // Loads the file with the separator chosen; a file that cannot be read
    // is named in a notice and the preview stays as it was.
    bool dateiLaden(const QString& pfad);
    void PopupLoeschenClick();
    void PopupEinfuegenClick();
    // A heading cell (zeile -1) remembers its column; any other cell forgets it.
    void XGridImportSelecting(int spalte, int zeile);
    void CSpalteChange(int index);

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    class Modell;

    // Trennzeichen from CTrennzeichen.
    void trennzeichenSetzen();
    void ImportdateiLaden();
    void zeilenzahlZeigen();

    std::vector<QByteArray> m_zeilen;  // the file's lines
    Importurtexte m_urtexte;          // those that lost characters, as the file holds them
    Importtabelle m_tabelle;
    Modell* m_modell;
    int m_spalte = -1;
    bool m_geladen = false;
    Importziel m_ziel;
    bool m_optionen;
};

// The openers' work on OK.
void SpielaufstellungImportieren(const TImportieren& d);
// Refreshes the match window afterwards; names the players left unchanged
// because they have started.
void MannschaftImportieren(const TImportieren& d, bool heim);
void SpielerdatenbankImportieren(const TImportieren& d);
