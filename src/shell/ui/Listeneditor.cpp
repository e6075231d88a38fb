#include "shell/ui/Listeneditor.h"

#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/Tastatur.h"
#include "core/ui/Keyb.h"
#include "core/ui/Tastaturfelder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

Listeneditor::Listeneditor(QComboBox* combo, QPushButton* neu, QPushButton* umbenennen, QPushButton* loeschen,
                           u16 feldcode, const QString& prompt, int hoechstens, TastaturFelder* tastatur)
    : QObject(combo), m_combo(combo), m_neu(neu), m_feldcode(feldcode), m_hoechstens(hoechstens)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    connect(combo, &QComboBox::activated, this, &Listeneditor::ComboClick);
    connect(neu, &QPushButton::clicked, this, &Listeneditor::NeuClick);
    connect(umbenennen, &QPushButton::clicked, this, &Listeneditor::UmbenennenClick);
    connect(loeschen, &QPushButton::clicked, this, &Listeneditor::LoeschenClick);

    if (!tastatur) tastatur = new TastaturFelder(combo, feldcode, feldcode);
    Tastaturfeld f;
    f.code = feldcode;
    f.prompt = prompt;
    f.modus = ModusText;
    f.lesen = [combo] { return combo->currentText(); };
    f.schreiben = [this](const QString& text) { tastaturSchreiben(text); };
    f.maxLaenge = [combo] { return combo->lineEdit()->maxLength(); };
    tastatur->feld(f, combo->lineEdit());
}

void Listeneditor::fuellen(const QStringList& eintraege)
{
    Namensliste l;
    l.eintraege = eintraege;
    l.gemerkt = eintraege.isEmpty() ? -1 : 0;
    anwenden(l);
}

void Listeneditor::auswaehlen(int index)
{
    const QSignalBlocker sperre(m_combo);
    m_combo->setCurrentIndex(index >= 0 && index < m_combo->count() ? index : -1);
    if (m_combo->currentIndex() < 0) m_combo->setEditText(QString());
    m_gemerkt = m_combo->currentIndex();
}

QStringList Listeneditor::eintraege() const
{
    QStringList liste;
    for (int i = 0; i < m_combo->count(); ++i) liste.append(m_combo->itemText(i));
    return liste;
}

void Listeneditor::ComboClick() { m_gemerkt = m_combo->currentIndex(); }

void Listeneditor::NeuClick()
{
    emit bearbeitet();
    Namensliste l = stand();
    if (l.voll()) return neuKnopfSetzen();
    if (TouchEingabe) {
        const int vorher = l.gemerkt;
        const int pos = l.einfuegen(QString());
        anwenden(l);
        // Nothing typed, or a text the check refused: the entry goes again.
        if (!tastaturOeffnen() || m_combo->itemText(pos).isEmpty()) {
            l = stand();
            l.eintraege.removeAt(pos);
            l.gemerkt = vorher;
            anwenden(l);
            return;
        }
        m_gemerkt = pos;
    } else {
        const QString text = m_combo->currentText();
        if (pruefen) {
            if (const QString meldung = pruefen(text); !meldung.isEmpty()) {
                boxen().hinweis(meldung);
                return;
            }
        }
        l.einfuegen(text);
        anwenden(l);
    }
    m_combo->setEditText(m_combo->itemText(m_gemerkt));
    neuKnopfSetzen();
}

void Listeneditor::UmbenennenClick()
{
    emit bearbeitet();
    if (TouchEingabe) {
        tastaturOeffnen();
        return;
    }
    Namensliste l = stand();
    if (l.umbenennen(m_combo->currentText())) anwenden(l);
}

void Listeneditor::LoeschenClick()
{
    emit bearbeitet();
    Namensliste l = stand();
    if (l.loeschen()) anwenden(l);
}

Namensliste Listeneditor::stand() const
{
    Namensliste l;
    l.eintraege = eintraege();
    l.gemerkt = m_gemerkt < m_combo->count() ? m_gemerkt : -1;
    l.hoechstens = m_hoechstens;
    return l;
}

void Listeneditor::anwenden(const Namensliste& liste)
{
    {
        const QSignalBlocker sperre(m_combo);
        m_combo->clear();
        m_combo->addItems(liste.eintraege);
    }
    auswaehlen(liste.gemerkt);
    neuKnopfSetzen();
}

void Listeneditor::neuKnopfSetzen() { m_neu->setEnabled(m_combo->count() < m_hoechstens); }

bool Listeneditor::tastaturOeffnen()
{
    Feldcode = m_feldcode;
    FeldcodeMin = m_feldcode;
    FeldcodeMax = m_feldcode;
    return TastaturAnzeigen(nullptr);
}

void Listeneditor::tastaturSchreiben(const QString& text)
{
    if (pruefen) {
        if (const QString meldung = pruefen(text); !meldung.isEmpty()) {
            boxen().hinweis(meldung);
            return;
        }
    }
    const int i = m_combo->currentIndex();
    if (i >= 0) m_combo->setItemText(i, text);
    FeldSchreiben(m_combo->lineEdit(), text);
}
