#include "core/Rtf.h"

#include "core/Cp1252.h"
#include "core/TextFunctions.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// --- RTF -----------------------------------------------------------------------
// One token of an RTF text.
struct RtfStueck {
    enum Art : std::uint8_t {
        GruppeAuf,     // "{"
        GruppeZu,      // "}"
        Steuerwort,    // "\fs20": wort "fs", zahl 20
        Steuersymbol,  // "\*", "\-", ...: zeichen is the symbol
        Zeichen,       // one character of text
    };
    Art art = Zeichen;
    QByteArray wort;
    std::optional<int> zahl;
    QChar zeichen;
};
// The tokens of an RTF text in order. Escaped characters ("\\", "\{", "\}",
// "\~"), code-page bytes ("\'e4", Windows-1252) and "\uN" arrive as
// characters; the characters standing in for a "\uN" (as many as the
// group's "\ucN" says, 1 by default), "\binN" data and the file's own line
// breaks are dropped.
std::vector<RtfStueck> RtfZerlegen(const QByteArray& rtf);
// Destinations whose group holds no text of the document ("info", "pict", ...).
bool RtfZielOhneText(const QByteArray& wort);

std::vector<RtfStueck> RtfZerlegen(const QByteArray& rtf)
{
    std::vector<RtfStueck> stuecke;
    std::vector<int> ucStapel;  // the \uc of the enclosing groups
    int uc = 1;
    int ueberspringen = 0;  // stand-in characters of the last \u still to drop
    const qsizetype n = rtf.size();
    const auto zeichen = [&](QChar c) {
        if (ueberspringen > 0) {
            --ueberspringen;
            return;
        }
        RtfStueck s;
        s.zeichen = c;
        stuecke.push_back(std::move(s));
    };
    const auto istBuchstabe = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto istZiffer = [](char c) { return c >= '0' && c <= '9'; };

    for (qsizetype i = 0; i < n; ++i) {
        const char c = rtf.at(i);
        if (c == '{' || c == '}') {
            ueberspringen = 0;
            if (c == '{') {
                ucStapel.push_back(uc);
            } else if (!ucStapel.empty()) {
                uc = ucStapel.back();
                ucStapel.pop_back();
            }
            RtfStueck s;
            s.art = c == '{' ? RtfStueck::GruppeAuf : RtfStueck::GruppeZu;
            stuecke.push_back(std::move(s));
        } else if (c == '\r' || c == '\n') {
            continue;
        } else if (c != '\\') {
            zeichen(Cp1252::toUnicode(static_cast<unsigned char>(c)));
        } else if (i + 1 < n) {
            const char d = rtf.at(++i);
            if (d == '\\' || d == '{' || d == '}') {
                zeichen(QChar::fromLatin1(d));
            } else if (d == '~') {
                zeichen(QChar(0x00A0));
            } else if (d == '\'') {
                bool ok = false;
                const int byte = rtf.mid(i + 1, 2).toInt(&ok, 16);
                i += 2;
                if (ok) zeichen(Cp1252::toUnicode(static_cast<unsigned char>(byte)));
                else if (ueberspringen > 0) --ueberspringen;
            } else if (istBuchstabe(d)) {
                qsizetype j = i;
                while (j < n && istBuchstabe(rtf.at(j))) ++j;
                RtfStueck s;
                s.art = RtfStueck::Steuerwort;
                s.wort = rtf.mid(i, j - i);
                qsizetype k = j;
                if (k < n && rtf.at(k) == '-') ++k;
                while (k < n && istZiffer(rtf.at(k))) ++k;
                if (k > j) {
                    // Parameters beyond the 32-bit range are out of the format: held at its ends.
                    bool ok = false;
                    const qlonglong zahl = rtf.mid(j, std::min<qsizetype>(k - j, 12)).toLongLong(&ok);
                    using Grenzen = std::numeric_limits<int>;
                    if (ok) s.zahl = int(std::clamp<qlonglong>(zahl, Grenzen::min(), Grenzen::max()));
                }
                if (k < n && rtf.at(k) == ' ') ++k;  // the delimiter belongs to the word
                i = k - 1;
                if (s.wort == "u" && s.zahl) {
                    ueberspringen = 0;
                    const int wert = *s.zahl;
                    zeichen(QChar(char16_t(wert < 0 ? wert + 65536 : wert)));
                    ueberspringen = uc;
                } else if (s.wort == "uc" && s.zahl) {
                    uc = std::clamp(*s.zahl, 0, 16);
                } else if (s.wort == "bin" && s.zahl) {
                    i += std::clamp<qsizetype>(*s.zahl, 0, n - 1 - i);
                } else {
                    stuecke.push_back(std::move(s));
                }
            } else {
                RtfStueck s;
                s.art = RtfStueck::Steuersymbol;
                s.zeichen = QChar::fromLatin1(d);
                stuecke.push_back(std::move(s));
            }
        }
    }
    return stuecke;
}

