#include "platform/bericht/ui/Berichtsdesigner.h"

#include "core/Boxes.h"
#include "core/ui/Zeichenwache.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/ui/Berichtsvorschau.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSet>
#include <QSplitter>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {

constexpr int Vorschauverzug = 500;        // ms after the last edit
constexpr int ZeilenDerVorschau = 40;      // sample rows of a list at most
constexpr qint64 GroessterText = 4 << 20;  // a larger file is no project text
constexpr int GenannteNamen = 8;           // names without a value listed at most

// Whether the bytes can be edited as a text: UTF-8 without control characters.
bool istText(const QByteArray& daten)
{
    for (const char c : daten) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = utf8(daten);
    return !utf8.hasError();
}

QString fehlertext(const Projektfehler& f)
{
    if (f.zeile > 0) return QStringLiteral("Zeile %1, Spalte %2: %3").arg(f.zeile).arg(f.spalte).arg(f.text);
    return f.text;
}

QWidget* mitUeberschrift(const QString& ueberschrift, QWidget* inhalt, QWidget* darunter = nullptr)
{
    auto* teil = new QWidget;
    auto* spalte = new QVBoxLayout(teil);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);
    auto* kopf = new QLabel(ueberschrift);
    QFont fett = kopf->font();
    fett.setBold(true);
    kopf->setFont(fett);
    spalte->addWidget(kopf);
    spalte->addWidget(inhalt, 1);
    if (darunter) spalte->addWidget(darunter);
    return teil;
}

}  // namespace

TBerichtsdesigner::TBerichtsdesigner(QWidget* eltern, const QString& titel, int typ, const QString& projektdatei,
                                     const Berichtswerte& variablen, const Berichtswerte& felder)
    : QDialog(eltern),
      m_datei(projektdatei),
      m_liste(typ == ProjekttypListe),
      m_variablen(variablen),
      m_felder(felder),
      m_text(new QPlainTextEdit),
      m_fehler(new QLabel),
      m_namen(new QListWidget),
      m_vorschau(new TBerichtsvorschau),
      m_speichern(new QPushButton(QStringLiteral("&Speichern"))),
      m_verwerfen(new QPushButton(QStringLiteral("&Verwerfen")))
{
    setObjectName(QStringLiteral("TBerichtsdesigner"));
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Formular entwerfen") : titel);
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    m_text->setObjectName(QStringLiteral("EProjekt"));
    ZeichenFrei(m_text);  // a project is a UTF-8 file
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setTabStopDistance(4 * m_text->fontMetrics().horizontalAdvance(QLatin1Char(' ')));

    m_fehler->setObjectName(QStringLiteral("LFehler"));
    m_fehler->setWordWrap(true);
    m_fehler->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_fehler->setFixedHeight(m_fehler->fontMetrics().lineSpacing() * 4);
    m_fehler->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_namen->setObjectName(QStringLiteral("LNamen"));
    m_namen->setToolTip(QStringLiteral("Ein Doppelklick fügt den Namen an der Schreibmarke ein."));
    QSet<QString> gesehen;
    for (const Berichtswerte* werte : {&m_variablen, &m_felder}) {
        for (const Berichtswert& w : *werte) {
            if (w.name.isEmpty() || gesehen.contains(w.name)) continue;
            gesehen.insert(w.name);
            auto* eintrag = new QListWidgetItem(w.name, m_namen);
            if (!w.wert.isEmpty()) eintrag->setToolTip(QStringLiteral("Beispiel: %1").arg(w.wert));
        }
    }

    m_vorschau->setObjectName(QStringLiteral("Vorschau"));
    m_speichern->setObjectName(QStringLiteral("BtnSpeichern"));
    m_verwerfen->setObjectName(QStringLiteral("BtnVerwerfen"));
    m_speichern->setAutoDefault(false);
    m_verwerfen->setAutoDefault(false);

    auto* teiler = new QSplitter(Qt::Horizontal);
    teiler->setObjectName(QStringLiteral("Teiler"));
    teiler->setChildrenCollapsible(false);
    teiler->addWidget(mitUeberschrift(QStringLiteral("Formular"), m_text, m_fehler));
    teiler->addWidget(mitUeberschrift(QStringLiteral("Variablen und Felder"), m_namen));
    teiler->addWidget(mitUeberschrift(QStringLiteral("Vorschau mit Beispielwerten"), m_vorschau));
    teiler->setStretchFactor(0, 5);
    teiler->setStretchFactor(1, 2);
    teiler->setStretchFactor(2, 5);
    teiler->setSizes({500, 220, 480});

    auto* knoepfe = new QDialogButtonBox;
    knoepfe->addButton(m_speichern, QDialogButtonBox::AcceptRole);
    knoepfe->addButton(m_verwerfen, QDialogButtonBox::RejectRole);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(teiler, 1);
    spalte->addWidget(knoepfe);
    resize(1200, 760);

    laden();

    m_warten.setSingleShot(true);
    m_warten.setInterval(Vorschauverzug);
    connect(&m_warten, &QTimer::timeout, this, &TBerichtsdesigner::vorschauAktualisieren);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        m_ladehinweis.clear();
        pruefen();
        m_warten.start();
    });
    connect(m_namen, &QListWidget::itemDoubleClicked, this, &TBerichtsdesigner::nameEinfuegen);
    connect(m_speichern, &QPushButton::clicked, this, &TBerichtsdesigner::speichern);
    connect(m_verwerfen, &QPushButton::clicked, this, &TBerichtsdesigner::reject);

    pruefen();
    vorschauAktualisieren();
}

