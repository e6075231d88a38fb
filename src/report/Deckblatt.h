#pragma once
// The cover sheets of fax and e-mail: their names in "Deckblatt.inf" of the
// data folder (one a line, the line index is the cover number, 0 stands for
// no cover) and their texts "Deckblatt<k>.txt" (rich text) beside it.

#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <memory>

// The cover names, read from "Deckblatt.inf" on first use.
const QStringList& DeckblattNamen();
// The path of cover k's text.
QString DeckblattDatei(int k);
// The text of cover k; null when k names no cover (0, out of the list) or
// its text file is missing or unreadable.
std::unique_ptr<QTextDocument> DeckblattDokument(int k);
