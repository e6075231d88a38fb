#include "report/ui/Spielbericht.h"

TSpielbericht::TSpielbericht(QWidget* parent) : QWidget(parent) {}