// The file's text; a missing file gives the default project. A file that is
// no project but a text is shown anyway, so that it can be repaired.
void TBerichtsdesigner::laden()
{
    const QByteArray standard = StandardProjekt(m_liste ? Projektart::Liste : Projektart::Karte);
    QByteArray text = standard;
    QFile datei(m_datei);
    if (datei.exists()) {
        if (!datei.open(QIODevice::ReadOnly)) {
            m_ladehinweis = QStringLiteral("Die Formulardatei kann nicht gelesen werden (%1); das Standardformular "
                                           "ist geladen.")
                                .arg(datei.errorString());
        } else if (datei.size() > GroessterText) {
            m_ladehinweis = QStringLiteral("Formulardatei hat ein unbekanntes Format; das Standardformular ist "
                                           "geladen.");
        } else {
            const QByteArray inhalt = datei.readAll();
            if (istText(inhalt)) {
                text = inhalt;
            } else {
                const Projektergebnis e = ProjektLesen(inhalt, QFileInfo(m_datei).absolutePath());
                m_ladehinweis = fehlertext(e.fehler) + QStringLiteral("; das Standardformular ist geladen.");
            }
        }
    }
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_text->setPlainText(s);
    m_text->document()->setModified(false);
}

// The fault line and the save button for the text as it is now.
void TBerichtsdesigner::pruefen()
{
    const Projektergebnis e = ProjektLesen(m_text->toPlainText().toUtf8(), QFileInfo(m_datei).absolutePath());
    QStringList zeilen;
    bool fehler = false;
    if (!m_ladehinweis.isEmpty()) zeilen << m_ladehinweis;
    if (!e.projekt) {
        fehler = true;
        zeilen << fehlertext(e.fehler);
    } else {
        zeilen << e.projekt->hinweise;
        const bool liste = e.projekt->art == Projektart::Liste;
        if (liste != m_liste)
            zeilen << (liste ? QStringLiteral("Das Formular ist eine Liste, erwartet wird eine Karte.")
                             : QStringLiteral("Das Formular ist eine Karte, erwartet wird eine Liste."));
        QSet<QString> bekannt;
        for (const Berichtswerte* werte : {&m_variablen, &m_felder})
            for (const Berichtswert& w : *werte) bekannt.insert(w.name);
        QStringList ohneWert;
        for (const QString& name : ProjektNamen(*e.projekt))
            if (!bekannt.contains(name)) ohneWert << name;
        if (!ohneWert.isEmpty()) {
            QString liste = ohneWert.mid(0, GenannteNamen).join(QLatin1String(", "));
            if (ohneWert.size() > GenannteNamen)
                liste += QStringLiteral(" und %1 weitere").arg(ohneWert.size() - GenannteNamen);
            zeilen << QStringLiteral("Namen ohne Wert: %1").arg(liste);
        }
    }
    m_fehler->setText(zeilen.join(QLatin1Char('\n')));
    m_fehler->setStyleSheet(fehler ? QStringLiteral("color: #b00020;")
                                   : QStringLiteral("color: #8a5a00;"));
    m_speichern->setEnabled(!fehler);
}

void TBerichtsdesigner::vorschauAktualisieren()
{
    m_warten.stop();
    const Projektergebnis e = ProjektLesen(m_text->toPlainText().toUtf8(), QFileInfo(m_datei).absolutePath());
    if (!e.projekt) return;  // the last good page stays
    Berichtsseite seite = SeiteBeginnen(*e.projekt, Werte(m_variablen));
    if (e.projekt->art == Projektart::Liste) {
        const Wertetabelle felder = Werte(m_felder);
        for (int i = 0; i < ZeilenDerVorschau; ++i)
            if (!ZeileAnfuegen(seite, *e.projekt, felder)) break;
    }
    m_vorschau->seitenSetzen({seite});
}

void TBerichtsdesigner::speichern()
{
    pruefen();
    if (!m_speichern->isEnabled()) return;
    QSaveFile datei(m_datei);
    const QByteArray text = m_text->toPlainText().toUtf8();
    if (!datei.open(QIODevice::WriteOnly) || datei.write(text) != text.size() || !datei.commit()) {
        boxen().hinweis(QStringLiteral("Das Formular kann nicht gespeichert werden:\n%1\n%2")
                            .arg(QDir::toNativeSeparators(m_datei), datei.errorString()));
        return;
    }
    m_text->document()->setModified(false);
    m_ergebnis = BerichtOk;
    accept();
}

void TBerichtsdesigner::reject()
{
    if (m_text->document()->isModified() &&
        boxen().hinweisJa(QStringLiteral("Die Änderungen am Formular verwerfen ?")) != ErgebnisJa)
        return;
    m_ergebnis = BerichtAbgebrochen;
    QDialog::reject();
}

void TBerichtsdesigner::nameEinfuegen(QListWidgetItem* eintrag)
{
    if (!eintrag) return;
    QTextCursor marke = m_text->textCursor();
    marke.insertText(QLatin1Char('{') + eintrag->text() + QLatin1Char('}'));
    m_text->setTextCursor(marke);
    m_text->setFocus();
}
