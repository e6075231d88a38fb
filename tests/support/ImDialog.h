#pragma once
// A modal dialog of the window hub with a step run inside it.

#include "core/ui/Fensterhub.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Opens the dialog with `oeffnen` and runs `handeln` inside it; a dialog still
// open afterwards is cancelled. Returns what `oeffnen` returns.
template <typename T>
bool ImDialog(Fensterhub& hub, const std::function<bool()>& oeffnen, const std::function<void(T&)>& handeln)
{
    bool gesehen = false;
    QTimer::singleShot(0, qApp, [&] {
        auto* dlg = qobject_cast<T*>(hub.AktDialog.data());
        if (!dlg) return;
        gesehen = true;
        handeln(*dlg);
        if (dlg->isVisible()) dlg->reject();
    });
    const bool ok = oeffnen();
    EXPECT_TRUE(gesehen);
    return ok;
}
