#include "report/ui/Berichtausgabe.h"

// Placeholders until the output is built.
void SpielberichtDrucken(QWidget*, int) {}
void SpielberichtFaxen(QWidget*, int) {}
void SpielberichtMailen(QWidget*, int) {}
void BerichtStatusZiel(std::function<void(const QString&)>) {}
void BerichtStatus(const QString&) {}
