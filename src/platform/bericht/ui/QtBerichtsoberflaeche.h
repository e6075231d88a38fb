#pragma once
// The report engine's windows: progress box, print dialog and printer,
// preview window, designer, file dialog.

#include "platform/bericht/Berichtsoberflaeche.h"

#include <QPointer>

class QProgressDialog;

class QtBerichtsoberflaeche : public Berichtsoberflaeche {
public:
    ~QtBerichtsoberflaeche() override;

    void fortschrittOeffnen(QWidget* eltern, const QString& titel) override;
    bool fortschritt(const QString& text, int prozent) override;
    void fortschrittSchliessen() override;
    void hinweis(QWidget* eltern, const QString& titel, const QString& text) override;

    // The program's printer and its print dialog; the copies go in and out
    // through the printer's copy count. Each asks first whether the print
    // server answers: a silent one is an error, and no printer.
    int druckoptionen(QWidget* eltern, const QString& titel, int& kopien, QString* fehler) override;
    QString druckername() override;
    // The copies are printed here, one after the other: the printer is told 1.
    int drucken(const QList<Berichtsseite>& seiten, const QString& titel, int kopien, QString* fehler) override;

    int vorschauZeigen(QWidget* eltern, const QString& titel, const QList<Berichtsseite>& seiten) override;
    int entwerfen(QWidget* eltern, const QString& titel, int typ, const QString& projekt,
                  const Berichtswerte& variablen, const Berichtswerte& felder) override;
    int dateiWaehlen(QWidget* eltern, const QString& titel, int typ, QString& datei) override;

private:
    QPointer<QProgressDialog> m_fortschritt;
    bool m_abgebrochen = false;
};

// Installs them for the report engine (the program's start calls it).
void BerichtsoberflaecheEinrichten();
