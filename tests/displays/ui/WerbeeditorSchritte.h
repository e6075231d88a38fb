#pragma once
// Steps in the advert editor that the board dialogs' tests share.
#include "core/Boxes.h"
#include "displays/ui/Werbeeditor.h"
#include "support/Klicken.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

// A new configuration "Neu" gets the first file of the choice as its entry;
// OK is then answered "Nein" to the question whether to save it.
inline void NeueKonfigurationNichtGespeichert(Werbeeditor& e, QAbstractButton* ok)
{
    e.CAnzeige->setEditText(QStringLiteral("Neu"));
    Klicken(e.BtnAnzeigeNeu);
    e.TreeAuswahl->setCurrentItem(e.TreeAuswahl->topLevelItem(0));
    Klicken(e.BtnSelect);
    ASSERT_EQ(e.EintragGeaendert, 1);
    skriptBoxen().antworten = {ErgebnisNein};
    Klicken(ok);
}
