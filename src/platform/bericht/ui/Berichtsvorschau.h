#pragma once
// The page viewer of a report: the pages of a preview file or of a print
// session, one at a time, fitted to the viewer's width, with paging.

#include "platform/bericht/Berichtsseite.h"

#include <QWidget>

class TBerichtsvorschau : public QWidget {
    Q_OBJECT
public:
    explicit TBerichtsvorschau(QWidget* eltern = nullptr);
};
