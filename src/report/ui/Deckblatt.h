#pragma once
// The cover-sheet window "Fax Deckblatt": the list of cover names, the
// rich-text editor of the cover shown, its formatting, printing, and the
// entries' insert, rename and delete (report/Deckblatt.h keeps the list and
// the files). It shows the current match's fax cover when it opens.

#include "core/Records.h"

#include <QDialog>
#include <QStringList>

class QAction;
class QComboBox;
class QPushButton;
class QTextEdit;
class QToolButton;

class TDeckblatt : public QDialog {
    Q_OBJECT
public:
    explicit TDeckblatt(QWidget* parent = nullptr);
    ~TDeckblatt() override;

    QComboBox* CTexte;
    QPushButton *BtnGruppeNeu, *BtnGruppeUmbenennen, *BtnGruppeLoeschen;
    QComboBox *CFont, *CGroesse;
    QToolButton *SBtnFett, *SBtnKursiv, *SBtnSchriftfarbe, *SBtnLeft, *SBtnRight;
    QTextEdit* REFormular;
    QPushButton *BtnSpeichern, *BtnDrucken, *BtnZurueck;
    QAction* PopupColorGround;

    // Selects cover n and shows its text (the editor is hidden for 0).
    void deckblattZeigen(int n);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void listeFuellen();
    void BtnTextNeuClick();
    void BtnTextUmbenennenClick();
    // The name in CTexte for the entry shown.
    void nameUebernehmen();
    void BtnTextLoeschenClick();
    void BtnSpeichernClick();
    void BtnDruckenClick();
    void editorZeigen(bool zeigen);
    // In touch mode the keyboard edits the name (180) or the text line by line (500).
    bool nameTippen();
    void zeilenTippen();

    QStringList m_zeilen;  // the text's lines while the keyboard edits them
    bool m_gezeigt = false;
};