bool RtfZielOhneText(const QByteArray& wort)
{
    static const QByteArrayList Ziele = {"fonttbl", "colortbl", "stylesheet", "info",       "pict",
                                         "object",  "header",   "footer",     "generator",  "listtable",
                                         "listoverridetable",   "rsidtbl",    "themedata",  "colorschememapping",
                                         "latentstyles",        "datastore",  "xmlnstbl",   "headerl",
                                         "headerr", "headerf",  "footerl",    "footerr",    "footerf"};
    return Ziele.contains(wort);
}

constexpr int StandardGroesse = 24;  // half points, when a text names none
constexpr int MaxTwips = 31680;      // 22 inches

// --- Reading -------------------------------------------------------------------------

enum class Ziel { Text, Schriften, Farben, Auslassen };

struct Zeichenformat {
    int schrift = -1;  // -1: the default font (\deff)
    int groesse = StandardGroesse;
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    int farbe = 0;  // 0: the automatic colour
};

struct Absatzformat {
    int erste = 0;  // twips, relative to the left indent
    int links = 0;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
};

struct Gruppe {
    Ziel ziel = Ziel::Text;
    Zeichenformat zeichen;
    Absatzformat absatz;
};

// Words that stand for one character.
QChar Sonderzeichen(const QByteArray& wort)
{
    static const QHash<QByteArray, char16_t> Zeichen = {
        {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"bullet", 0x2022}, {"endash", 0x2013}, {"emdash", 0x2014},
    };
    const auto it = Zeichen.find(wort);
    return it == Zeichen.end() ? QChar() : QChar(*it);
}

class Leser {
public:
    explicit Leser(QTextDocument& d) : m_dokument(d), m_cursor(&d) {}

