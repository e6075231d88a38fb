#pragma once
// The designer of a report project: the project's text with its faults at
// line and column, the names of the variables and fields (a double click
// inserts one), and a preview with the sample values.

#include "platform/bericht/Berichtsmaschine.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class TBerichtsvorschau;

class TBerichtsdesigner : public QDialog {
    Q_OBJECT
public:
    // `typ` ProjekttypListe edits a list, any other a card. A missing project
    // file starts from the default project of the type.
    TBerichtsdesigner(QWidget* eltern, const QString& titel, int typ, const QString& projektdatei,
                      const Berichtswerte& variablen, const Berichtswerte& felder);

    // 0 after a save, -99 otherwise.
    int ergebnis() const { return m_ergebnis; }

    // Page 1 of the text with the sample values into the preview (otherwise
    // 500 ms after the last edit).
    void vorschauAktualisieren();

public slots:
    void reject() override;  // asks first when the text was changed

private:
    void laden();
    void pruefen();
    void speichern();
    void nameEinfuegen(QListWidgetItem* eintrag);

    QString m_datei;
    bool m_liste;
    Berichtswerte m_variablen;
    Berichtswerte m_felder;
    int m_ergebnis = BerichtAbgebrochen;
    QString m_ladehinweis;  // what was wrong with the file, until the first edit

    QPlainTextEdit* m_text;
    QLabel* m_fehler;
    QListWidget* m_namen;
    TBerichtsvorschau* m_vorschau;
    QPushButton* m_speichern;
    QPushButton* m_verwerfen;
    QTimer m_warten;
};
