#pragma once
// The advert configuration editor that each display kind's dialog holds on
// its advert page: the configuration list `CAnzeige`, the entries of the
// current configuration `TreeWerbung`, the picture choice tree
// `TreeAuswahl` and the editor of the selected entry. The files are those
// of displays/Werbung.h under the dialog's prefix ("Grossanz", ...).
//
// The dialog calls `aktivieren` each time it is shown, `speichern` on its
// confirmation and `schliessen` when it closes.
//
// The name boards' editor holds board texts instead of files: no choice
// tree, no file search and no preview; an entry is made and renamed in the
// input box, its caption is the text, and the lines are
// "<Text>;<Maske>;<Werbezeit>;<Werbeabstand>" (displays/Namenanzeige.h).

#include "core/Records.h"
#include "displays/Werbung.h"

#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <QWidget>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class Werbeeditor;

// A tree of the editor whose drops the editor carries out itself (copy
// from the choice tree, move within a tree, removal onto the choice tree).
class Werbebaum : public QTreeWidget {
    Q_OBJECT
public:
    Werbebaum(Werbeeditor& editor, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Werbeeditor& m_editor;
};

// What an entry of the editor names.
enum class Eintragsart { Datei, Text };

class Werbeeditor : public QWidget {
    Q_OBJECT
public:
    // `hilfedatei` is the help text of the help folder ("Hilfe_Grossanz.rtf").
    Werbeeditor(const QString& prefix, const QString& hilfedatei, QWidget* parent = nullptr);
    Werbeeditor(const QString& prefix, const QString& hilfedatei, Eintragsart art, QWidget* parent = nullptr);
    ~Werbeeditor() override;

    QComboBox* CAnzeige;
    QPushButton *BtnAnzeigeNeu, *BtnAnzeigeUmbenennen, *BtnAnzeigeLoeschen, *BtnAnzeigeHelp;
    Werbebaum* TreeWerbung;
    Werbebaum* TreeAuswahl;
    QPushButton *BtnSelect, *BtnAuswahlNeu, *BtnAuswahlUmbenennen, *BtnAuswahlLoeschen, *BtnDateiSuchen;
    QCheckBox *CBWettkbeginn, *CBProbe, *CBWettk, *CBBahnwechsel, *CBSpielerwechsel, *CBWettkende;
    // Text entries only: the running-text bit and the entry buttons.
    QCheckBox* CBLaufschrift;
    QPushButton *BtnEintragNeu, *BtnEintragUmbenennen;
    QLineEdit *EWerbezeit, *EWerbeabstand;
    QLabel *LWerbezeit, *LWerbeabstand;
    QMenu* PopupMenu;
    QAction *PopupNeu, *PopupUmbenennen, *PopupLoeschen;

    // The entry tree was changed since it was loaded or saved.
    u8 EintragGeaendert = 0;
    // A confirmation whose save question is not answered yes drops the
    // configurations made since the dialog was shown and not saved since.
    bool neueVerwerfen = false;

    const QString& prefix() const { return m_prefix; }
    Eintragsart eintragsart() const { return m_art; }
    // The current configuration number; -1 when there is none.
    int konfigurationNr() const { return m_konfig; }
    QStringList konfigurationen() const { return m_namen; }

    // The dialog is shown: configuration `nr` (0 when out of range) becomes
    // current and is loaded, the choice tree is loaded, no entry is in the
    // editor and the changed flag is clear.
    void aktivieren(int nr);
    // The dialog is confirmed: a changed entry tree is saved after the
    // question (else dropped, with the new configurations when
    // `neueVerwerfen` says so, and configuration 0 current), then the choice
    // tree. False when a file could not be written (the operator was told).
    bool speichern();
    // The dialog closes: both trees are emptied.
    void schliessen();

    // Loading and saving the current configuration and the choice tree.
    void WerbekonfigurationLaden();
    bool WerbekonfigurationSpeichern();
    void AuswahlLaden();
    bool AuswahlSpeichern();

    // The entry editor: shows an entry (null clears and disables it), and
    // stores the editor into the entry shown.
    void EintragAuswaehlen(QTreeWidgetItem* eintrag);
    void EditorUebernehmen();

    // The buttons and pop-up items.
    void BtnAnzeigeNeuClick();
    void BtnAnzeigeUmbenennenClick();
    void BtnAnzeigeLoeschenClick();
    void CAnzeigeClick(int index);
    void BtnSelectClick();
    void BtnAuswahlNeuClick();
    void BtnAuswahlUmbenennenClick();
    void BtnLoeschenClick();
    void BtnDateiSuchenClick();
    // Text entries: a new text in front of the selected entry (at the end
    // without one), and the selected entry's text, both in the input box.
    void BtnEintragNeuClick();
    void BtnEintragUmbenennenClick();

    // A node dragged from tree `von` and dropped onto tree `nach` over
    // `ziel` (null: empty space).
    void ablegen(QTreeWidget* von, QTreeWidgetItem* gezogen, QTreeWidget* nach, QTreeWidgetItem* ziel);

    // The record of a node; none for folders and missing files.
    static std::optional<TWerbeeintrag> eintragVon(const QTreeWidgetItem* knoten);
    static bool istOrdner(const QTreeWidgetItem* knoten);

    // Shows a file in the preview (VorschauAnzeigen) and asks for a picture
    // file (the file dialog); tests put their own in.
    std::function<void(const QString&)> vorschau;
    std::function<QString()> dateiWaehlen;

signals:
    // The configuration names changed: number `eingefuegt` is new, or
    // number `entfernt` went (the later ones moved down), or (both -1) one
    // was renamed.
    void konfigurationenGeaendert(int eingefuegt, int entfernt);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void aufbauen(const QString& hilfedatei);
    void namenZeigen();
    void geaendert();
    bool namenSchreiben();
    // The name is in the list (but for number `ausser`); case counts.
    bool vorhanden(const QString& name, int ausser) const;
    void namenTastatur();
    // After a configuration came or went: the new ones' numbers follow, the
    // signal goes out.
    void eingefuegt(int nr);
    void entfernt(int nr);
    bool neueEntfernen();
    void tastaturSchreiben(const QString& text);
    void eintragVerschieben(QTreeWidget* baum, QTreeWidgetItem* knoten, QTreeWidgetItem* vor);
    QTreeWidgetItem* eintragKopie(const QTreeWidgetItem* datei) const;
    void knotenBeschriften(QTreeWidgetItem* knoten);
    void doppelklick(QTreeWidgetItem* knoten);
    void popupZeigen(QTreeWidget* baum, const QPoint& pos);

    std::optional<QString> textEingeben(const QString& text);
    void textEintragLaden();
    bool textEintragSpeichern(QString* fehler);

    QString m_prefix;
    Eintragsart m_art = Eintragsart::Datei;
    QStringList m_namen;
    int m_konfig = -1;
    QList<int> m_neu;  // configurations made since activation, not saved since
    QTreeWidgetItem* m_bearbeitet = nullptr;  // the entry in the editor
    QTreeWidget* m_baum = nullptr;            // the tree focused last
};