    void lesen(const std::vector<RtfStueck>& stuecke)
    {
        // One edit: the document is laid out once at the end, not with every character.
        m_cursor.beginEditBlock();
        for (const RtfStueck& s : stuecke) {
            if (s.art != RtfStueck::Zeichen || m_g.ziel != Ziel::Text) laufEinfuegen();
            switch (s.art) {
            case RtfStueck::GruppeAuf: m_stapel.push_back(m_g); break;
            case RtfStueck::GruppeZu:
                if (m_g.ziel == Ziel::Schriften) schriftEnde();
                if (!m_stapel.empty()) {
                    m_g = m_stapel.back();
                    m_stapel.pop_back();
                }
                break;
            case RtfStueck::Steuersymbol:
                if (s.zeichen == QLatin1Char('*')) m_g.ziel = Ziel::Auslassen;
                break;
            case RtfStueck::Steuerwort: wort(s.wort, s.zahl); break;
            case RtfStueck::Zeichen: zeichen(s.zeichen); break;
            }
        }
        laufEinfuegen();
        if (!m_absatzOffen) m_cursor.setBlockFormat(blockformat());
        m_cursor.endEditBlock();
    }

private:
    void wort(const QByteArray& w, std::optional<int> zahl)
    {
        const int n = zahl.value_or(0);
        switch (m_g.ziel) {
        case Ziel::Auslassen: return;
        case Ziel::Schriften:
            if (w == "f") {
                schriftEnde();
                m_schriftNr = n;
            }
            return;
        case Ziel::Farben:
            if (w == "red") m_rot = std::clamp(n, 0, 255);
            else if (w == "green") m_gruen = std::clamp(n, 0, 255);
            else if (w == "blue") m_blau = std::clamp(n, 0, 255);
            else return;
            m_farbeGesetzt = true;
            return;
        case Ziel::Text: break;
        }

        Zeichenformat& z = m_g.zeichen;
        Absatzformat& a = m_g.absatz;
        const bool an = !zahl || n != 0;
        if (w == "fonttbl") m_g.ziel = Ziel::Schriften;
        else if (w == "colortbl") m_g.ziel = Ziel::Farben;
        else if (RtfZielOhneText(w)) m_g.ziel = Ziel::Auslassen;
        else if (w == "deff") m_standardSchrift = n;
        else if (w == "plain") z = Zeichenformat{};
        else if (w == "f") z.schrift = n;
        else if (w == "fs") z.groesse = std::clamp(zahl.value_or(StandardGroesse), 2, 3276);
        else if (w == "b") z.fett = an;
        else if (w == "i") z.kursiv = an;
        else if (w == "ul") z.unterstrichen = an;
        else if (w == "ulnone") z.unterstrichen = false;
        else if (w == "cf") z.farbe = n;
        else if (w == "pard") a = Absatzformat{};
        else if (w == "fi") a.erste = std::clamp(n, -MaxTwips, MaxTwips);
        else if (w == "li") a.links = std::clamp(n, 0, MaxTwips);
        else if (w == "ql") a.ausrichtung = Qt::AlignLeft;
        else if (w == "qc") a.ausrichtung = Qt::AlignHCenter;
        else if (w == "qr") a.ausrichtung = Qt::AlignRight;
        else if (w == "qj") a.ausrichtung = Qt::AlignJustify;
        else if (w == "par") absatzEnde();
        else if (w == "line") text(QChar(QChar::LineSeparator));
        else if (w == "tab") text(QLatin1Char('\t'));
        else if (const QChar c = Sonderzeichen(w); !c.isNull()) text(c);
    }

    void zeichen(QChar c)
    {
        switch (m_g.ziel) {
        case Ziel::Text: text(c); break;
        case Ziel::Schriften:
            if (c == QLatin1Char(';')) schriftEnde();
            else m_schriftName += c;
            break;
        case Ziel::Farben:
            if (c == QLatin1Char(';')) {
                m_farben.append(m_farbeGesetzt ? QColor(m_rot, m_gruen, m_blau) : QColor());
                m_rot = m_gruen = m_blau = 0;
                m_farbeGesetzt = false;
            }
            break;
        case Ziel::Auslassen: break;
        }
    }

    void schriftEnde()
    {
        const QString name = m_schriftName.trimmed();
        if (!name.isEmpty() && !m_schriften.contains(m_schriftNr)) m_schriften.insert(m_schriftNr, name);
        m_schriftName.clear();
    }

    // A \par closes its paragraph at once; the next one begins only with
    // text or another \par, so the closing \par of the last one adds none.
    void absatzBeginnen()
    {
        if (!m_absatzOffen) return;
        m_cursor.insertBlock(blockformat(), zeichenformat());
        m_absatzOffen = false;
    }

    void absatzEnde()
    {
        absatzBeginnen();
        m_cursor.setBlockFormat(blockformat());
        if (m_cursor.block().length() <= 1) m_cursor.setBlockCharFormat(zeichenformat());
        m_absatzOffen = true;
    }

    // Text collects into a run until the next token that is not a character
    // of the text: only such a token can change the format.
    void text(QChar c)
    {
        absatzBeginnen();
        if (m_lauf.isEmpty()) m_laufFormat = zeichenformat();
        m_lauf += c;
        // Inserted together, "\r\n" would be one paragraph break instead of two.
        if (c == u'\r') laufEinfuegen();
    }

    void laufEinfuegen()
    {
        if (m_lauf.isEmpty()) return;
        m_cursor.insertText(m_lauf, m_laufFormat);
        m_lauf.clear();
    }

