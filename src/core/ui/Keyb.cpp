#include "core/ui/Keyb.h"

#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {

QPointer<TKeyb> g_keyb;
QPointer<QWidget> g_bahnsteuerung;

QString zeichen(u8 code) { return QString(QChar(code)); }

void schrift(QWidget* w, int pixel)
{
    QFont f = w->font();
    f.setPixelSize(pixel);
    w->setFont(f);
}

QFrame* lampe(QWidget* auf, const char* name)
{
    auto* l = new QFrame(auf);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(4, 4, 25, 8);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->setBackgroundRole(QPalette::Window);  // not the button's
    l->setAutoFillBackground(true);
    return l;
}

void lampeSetzen(QFrame* l, bool an)
{
    QPalette p = l->palette();
    p.setColor(QPalette::Window, an ? QColor(0, 220, 0) : QColor(0, 80, 0));
    l->setPalette(p);
}

}  // namespace

TKeyb::TKeyb(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Keyb"));
    setWindowTitle(QStringLiteral("Tastatur"));
    setFixedSize(982, 386);
    schrift(this, 14);
    HintergrundSetzen(this, u"ColorKeyb");

    PText = new QFrame(this);
    PText->setObjectName(QStringLiteral("PText"));
    PText->setGeometry(28, 25, 285, 28);
    PText->setFrameShape(QFrame::Panel);
    PText->setFrameShadow(QFrame::Sunken);
    PText->setToolTip(QStringLiteral("Name des Feldes"));
    LText = new QLabel(PText);
    LText->setObjectName(QStringLiteral("LText"));
    LText->setGeometry(4, 2, 277, 24);
    LText->setTextFormat(Qt::PlainText);
    EText = new QLineEdit(this);
    EText->setObjectName(QStringLiteral("EText"));
    EText->setGeometry(324, 25, 629, 30);
    EText->setToolTip(QStringLiteral("Eingabefeld"));
    schrift(EText, 19);

    BtnEsc = knopf("BtnEsc", QStringLiteral("Esc"), 28, 86);
    BtnEsc->setToolTip(QStringLiteral("Eingabe beenden"));
    funktionstaste(BtnEsc, &TKeyb::reject);
    const char* ziffern[] = {"Btn1", "Btn2", "Btn3", "Btn4", "Btn5", "Btn6", "Btn7", "Btn8", "Btn9", "Btn0"};
    for (int i = 0; i < 10; ++i) zeichentaste(ziffern[i], u8(i < 9 ? '1' + i : '0'), 84 + 56 * i, 86);
    zeichentaste("BtnSS", 0xDF, 644, 86);
    zeichentaste("BtnBSlash", '\\', 700, 86);
    zeichentaste("BtnBacksp", TasteBacksp, 756, 86, 86);
    zeichentaste("BtnEntf", TasteEntf, 848, 86);
    BtnBacksp = m_tasten[TasteBacksp];
    BtnBacksp->setText(QStringLiteral("Backsp"));
    BtnEntf = m_tasten[TasteEntf];
    BtnEntf->setText(QStringLiteral("Entf"));
    BtnClear = knopf("BtnClear", QStringLiteral("Clr"), 904, 86);
    funktionstaste(BtnClear, &TKeyb::clear);

    BtnTab = knopf("BtnTab", QStringLiteral("Tab"), 28, 142, 73);
    connect(BtnTab, &QPushButton::pressed, this, &TastenklickSpielen);
    const char* reihe1 = "QWERTZUIOP";
    for (int i = 0; reihe1[i]; ++i) {
        const QByteArray name = "Btn" + QByteArray(1, reihe1[i]);
        zeichentaste(name.constData(), u8(reihe1[i]), 107 + 56 * i, 142);
    }
    zeichentaste("BtnUe", 0xDC, 667, 142);
    zeichentaste("BtnPlus", '+', 723, 142, 63);
    BtnReturn = knopf("BtnReturn", QStringLiteral("\u21B5"), 792, 142, 50, 105);
    BtnReturn->setDefault(true);
    funktionstaste(BtnReturn, &TKeyb::accept);
    BtnEinfg = knopf("BtnEinfg", QStringLiteral("Einfg"), 848, 142);
    BtnEinfg->setToolTip(QStringLiteral("in den Einfügemodus schalten"));
    funktionstaste(BtnEinfg, &TKeyb::einfg);
    PLedEinf = lampe(BtnEinfg, "PLedEinf");

    BtnLock = knopf("BtnLock", QStringLiteral("Lock"), 28, 198, 86);
    funktionstaste(BtnLock, &TKeyb::lock);
    PLedLock = lampe(BtnLock, "PLedLock");
    const char* reihe2 = "ASDFGHJKL";
    for (int i = 0; reihe2[i]; ++i) {
        const QByteArray name = "Btn" + QByteArray(1, reihe2[i]);
        zeichentaste(name.constData(), u8(reihe2[i]), 120 + 56 * i, 198);
    }
    zeichentaste("BtnOe", 0xD6, 624, 198);
    zeichentaste("BtnAe", 0xC4, 680, 198);
    zeichentaste("BtnDKreuz", '#', 736, 198);

    BtnShift1 = knopf("BtnShift1", QStringLiteral("Shift"), 28, 254, 110);
    BtnShift1->setToolTip(QStringLiteral("das folgende Zeichen wird groß geschrieben"));
    funktionstaste(BtnShift1, &TKeyb::shift);
    const char* reihe3 = "YXCVBNM";
    for (int i = 0; reihe3[i]; ++i) {
        const QByteArray name = "Btn" + QByteArray(1, reihe3[i]);
        zeichentaste(name.constData(), u8(reihe3[i]), 144 + 56 * i, 254);
    }
    zeichentaste("BtnKomma", ',', 536, 254);
    zeichentaste("BtnPunkt", '.', 592, 254);
    zeichentaste("BtnStrich", '-', 648, 254);
    schrift(m_tasten['-'], 20);
    zeichentaste("BtnAt", '@', 704, 254);
    BtnShift2 = knopf("BtnShift2", QStringLiteral("Shift"), 760, 254, 82);
    funktionstaste(BtnShift2, &TKeyb::shift);
    BtnZurueck = knopf("BtnZurueck", QStringLiteral("\u21E4"), 848, 254);
    BtnZurueck->setToolTip(QStringLiteral("zum vorhergehenden Feld im Formular"));
    funktionstaste(BtnZurueck, &TKeyb::zurueck);

    zeichentaste("BtnSpace", ' ', 167, 310, 563);
    BtnSpace = m_tasten[' '];
    BtnSpace->setText(QString());
    zeichentaste("BtnLeft", TasteLinks, 792, 310);
    BtnLeft = m_tasten[TasteLinks];
    BtnLeft->setText(QStringLiteral("\u2190"));
    BtnVor = knopf("BtnVor", QStringLiteral("\u21E5"), 848, 310);
    BtnVor->setToolTip(QStringLiteral("zum nächsten Feld im Formular"));
    funktionstaste(BtnVor, &TKeyb::vor);
    zeichentaste("BtnRight", TasteRechts, 904, 310);
    BtnRight = m_tasten[TasteRechts];
    BtnRight->setText(QStringLiteral("\u2192"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(800);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(40);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        Timer2->start();
    });
    connect(Timer2, &QTimer::timeout, this, &TKeyb::wiederholen);

    PopupColor = new QMenu(this);
    PopupColor->setObjectName(QStringLiteral("PopupColor"));
    PopupColorGround = HintergrundAktion(this, u"ColorKeyb", PopupColor);

    lampen();
}

