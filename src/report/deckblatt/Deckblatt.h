#pragma once
// The cover sheets of fax and e-mail: their names in "Deckblatt.inf" of the
// data folder (one a line, the line index is the cover number, 0 stands for
// no cover) and their texts "Deckblatt<k>.txt" (rich text) beside it.
//
// The list is read on first use and kept for the run. Inserting, renaming
// and deleting a cover change the list, move the text files and save the
// list at once; the cover numbers of the settings and of the open matches
// follow the renumbering. A step that fails leaves files and list as they
// were and says why.

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <memory>
#include <vector>

class QPagedPaintDevice;

constexpr int DeckblattNameLaenge = 30;
// The name of entry 0 when the first cover goes into an empty list.
inline constexpr char16_t DeckblattKeinName[] = u"kein Deckblatt";

// The cover names, read from "Deckblatt.inf" on first use (again after the
// data folder changed); a missing list gives none.
const QStringList& DeckblattNamen();
// The path of cover k's text.
QString DeckblattDatei(int k);
// The text of cover k; null when k names no cover (0, out of the list) or
// its text file is missing or unreadable.
std::unique_ptr<QTextDocument> DeckblattDokument(int k);

// The font of a cover text where it names none: Arial, 10 points.
QFont DeckblattSchrift();

// Prints a cover text on the device as it stands: pages without numbers,
// 2 cm from the paper's edges.
void DeckblattDrucken(const QTextDocument& text, QPagedPaintDevice& geraet);

enum class Deckblattlesen { Gelesen, Fehlt, Fehler };
// Cover k's text into the document (emptied first). Fehlt for a cover
// without a text file (and for 0 and numbers outside the list); Fehler with
// *fehler the message when the file cannot be read.
Deckblattlesen DeckblattLesen(int k, QTextDocument& dokument, QString* fehler = nullptr);

// A new cover of that name (cut to 30 characters) after cover k, or at the
// end when k is the last one or no cover; into an empty list after an entry
// 0. The covers from its number on move up by one. Its number, or -1 with
// *fehler.
int DeckblattEinfuegen(int k, const QString& name, QString* fehler = nullptr);
// Cover k (0 included: its wording) takes the name.
bool DeckblattUmbenennen(int k, const QString& name, QString* fehler = nullptr);
// Deletes cover n > 0 with its text; the covers above move down by one.
// Nothing happens for 0 or a number outside the list.
bool DeckblattLoeschen(int n, QString* fehler = nullptr);
// Saves the document as cover k's text (k > 0 in the list), then the list.
bool DeckblattSpeichern(int k, const QTextDocument& dokument, QString* fehler = nullptr);

// Keeps a cover number of its own (a dialog's choice while the cover window
// is open) following the renumbering while it lives, as the numbers of the
// settings and the matches do; -1 (none chosen) stays -1.
class DeckblattNummerFolgt {
public:
    explicit DeckblattNummerFolgt(int& nummer);
    ~DeckblattNummerFolgt();
    DeckblattNummerFolgt(const DeckblattNummerFolgt&) = delete;
    DeckblattNummerFolgt& operator=(const DeckblattNummerFolgt&) = delete;

private:
    int& m_nummer;
};

struct DeckblattZustand {
    QStringList Namen;
    bool gelesen = false;
    QString ordner;        // the data folder the list was read from
    int LetzteNummer = 0;  // the cover last shown in the window
    std::vector<int*> folgende;  // the numbers of the living DeckblattNummerFolgt

    void zuruecksetzen() { *this = DeckblattZustand{}; }
};
extern DeckblattZustand deckblattZustand;
