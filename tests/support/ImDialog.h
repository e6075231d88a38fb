#pragma once
// A modal dialog of the window hub with a step run inside it.

#include "core/ui/Fensterhub.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Opens the dialog with `oeffnen` and runs `handeln` inside it once it is the
// hub's dialog (events may run before: the dialog may wait on a peer as it is
// built); a dialog still open afterwards is cancelled. Returns what `oeffnen`
// returns.
template <typename T>
bool ImDialog(Fensterhub& hub, const std::function<bool()>& oeffnen, const std::function<void(T&)>& handeln)
{
    bool gesehen = false;
    QTimer blick;
    QObject::connect(&blick, &QTimer::timeout, qApp, [&] {
        auto* dlg = qobject_cast<T*>(hub.AktDialog.data());
        if (!dlg) return;
        blick.stop();
        gesehen = true;
        handeln(*dlg);
        if (dlg->isVisible()) dlg->reject();
    });
    blick.start(0);
    const bool ok = oeffnen();
    EXPECT_TRUE(gesehen);
    return ok;
}