QPushButton* TKeyb::knopf(const char* name, const QString& text, int x, int y, int breite, int hoehe)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, y, breite, hoehe);
    b->setFocusPolicy(Qt::NoFocus);  // the caret stays in the edit line
    b->setAutoDefault(false);
    schrift(b, 18);
    return b;
}

void TKeyb::zeichentaste(const char* name, u8 code, int x, int y, int breite)
{
    QPushButton* b = knopf(name, zeichen(code), x, y, breite);
    m_tasten[code] = b;
    connect(b, &QPushButton::pressed, this, [this, code] { gedrueckt(code); });
    connect(b, &QPushButton::released, this, &TKeyb::losgelassen);
}

void TKeyb::funktionstaste(QPushButton* b, void (TKeyb::*handlung)())
{
    connect(b, &QPushButton::pressed, this, &TastenklickSpielen);
    connect(b, &QPushButton::clicked, this, handlung);
}

QPushButton* TKeyb::taste(u8 code) const
{
    const auto it = m_tasten.find(code);
    return it == m_tasten.end() ? nullptr : it->second;
}

// Runs a rule on the edit line as it stands and shows the result.
template <typename F>
void TKeyb::mitZeile(F f)
{
    Tastaturzeile z;
    z.prompt = LText->text();
    z.text = EText->text();
    z.maxLaenge = EText->maxLength();
    z.caret = EText->cursorPosition();
    if (EText->hasSelectedText()) {
        z.selStart = EText->selectionStart();
        z.selLaenge = int(EText->selectedText().size());
    } else {
        z.selStart = z.caret;
    }
    f(z);
    LText->setText(z.prompt);
    EText->setMaxLength(z.maxLaenge);
    EText->setText(z.text);
    if (z.selLaenge > 0) EText->setSelection(z.selStart, z.selLaenge);
    else EText->setCursorPosition(z.caret);
    EText->setFocus();
    lampen();
}

