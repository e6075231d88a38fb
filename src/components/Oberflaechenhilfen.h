#pragma once
// The library's helpers that need the desktop: the state of the modifier
// keys, text drawn over an offset copy of itself, window opacity, the
// desktop's stock icons, showing, hiding, finding and restoring the
// application's windows, and the message box of a thread's exception.

#include "components/Dateikomponenten.h"
#include "components/Hilfen.h"

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QString>

class QPainter;
class QWidget;

// The modifier keys held now (abfShift, abfAlt, abfCtrl).
unsigned AbfUmschaltStatus();

// Draws the text at pos (its baseline's start, as QPainter::drawText) in the
// painter's font: first a copy in kopieFarbe moved by versatz, then the text
// in textFarbe over it.
void AbfTextMitVersatz(QPainter& maler, QPoint pos, const QString& text, const QColor& textFarbe,
                       const QColor& kopieFarbe, QPoint versatz = QPoint(1, 1));

// The window's opacity, 0 (invisible) .. 255 (opaque). False for no window or
// a value out of range; a desktop without compositing shows it opaque.
bool AbfFensterDeckkraft(QWidget* fenster, int alpha);

// The desktop's stock icon for an index of the classic shell icon set
// (0 unknown file, 1 document, 2 program, 3 folder, 4 open folder, 6 floppy,
// 7 removable drive, 8 hard disk, 9 network drive, 11 optical drive,
// 15 computer, 16 printer, 23 help, 31 empty trash, 32 full trash); the
// icon theme's, else the style's. A null icon for another index.
QIcon AbfShellIcon(int index);

// The icon of a registered file type at a size: IconFile as a picture file
// (IconIndex picks the image of a file with several), else as a name of the
// icon theme. Null when there is none.
QPixmap AbfDateitypIcon(const TabfFileAssociation& typ, int groesse);
inline QPixmap AbfLargeIcon(const TabfFileAssociation& typ) { return AbfDateitypIcon(typ, 32); }
inline QPixmap AbfSmallIcon(const TabfFileAssociation& typ) { return AbfDateitypIcon(typ, 16); }

// The application's visible top-level window with this title; null when none.
QWidget* AbfFensterFinden(const QString& titel);
// Shows a window, restores it when minimised and brings it to the front.
void AbfFensterWiederherstellen(QWidget* fenster);

// Hides every visible top-level window of the application and shows the
// same windows again.
class AbfAnwendungsfenster {
public:
    // The number of windows hidden.
    qsizetype Verbergen();
    // Shows the windows hidden before that still exist; the number shown.
    qsizetype Zeigen();
    bool Verborgen() const { return !m_verborgen.isEmpty(); }

private:
    QList<QPointer<QWidget>> m_verborgen;
};

// The message of an exception in a thread component without OnException: a
// modal message box with that caption and text, shown on the UI thread from
// whatever thread it is called (it does not wait for the box to close).
void AbfThreadMeldungsbox(const QString& titel, const QString& text);
// Makes AbfThreadMeldungsbox the message of thread exceptions
// (setTabfThreadMeldung); the program start calls it.
void AbfThreadMeldungenAnzeigen();
