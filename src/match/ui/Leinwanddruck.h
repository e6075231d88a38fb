#pragma once
// The canvas prints: print dialog, then the throw protocol or a side's
// statistics drawn on the chosen printer, in landscape.

#include "core/ui/Drucker.h"
#include "match/print/Wurfprotokoll.h"

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

void WurfprotokollDrucken(QWidget* eltern);
void MannschaftsstatistikDrucken(QWidget* eltern, bool heim);
void MannschaftsstatistikSeitenDrucken(QWidget* eltern, bool heim);

// A print of the current match written to a PDF file (A4 landscape) without
// the dialog. False when there is nothing to print or the file cannot be
// written; an existing file then stays as it was.
bool DruckAlsPdf(const QString& datei, Druckart art, bool heim);

// Draws a layout with an open painter on its paged device.
void LayoutZeichnen(QPainter& maler, QPagedPaintDevice& geraet, const DruckLayout& layout);