    QTextCharFormat zeichenformat() const
    {
        const Zeichenformat& z = m_g.zeichen;
        const QString standard = m_schriften.value(m_standardSchrift, m_dokument.defaultFont().family());
        QTextCharFormat f;
        f.setFontFamilies({z.schrift < 0 ? standard : m_schriften.value(z.schrift, standard)});
        f.setFontPointSize(z.groesse / 2.0);
        f.setFontWeight(z.fett ? QFont::Bold : QFont::Normal);
        f.setFontItalic(z.kursiv);
        f.setFontUnderline(z.unterstrichen);
        if (z.farbe > 0 && z.farbe < m_farben.size() && m_farben.at(z.farbe).isValid())
            f.setForeground(m_farben.at(z.farbe));
        return f;
    }

    QTextBlockFormat blockformat() const
    {
        const Absatzformat& a = m_g.absatz;
        QTextBlockFormat f;
        f.setTextIndent(double(a.erste) / RtfTwipsJePixel);
        f.setLeftMargin(double(a.links) / RtfTwipsJePixel);
        if (a.ausrichtung != Qt::AlignLeft) f.setAlignment(a.ausrichtung);
        return f;
    }

    QTextDocument& m_dokument;
    QTextCursor m_cursor;
    Gruppe m_g;
    std::vector<Gruppe> m_stapel;
    bool m_absatzOffen = false;
    QString m_lauf;
    QTextCharFormat m_laufFormat;
    int m_standardSchrift = 0;
    QHash<int, QString> m_schriften;
    int m_schriftNr = 0;
    QString m_schriftName;
    QList<QColor> m_farben;
    int m_rot = 0, m_gruen = 0, m_blau = 0;
    bool m_farbeGesetzt = false;
};

// --- Writing -------------------------------------------------------------------------

// A font's name as the table holds it: a ";" would end it and reading drops
// the blanks at its ends; empty, it is no font of its own.
QString Schriftname(QString name)
{
    name.remove(QLatin1Char(';'));
    return name.trimmed();
}

QString Familie(const QTextCharFormat& f, const QTextDocument& d)
{
    const QString name = Schriftname(f.fontFamilies().toStringList().value(0));
    return name.isEmpty() ? Schriftname(d.defaultFont().family()) : name;
}

int HalbePunkte(const QTextCharFormat& f, const QTextDocument& d)
{
    const double pt = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : d.defaultFont().pointSizeF();
    return pt > 0 ? int(std::lround(pt * 2)) : StandardGroesse;
}

// In a font name every character counts: the ones that text drops or
// writes as words are written as escapes, which the table reads back.
QByteArray Text(const QString& s, bool name = false)
{
    QByteArray b;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            b += '\\';
            b += char(u);
        } else if (name && u < 0x20) {
            b += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else if (name && (u == QChar::LineSeparator || u == QChar::ObjectReplacementCharacter)) {
            b += "\\u" + QByteArray::number(qint16(u)) + '?';
        } else if (u == '\t') {
            b += "\\tab ";
        } else if (u == QChar::LineSeparator) {
            b += "\\line ";
        } else if (u == 0x00A0) {
            b += "\\~";
        } else if (u >= 0x20 && u < 0x80) {
            b += char(u);
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
            continue;
        } else if (const char byte = Cp1252::fromUnicode(c); byte != '?') {
            b += "\\'" + QByteArray::number(static_cast<unsigned char>(byte), 16).rightJustified(2, '0');
        } else {
            b += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return b;
}

class Schreiber {
public:
    explicit Schreiber(const QTextDocument& d) : m_d(d) { m_schriften.append(Schriftname(d.defaultFont().family())); }

    QByteArray schreiben()
    {
        // Only what is written counts: a run of nothing but dropped
        // characters (a NUL, say) leaves no format words and no table entry,
        // so that the same text always gives the same bytes.
        struct Lauf {
            QTextCharFormat format;
            QByteArray text;
        };
        std::vector<std::vector<Lauf>> absaetze;
        for (QTextBlock b = m_d.begin(); b.isValid(); b = b.next()) {
            std::vector<Lauf>& laeufe = absaetze.emplace_back();
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                if (QByteArray t = Text(f.text()); !t.isEmpty()) laeufe.push_back({f.charFormat(), std::move(t)});
            }
            // The tables first: every font and colour the text uses.
            if (laeufe.empty()) tabellen(b.charFormat());
            for (const Lauf& l : laeufe) tabellen(l.format);
        }
        QByteArray text;
        auto laeufe = absaetze.cbegin();
        for (QTextBlock b = m_d.begin(); b.isValid(); b = b.next(), ++laeufe) {
            text += "\\pard";
            const QTextBlockFormat bf = b.blockFormat();
            if (const int fi = twips(bf.textIndent())) text += "\\fi" + QByteArray::number(fi);
            if (const int li = twips(bf.leftMargin())) text += "\\li" + QByteArray::number(li);
            const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
            if (a & Qt::AlignHCenter) text += "\\qc";
            else if (a & Qt::AlignRight) text += "\\qr";
            else if (a & Qt::AlignJustify) text += "\\qj";
            text += ' ';
            for (const Lauf& l : *laeufe) text += format(l.format) + l.text;
            if (laeufe->empty()) text += format(b.charFormat());
            text += "\\par\r\n";
        }

        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
        for (int i = 0; i < m_schriften.size(); ++i)
            rtf += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 " + Text(m_schriften.at(i), true) + ";}";
        rtf += "}\r\n";
        if (!m_farben.isEmpty()) {
            rtf += "{\\colortbl ;";
            for (const QColor& c : std::as_const(m_farben))
                rtf += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
                       QByteArray::number(c.blue()) + ';';
            rtf += "}\r\n";
        }
        return rtf + "\\viewkind4\\uc1" + text + "}\r\n";
    }

