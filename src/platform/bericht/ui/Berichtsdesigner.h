#pragma once
// The designer of a report project: the project's text with its faults at
// line and column, the names of the variables and fields (a double click
// inserts one), and a preview with the sample values.

#include "platform/bericht/Berichtsmaschine.h"

#include <QDialog>

class TBerichtsdesigner : public QDialog {
    Q_OBJECT
public:
    explicit TBerichtsdesigner(QWidget* eltern = nullptr);
};
