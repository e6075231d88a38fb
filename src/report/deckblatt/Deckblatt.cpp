#include "report/deckblatt/Deckblatt.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/Rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QSaveFile>
#include <QTextFrame>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

DeckblattZustand deckblattZustand;

namespace {

// Numbers 0..254: a match stores its cover in a byte, 255 meaning none chosen.
constexpr int MaxDeckblaetter = 255;

QString Dateiname(int k) { return QStringLiteral("Deckblatt%1.txt").arg(k); }
QString Listenpfad() { return DateiImOrdner(Datenverzeichnis, QStringLiteral("Deckblatt.inf")); }
QString Zeigen(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

void Melden(QString* fehler, const QString& text)
{
    if (fehler) *fehler = text;
}

bool ListeSpeichern(const QStringList& namen, QString* fehler)
{
    QDir().mkpath(Datenverzeichnis);
    return TextdateiSchreiben(Listenpfad(), namen, fehler);
}

// The renames of one step, undone together when a later one fails.
class Umbenennungen {
public:
    // Moves the text of cover `von` to number `nach`; nothing to do without one.
    bool verschieben(int von, int nach, QString* fehler)
    {
        const QString quelle = DeckblattDatei(von);
        if (!QFileInfo::exists(quelle)) return true;
        return umbenennen(quelle, QDir(Datenverzeichnis).filePath(Dateiname(nach)), fehler);
    }

    bool umbenennen(const QString& quelle, const QString& ziel, QString* fehler)
    {
        QFile f(quelle);
        if (QFileInfo::exists(ziel) || !f.rename(ziel)) {
            const QString grund = QFileInfo::exists(ziel) ? QStringLiteral("die Datei gibt es schon") : f.errorString();
            Melden(fehler, QStringLiteral("„%1“ kann nicht in „%2“ umbenannt werden (%3).")
                               .arg(Zeigen(quelle), QFileInfo(ziel).fileName(), grund));
            return false;
        }
        m_erledigt.emplace_back(quelle, ziel);
        return true;
    }

    // Puts the files back, the last first; names those that stay moved.
    void rueckgaengig(QString* fehler)
    {
        QStringList uebrig;
        for (auto it = m_erledigt.rbegin(); it != m_erledigt.rend(); ++it)
            if (!QFile::rename(it->second, it->first))
                uebrig << QStringLiteral("„%1“ sollte „%2“ heißen")
                              .arg(QFileInfo(it->second).fileName(), QFileInfo(it->first).fileName());
        m_erledigt.clear();
        if (!uebrig.isEmpty() && fehler)
            *fehler += QStringLiteral("\nDie Texte konnten nicht zurückbenannt werden: %1 (Ordner „%2“).")
                           .arg(uebrig.join(QStringLiteral(", ")), Zeigen(Datenverzeichnis));
    }

private:
    std::vector<std::pair<QString, QString>> m_erledigt;
};

// The cover numbers kept in the settings, in the open matches and by the
// dialogs after a renumbering; a match whose number changes is marked changed.
void NummernFolgen(const std::function<int(int)>& neu)
{
    for (int* nummer : deckblattZustand.folgende)
        if (*nummer >= 0) *nummer = neu(*nummer);
    bool einstellung = false;
    for (auto [wert, name] : {std::pair(&Einst.FaxDeckblatt, u"FaxDeckblatt"),
                              std::pair(&Einst.EmailDeckblatt, u"EmailDeckblatt")}) {
        const int n = neu(*wert);
        if (n == *wert) continue;
        *wert = u8(n);
        if (const Einstellungsschluessel* s = SchluesselSuchen(name)) EinstellungSchreiben(*s);
        einstellung = true;
    }
    if (einstellung) InfListeSpeichern();
    for (int i = 1; i <= MaxWettkaempfe; ++i) {
        if (!WettkampfBelegt[i]) continue;
        TWettkampfDaten& w = Wettkaempfe[i];
        for (u8* wert : {&w.FaxDeckblatt, &w.EmailDeckblatt}) {
            const int n = neu(*wert);
            if (n == *wert) continue;
            *wert = u8(n);
            w.Geaendert = 1;
        }
    }
}

}  // namespace

DeckblattNummerFolgt::DeckblattNummerFolgt(int& nummer) : m_nummer(nummer)
{
    deckblattZustand.folgende.push_back(&m_nummer);
}

DeckblattNummerFolgt::~DeckblattNummerFolgt() { std::erase(deckblattZustand.folgende, &m_nummer); }

const QStringList& DeckblattNamen()
{
    DeckblattZustand& z = deckblattZustand;
    if (!z.gelesen || z.ordner != Datenverzeichnis) {
        z.Namen = TextdateiLesen(Listenpfad()).value_or(QStringList());
        if (z.Namen.size() > MaxDeckblaetter) z.Namen.resize(MaxDeckblaetter);
        z.gelesen = true;
        z.ordner = Datenverzeichnis;
    }
    return z.Namen;
}

QString DeckblattDatei(int k) { return DateiImOrdner(Datenverzeichnis, Dateiname(k)); }

QFont DeckblattSchrift()
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    return f;
}

void DeckblattDrucken(const QTextDocument& text, QPagedPaintDevice& geraet)
{
    // A document with a page size of its own prints without page numbers.
    const std::unique_ptr<QTextDocument> kopie(text.clone());
    kopie->documentLayout()->setPaintDevice(&geraet);
    // 2 cm from the paper's edge on every side, the page's own margins included.
    const QMarginsF seite = geraet.pageLayout().margins(QPageLayout::Millimeter);
    const auto rand = [](double mm) { return std::max(0.0, 20.0 - mm) / 25.4 * 96; };  // the layout scales 96 dpi
    QTextFrameFormat f = kopie->rootFrame()->frameFormat();
    f.setMargin(0);
    f.setLeftMargin(rand(seite.left()));
    f.setTopMargin(rand(seite.top()));
    f.setRightMargin(rand(seite.right()));
    f.setBottomMargin(rand(seite.bottom()));
    kopie->rootFrame()->setFrameFormat(f);
    kopie->setPageSize(QSizeF(geraet.width(), geraet.height()));
    kopie->print(&geraet);
}

