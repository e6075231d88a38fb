#include "core/ui/Textformatleiste.h"

#include "core/Sound.h"
#include "core/ui/Farbe.h"
#include "core/ui/Farben.h"
#include "core/ui/Hinweis.h"
#include "core/ui/Zeichenwache.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QPixmap>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

constexpr int EinzugSchritt = 40;
constexpr int FarbfeldGroesse = 18;

quint32 ZuFarbwert(const QColor& c) { return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16; }

}  // namespace

Textformatleiste::Textformatleiste(const Namen& namen, const QList<int>& groessen, QWidget* eltern)
    : QWidget(eltern)
{
    Schriftart = Benannt(new QComboBox(this), namen.schriftart);
    Schriftart->addItems(QFontDatabase::families());
    Schriftart->setMinimumWidth(220);
    Groesse = Benannt(new QComboBox(this), namen.groesse);
    for (int g : groessen) Groesse->addItem(QString::number(g));
    SBtnFett = Schaltknopf(this, "SBtnFett", QStringLiteral("F"), QStringLiteral("fette Schrift"));
    SBtnKursiv = Schaltknopf(this, "SBtnKursiv", QStringLiteral("K"), QStringLiteral("kursive Schrift"));
    for (QToolButton* b : {SBtnFett, SBtnKursiv}) {
        b->setCheckable(true);
        QFont f = b->font();
        f.setBold(b == SBtnFett);
        f.setItalic(b == SBtnKursiv);
        b->setFont(f);
    }
    SBtnSchriftfarbe = Schaltknopf(this, "SBtnSchriftfarbe", QString(), QStringLiteral("Schriftfarbe"));
    SBtnSchriftfarbe->setIconSize(QSize(FarbfeldGroesse, FarbfeldGroesse));
    SBtnLeft = Schaltknopf(this, "SBtnLeft", QString(), QStringLiteral("Einzug verkleinern"));
    SBtnLeft->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    SBtnRight = Schaltknopf(this, "SBtnRight", QString(), QStringLiteral("Einzug vergrößern"));
    SBtnRight->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));

    auto* reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->addWidget(Schriftart);
    reihe->addWidget(Groesse);
    reihe->addSpacing(8);
    for (QToolButton* b : {SBtnFett, SBtnKursiv, SBtnSchriftfarbe}) reihe->addWidget(b);
    reihe->addSpacing(8);
    reihe->addWidget(SBtnLeft);
    reihe->addWidget(SBtnRight);
    reihe->addStretch();

    connect(Schriftart, &QComboBox::activated, this, &Textformatleiste::schriftartWaehlen);
    connect(Groesse, &QComboBox::activated, this, &Textformatleiste::groesseWaehlen);
    connect(SBtnFett, &QToolButton::clicked, this, &Textformatleiste::fettUmschalten);
    connect(SBtnKursiv, &QToolButton::clicked, this, &Textformatleiste::kursivUmschalten);
    connect(SBtnSchriftfarbe, &QToolButton::clicked, this, &Textformatleiste::schriftfarbeWaehlen);
    connect(SBtnLeft, &QToolButton::clicked, this, [this] { einzug(-EinzugSchritt); });
    connect(SBtnRight, &QToolButton::clicked, this, [this] { einzug(+EinzugSchritt); });
    for (QToolButton* b : {SBtnFett, SBtnKursiv, SBtnSchriftfarbe, SBtnLeft, SBtnRight})
        connect(b, &QToolButton::pressed, this, [] { KlickSoundSpielen(); });
}

void Textformatleiste::bearbeiten(QTextEdit* editor)
{
    if (m_editor) disconnect(m_editor, nullptr, this, nullptr);
    m_editor = editor;
    if (!m_editor) return;
    // Rich text holds every character: its file writes "\uN?" for those beyond Windows-1252.
    ZeichenFrei(m_editor);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &Textformatleiste::formatZeigen);
    formatZeigen(m_editor->currentCharFormat());
}

void Textformatleiste::formatAnwenden(const QTextCharFormat& format)
{
    m_editor->mergeCurrentCharFormat(format);
    m_editor->setFocus();
}

void Textformatleiste::schriftartWaehlen(int index)
{
    if (!m_editor || index < 0) return;
    QTextCharFormat f;
    f.setFontFamilies({Schriftart->itemText(index)});
    formatAnwenden(f);
}

void Textformatleiste::groesseWaehlen(int index)
{
    if (!m_editor || index < 0) return;
    QTextCharFormat f;
    f.setFontPointSize(Groesse->itemText(index).toInt());
    formatAnwenden(f);
}

void Textformatleiste::fettUmschalten()
{
    if (!m_editor) return;
    QTextCharFormat f;
    f.setFontWeight(m_editor->currentCharFormat().fontWeight() > QFont::Medium ? QFont::Normal : QFont::Bold);
    formatAnwenden(f);
}

void Textformatleiste::kursivUmschalten()
{
    if (!m_editor) return;
    QTextCharFormat f;
    f.setFontItalic(!m_editor->currentCharFormat().fontItalic());
    formatAnwenden(f);
}

// The foreground of the format, or the editor's text colour where it has none.
QColor Textformatleiste::textfarbe(const QTextCharFormat& format) const
{
    return format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                       : m_editor->palette().color(QPalette::Text);
}

void Textformatleiste::schriftfarbeWaehlen()
{
    if (!m_editor) return;
    const std::optional<quint32> farbe = FarbeWaehlen(window(), ZuFarbwert(textfarbe(m_editor->currentCharFormat())));
    if (!farbe) {
        m_editor->setFocus();
        return;
    }
    QTextCharFormat f;
    f.setForeground(FarbeZuQColor(*farbe));
    formatAnwenden(f);
}

// The first-line indent of every paragraph of the selection; it never
// reaches left of the page.
void Textformatleiste::einzug(int schritt)
{
    if (!m_editor) return;
    QTextCursor c = m_editor->textCursor();
    QTextDocument* d = m_editor->document();
    const QTextBlock letzter = d->findBlock(c.selectionEnd());
    c.beginEditBlock();
    for (QTextBlock b = d->findBlock(c.selectionStart()); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        f.setTextIndent(std::max(f.textIndent() + schritt, -f.leftMargin()));
        QTextCursor(b).setBlockFormat(f);
        if (b == letzter) break;
    }
    c.endEditBlock();
    m_editor->setFocus();
}

// The font, size, bold, italic and colour at the caret; no entry for a size
// or font the list does not hold. A family the system lacks shows as the one
// that stands in for it ("Arial": "Liberation Sans").
void Textformatleiste::formatZeigen(const QTextCharFormat& format)
{
    const QStringList familien = format.fontFamilies().toStringList();
    const QFont standard = m_editor->document()->defaultFont();
    const QString familie = familien.isEmpty() ? standard.family() : familien.first();
    const double pt = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : standard.pointSizeF();
    const QString groesse = pt == std::floor(pt) ? QString::number(int(pt)) : QString();
    {
        const QSignalBlocker a(Schriftart), b(Groesse);
        int i = Schriftart->findText(familie);
        if (i < 0) i = Schriftart->findText(QFontInfo(QFont(familie)).family());
        Schriftart->setCurrentIndex(i);
        Groesse->setCurrentIndex(groesse.isEmpty() ? -1 : Groesse->findText(groesse));
    }
    SBtnFett->setChecked(format.fontWeight() > QFont::Medium);
    SBtnKursiv->setChecked(format.fontItalic());
    QPixmap feld(FarbfeldGroesse, FarbfeldGroesse);
    feld.fill(textfarbe(format));
    SBtnSchriftfarbe->setIcon(QIcon(feld));
}
