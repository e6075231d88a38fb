#pragma once
// The zoom and drag arithmetic of the report window's preview. The picture
// starts 600 wide and as high as the layout's preview height, doubles
// towards the layout's full size and halves back; a drag scrolls the view,
// a click zooms around the clicked point.

#include "report/formulare/Formular.h"

#include <QPoint>
#include <QSize>

constexpr int AnsichtBreite = 600;  // the picture's width at the smallest zoom

struct Ansichtszoom {
    QSize bild;             // the picture's size on screen
    bool kleiner = false;   // zoom-out possible (BtnKlein)
    bool groesser = false;  // zoom-in possible (BtnGross)
    bool operator==(const Ansichtszoom&) const = default;
};

// 600 x the preview height; only zoom-in possible.
Ansichtszoom AnsichtStart(const Formularmasse& m);
// One step in: the full size once the picture is at least half as wide as
// the layout (no further step then), else twice the width and height.
Ansichtszoom AnsichtGroesser(const Ansichtszoom& z, const Formularmasse& m);
// One step out: half the width and height while wider than 600; at 600 or
// less the start size, and no further step.
Ansichtszoom AnsichtKleiner(const Ansichtszoom& z, const Formularmasse& m);

// The scroll position after a click-zoom: the clicked point of the old
// picture (in its pixels) moved to the middle of a view `sicht` wide and
// high. It may lie outside the scroll range; the view clamps it.
QPoint AnsichtKlickMitte(QPoint klick, QSize alt, QSize neu, QSize sicht);
// While dragging: the scroll position moved on by the distance from the
// mouse to the press point, both in the picture's pixels. As the picture
// moves with the view, the press point stays under the mouse.
QPoint AnsichtZiehen(QPoint bildlauf, QPoint druck, QPoint maus);
// A release is a click when neither the mouse nor the view moved since the press.
bool AnsichtKlick(QPoint druck, QPoint maus, QPoint bildlaufDruck, QPoint bildlauf);