Deckblattlesen DeckblattLesen(int k, QTextDocument& dokument, QString* fehler)
{
    dokument.clear();
    if (k <= 0 || k >= DeckblattNamen().size()) return Deckblattlesen::Fehlt;
    QFile f(DeckblattDatei(k));
    if (!f.exists()) return Deckblattlesen::Fehlt;
    if (!f.open(QIODevice::ReadOnly)) {
        Melden(fehler, QStringLiteral("Das Deckblatt „%1“ kann nicht gelesen werden (%2).")
                           .arg(Zeigen(f.fileName()), f.errorString()));
        return Deckblattlesen::Fehler;
    }
    RtfLesen(f.readAll(), dokument);
    return Deckblattlesen::Gelesen;
}

std::unique_ptr<QTextDocument> DeckblattDokument(int k)
{
    auto d = std::make_unique<QTextDocument>();
    d->setDefaultFont(DeckblattSchrift());
    if (DeckblattLesen(k, *d) != Deckblattlesen::Gelesen) return nullptr;
    return d;
}

int DeckblattEinfuegen(int k, const QString& name, QString* fehler)
{
    DeckblattNamen();
    QStringList neu = deckblattZustand.Namen;
    if (neu.isEmpty()) neu.append(QString::fromUtf16(DeckblattKeinName));
    const int c = int(neu.size());
    if (c >= MaxDeckblaetter) {
        Melden(fehler, QStringLiteral("Es gibt schon %1 Deckblätter: mehr passen nicht in die Liste.").arg(c - 1));
        return -1;
    }
    const int n = k >= 0 && k < c - 1 ? k + 1 : c;

    // Room for the new number: the texts from it on move up, the last first.
    Umbenennungen u;
    QString meldung;
    bool ok = true;
    for (int m = c; m >= n && ok; --m) ok = u.verschieben(m, m + 1, &meldung);
    neu.insert(n, name.left(DeckblattNameLaenge));
    if (ok) ok = ListeSpeichern(neu, &meldung);
    if (!ok) {
        meldung += QStringLiteral("\nDas Deckblatt wurde nicht eingefügt.");
        u.rueckgaengig(&meldung);
        Melden(fehler, meldung);
        return -1;
    }
    deckblattZustand.Namen = neu;
    deckblattZustand.LetzteNummer = n;
    NummernFolgen([n, c](int v) { return v >= n && v < c ? v + 1 : v; });
    return n;
}

bool DeckblattUmbenennen(int k, const QString& name, QString* fehler)
{
    DeckblattNamen();
    QStringList neu = deckblattZustand.Namen;
    if (k < 0 || k >= neu.size()) return true;
    neu[k] = name.left(DeckblattNameLaenge);
    if (!ListeSpeichern(neu, fehler)) return false;
    deckblattZustand.Namen = neu;
    return true;
}

bool DeckblattLoeschen(int n, QString* fehler)
{
    DeckblattNamen();
    QStringList neu = deckblattZustand.Namen;
    const int c = int(neu.size());
    if (n <= 0 || n >= c) return true;

    // The text is set aside first, so that it comes back when a later step fails.
    const QString beiseite = QDir(Datenverzeichnis).filePath(QStringLiteral("Deckblatt.geloescht.txt"));
    QFile::remove(beiseite);
    Umbenennungen u;
    QString meldung;
    bool ok = true;
    if (QFileInfo::exists(DeckblattDatei(n))) ok = u.umbenennen(DeckblattDatei(n), beiseite, &meldung);
    for (int m = n + 1; m < c && ok; ++m) ok = u.verschieben(m, m - 1, &meldung);
    neu.removeAt(n);
    if (ok) ok = ListeSpeichern(neu, &meldung);
    if (!ok) {
        meldung += QStringLiteral("\nDas Deckblatt wurde nicht gelöscht.");
        u.rueckgaengig(&meldung);
        Melden(fehler, meldung);
        return false;
    }
    if (QFileInfo::exists(beiseite) && !QFile::remove(beiseite))
        boxen().hinweis(
            QStringLiteral("Der Text des gelöschten Deckblatts bleibt als „%1“ liegen.").arg(Zeigen(beiseite)));
    deckblattZustand.Namen = neu;
    deckblattZustand.LetzteNummer = 0;
    NummernFolgen([n, c](int v) { return v == n ? 0 : v > n && v < c ? v - 1 : v; });
    return true;
}

bool DeckblattSpeichern(int k, const QTextDocument& dokument, QString* fehler)
{
    if (k <= 0 || k >= DeckblattNamen().size()) {
        Melden(fehler, QStringLiteral("Deckblatt %1 gibt es nicht in der Liste.").arg(k));
        return false;
    }
    QDir().mkpath(Datenverzeichnis);
    QSaveFile f(DeckblattDatei(k));
    QString grund;
    if (!DateiVorbereiten(f, RtfSchreiben(dokument), &grund) || !TextdateiAbschliessen(f, &grund)) {
        Melden(fehler,
               QStringLiteral("„%1“ konnte nicht gespeichert werden (%2). Die bisherige Datei bleibt unverändert.")
                   .arg(Zeigen(f.fileName()), grund));
        return false;
    }
    return ListeSpeichern(deckblattZustand.Namen, fehler);
}
