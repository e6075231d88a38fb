#pragma once
// The operator's lane windows as the engine reaches them after a change of a
// lane: the lane control window, the lane overview, the correction panel and
// the throw list.
// Each window decides itself whether it shows that lane.

#include "core/Eingesetzt.h"

class BahnfensterDienste {
public:
    virtual ~BahnfensterDienste() = default;
    // The lane control window, when it is showing and shows the lane.
    virtual void bahnsteuerungAktualisieren(int bahn) = 0;
    // The lane's panel of the lane overview, when the overview is active.
    virtual void bahnuebersichtAktualisieren(int bahn) = 0;
    // The correction panel, when it is showing the lane.
    virtual void korrekturAktualisieren(int bahn) = 0;
    // The throw list, when it is open on a player of the lane's match.
    virtual void wurflisteAktualisieren(int /*bahn*/) {}
    // The result table and the report window are the active window.
    virtual bool ergebnistafelAktiv() const = 0;
    virtual bool spielberichtAktiv() const = 0;

    // The main window's commands on the lane windows.
    // Shows the lane overview from the lane ErsteAnzeigebahn on.
    virtual void bahnuebersichtZeigen() {}
    virtual void bahnuebersichtVerbergen() {}
    // The lane overview's border after a change of Verschiebbar.
    virtual void bahnuebersichtRahmen() {}
    // Selects the lane on the lane control window and shows it, on top.
    virtual void bahnsteuerungZeigen(int /*bahn*/) {}
    // The same, modally over the modal window that asks for it; the window
    // open before comes back as it was.
    virtual void bahnsteuerungModal(int /*bahn*/) {}
    virtual void bahnsteuerungVerbergen() {}
    // Brings the open lane control window to the front again after a
    // dialog or a new window covered it.
    virtual void bahnsteuerungNachVorn() {}
};

void setBahnfensterDienste(BahnfensterDienste* b);
BahnfensterDienste& bahnfenster();
using BahnfensterDiensteEinsetzen = Eingesetzt<BahnfensterDienste, setBahnfensterDienste, bahnfenster>;