void TKeyb::lampen()
{
    lampeSetzen(PLedEinf, Einfuegen != 0);
    lampeSetzen(PLedLock, Feststell != 0);
}

void TKeyb::gedrueckt(u8 code)
{
    TastenklickSpielen();
    Timer1->start();
    Tastencode = code;
    mitZeile(EditChar);
}

void TKeyb::losgelassen()
{
    Timer1->stop();
    Timer2->stop();
}

void TKeyb::wiederholen() { mitZeile(EditChar); }
void TKeyb::vor() { mitZeile(TasteVor); }
void TKeyb::zurueck() { mitZeile(TasteZurueck); }
void TKeyb::shift() { mitZeile([](Tastaturzeile&) { TasteShift(); }); }
void TKeyb::lock() { mitZeile([](Tastaturzeile&) { TasteLock(); }); }
void TKeyb::einfg() { mitZeile([](Tastaturzeile&) { TasteEinfg(); }); }
void TKeyb::clear() { mitZeile(TasteClear); }

void TKeyb::accept()
{
    mitZeile(TasteReturn);
    QDialog::accept();
}

void TKeyb::reject()
{
    TasteEsc();
    QDialog::reject();
}

void TKeyb::showEvent(QShowEvent* event)
{
    if (g_bahnsteuerung && g_bahnsteuerung->isVisible()) g_bahnsteuerung->hide();
    move(KeybLeft, KeybTop);
    QDialog::showEvent(event);
    mitZeile(TastaturAktivieren);
}

void TKeyb::setVisible(bool sichtbar)
{
    QDialog::setVisible(sichtbar);
    // Showing a dialog focuses its edit as if tabbed into, which selects
    // the whole text; the caret belongs where the field was loaded.
    if (sichtbar && EText->hasSelectedText()) EText->setCursorPosition(TastaturPosition);
}

void TKeyb::hideEvent(QHideEvent* event)
{
    losgelassen();
    QDialog::hideEvent(event);
    if (g_bahnsteuerung && g_bahnsteuerung->isVisible()) g_bahnsteuerung->raise();
}

void TKeyb::contextMenuEvent(QContextMenuEvent* event) { PopupColor->popup(event->globalPos()); }

TKeyb* Keyb(QWidget* parent)
{
    if (!g_keyb) g_keyb = new TKeyb(parent);
    return g_keyb;
}

bool TastaturAnzeigen(QObject* control)
{
    static QElapsedTimer uhr;
    if (!uhr.isValid()) uhr.start();
    TKeyb* k = Keyb();
    if (k->isVisible()) return false;
    if (!TippOeffnet(control, uhr.elapsed())) return false;
    k->exec();
    return true;
}

void TastaturBahnsteuerungSetzen(QWidget* panel) { g_bahnsteuerung = panel; }