private:
    static int twips(double pixel) {
        return std::clamp(int(std::lround(pixel * RtfTwipsJePixel)), -MaxTwips, MaxTwips);
    }

    static bool mitFarbe(const QTextCharFormat& f) { return f.foreground().style() != Qt::NoBrush; }

    void tabellen(const QTextCharFormat& f)
    {
        const QString familie = Familie(f, m_d);
        if (!m_schriften.contains(familie)) m_schriften.append(familie);
        if (mitFarbe(f)) {
            const QColor c = f.foreground().color().toRgb();
            if (!m_farben.contains(c)) m_farben.append(c);
        }
    }

    // The words that change the running format into f, and the blank that ends them.
    QByteArray format(const QTextCharFormat& f)
    {
        QByteArray w;
        const int schrift = int(m_schriften.indexOf(Familie(f, m_d)));
        const int groesse = HalbePunkte(f, m_d);
        const bool fett = f.fontWeight() > QFont::Medium;
        const int farbe = mitFarbe(f) ? int(m_farben.indexOf(f.foreground().color().toRgb())) + 1 : 0;
        if (schrift != m_schrift) w += "\\f" + QByteArray::number(m_schrift = schrift);
        if (groesse != m_groesse) w += "\\fs" + QByteArray::number(m_groesse = groesse);
        if (fett != m_fett) w += (m_fett = fett) ? "\\b" : "\\b0";
        if (f.fontItalic() != m_kursiv) w += (m_kursiv = f.fontItalic()) ? "\\i" : "\\i0";
        if (f.fontUnderline() != m_unterstrichen) w += (m_unterstrichen = f.fontUnderline()) ? "\\ul" : "\\ulnone";
        if (farbe != m_farbe) w += "\\cf" + QByteArray::number(m_farbe = farbe);
        return w.isEmpty() ? w : w + ' ';
    }

    const QTextDocument& m_d;
    QStringList m_schriften;
    QList<QColor> m_farben;
    int m_schrift = -1;
    int m_groesse = -1;
    bool m_fett = false;
    bool m_kursiv = false;
    bool m_unterstrichen = false;
    int m_farbe = 0;
};

}  // namespace

void RtfLesen(const QByteArray& rtf, QTextDocument& dokument)
{
    dokument.clear();
    if (!rtf.trimmed().startsWith("{\\rtf")) {
        dokument.setPlainText(Cp1252::decode(rtf).remove(QLatin1Char('\r')));
        return;
    }
    Leser(dokument).lesen(RtfZerlegen(rtf));
    // A text read is where the editing starts, not an edit to take back.
    dokument.clearUndoRedoStacks();
}

QByteArray RtfSchreiben(const QTextDocument& dokument) { return Schreiber(dokument).schreiben(); }
