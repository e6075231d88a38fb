#include "report/Deckblatt.h"

// Placeholder until the cover sheets are built.
const QStringList& DeckblattNamen()
{
    static const QStringList keine;
    return keine;
}

QString DeckblattDatei(int) { return {}; }

std::unique_ptr<QTextDocument> DeckblattDokument(int) { return nullptr; }
