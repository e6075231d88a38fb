// The advert editor on a temporary data folder: configurations new, renamed
// and deleted with their files renumbered, entries taken from the choice
// tree and edited, drag and drop, the choice tree written and read back;
// the preview window.
#include "core/Boxes.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "displays/ui/Vorschau.h"
#include "displays/ui/Werbeeditor.h"
#include "support/Dateien.h"
#include "support/Grundlage.h"
#include "support/Klicken.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVideoWidget>

namespace {

class WerbeeditorTest : public Grundlage {
protected:
    void SetUp() override
    {
        Grundlage::SetUp();
        ASSERT_TRUE(tmp.isValid());
        m_daten = Datenverzeichnis;
        Datenverzeichnis = tmp.path();
        ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(pfad("a.jpg")));
        ASSERT_TRUE(QImage(10, 10, QImage::Format_RGB32).save(pfad("b.bmp")));
        ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("v.avi"), "kein Video"));
    }
    void TearDown() override
    {
        Datenverzeichnis = m_daten;
        Grundlage::TearDown();
    }

    QString pfad(const QString& name) const { return QDir(tmp.path()).filePath(name); }
    QByteArray datei(const QString& name) const { return DateiInhalt(pfad(name)); }
    QByteArray zeile(const char* text, const char* name, const char* zahlen) const
    {
        return QByteArray(text) + ";" + pfad(QLatin1String(name)).toUtf8() + ";" + zahlen + "\r\n";
    }
    // Configurations A..D, each with one entry that names its number.
    void vierKonfigurationen()
    {
        ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz.inf"), "A\r\nB\r\nC\r\nD\r\n"));
        for (int k = 0; k < 4; ++k)
            ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz%1.dat").arg(k),
                                     zeile(QByteArray::number(k).constData(), "a.jpg", "1;0;0")));
    }

    QTemporaryDir tmp;

private:
    QString m_daten;
};

QStringList Texte(const QTreeWidget* baum)
{
    QStringList t;
    for (int i = 0; i < baum->topLevelItemCount(); ++i) t.append(baum->topLevelItem(i)->text(0));
    return t;
}

// The choice tree as "Text(child, ...)".
QString Struktur(const QTreeWidgetItem* k)
{
    QStringList kinder;
    for (int i = 0; i < k->childCount(); ++i) kinder.append(Struktur(k->child(i)));
    return k->text(0) + (kinder.isEmpty() ? QString() : QLatin1Char('(') + kinder.join(QLatin1Char(',')) + ')');
}
QString Struktur(const QTreeWidget* baum)
{
    QStringList t;
    for (int i = 0; i < baum->topLevelItemCount(); ++i) t.append(Struktur(baum->topLevelItem(i)));
    return t.join(QLatin1Char(','));
}

void Fokus(QWidget* w)
{
    QFocusEvent e(QEvent::FocusIn);
    QApplication::sendEvent(w, &e);
}

TEST_F(WerbeeditorTest, NeueKonfigurationNachEinsVonVierNummeriertDieDateienUm)
{
    vierKonfigurationen();
    Werbeeditor e(QStringLiteral("Grossanz"), QStringLiteral("Hilfe_Grossanz.rtf"));
    int namen = 0;
    QObject::connect(&e, &Werbeeditor::konfigurationenGeaendert, [&namen] { ++namen; });
    e.aktivieren(1);
    e.CAnzeige->setEditText(QStringLiteral("Neu"));
    Klicken(e.BtnAnzeigeNeu);

    EXPECT_EQ(datei("Grossanz.inf"), "A\r\nB\r\nNeu\r\nC\r\nD\r\n");
    EXPECT_EQ(datei("Grossanz1.dat"), zeile("1", "a.jpg", "1;0;0"));
    EXPECT_FALSE(QFileInfo::exists(pfad("Grossanz2.dat")));
    EXPECT_EQ(datei("Grossanz3.dat"), zeile("2", "a.jpg", "1;0;0"));
    EXPECT_EQ(datei("Grossanz4.dat"), zeile("3", "a.jpg", "1;0;0"));
    EXPECT_EQ(e.konfigurationNr(), 2);
    EXPECT_EQ(e.CAnzeige->currentIndex(), 2);
    EXPECT_EQ(e.TreeWerbung->topLevelItemCount(), 0);
    EXPECT_EQ(namen, 1);
}

TEST_F(WerbeeditorTest, EinVorhandenerNameWirdAbgewiesen)
{
    vierKonfigurationen();
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    e.aktivieren(3);
    e.CAnzeige->setEditText(QStringLiteral("B"));
    Klicken(e.BtnAnzeigeNeu);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Der Eintrag ist bereits vorhanden !")});
    EXPECT_EQ(datei("Grossanz.inf"), "A\r\nB\r\nC\r\nD\r\n");
    EXPECT_EQ(e.CAnzeige->currentIndex(), 3);
    EXPECT_EQ(e.CAnzeige->currentText(), QStringLiteral("D"));
}

// Only the same name is already there; one that differs in case is a new name.
TEST_F(WerbeeditorTest, NeuUndUmbenennenUnterscheidenGrossUndKlein)
{
    struct Fall {
        QPushButton* Werbeeditor::*knopf;
        const char* name;
        const char* inf;
    };
    const Fall faelle[] = {
        {&Werbeeditor::BtnAnzeigeNeu, "b", "A\r\nB\r\nC\r\nD\r\nb\r\n"},
        {&Werbeeditor::BtnAnzeigeNeu, "D", "A\r\nB\r\nC\r\nD\r\n"},
        {&Werbeeditor::BtnAnzeigeUmbenennen, "a", "A\r\nB\r\nC\r\na\r\n"},
        {&Werbeeditor::BtnAnzeigeUmbenennen, "C", "A\r\nB\r\nC\r\nD\r\n"},
    };
    for (const Fall& f : faelle) {
        vierKonfigurationen();
        skriptBoxen().gezeigt.clear();
        Werbeeditor e(QStringLiteral("Grossanz"), QString());
        e.aktivieren(3);
        e.CAnzeige->setEditText(QLatin1String(f.name));
        Klicken(e.*f.knopf);
        const bool abgewiesen = QByteArray(f.inf) == "A\r\nB\r\nC\r\nD\r\n";
        EXPECT_EQ(skriptBoxen().gezeigt.size(), abgewiesen ? 1 : 0) << f.name;
        EXPECT_EQ(datei("Grossanz.inf").toStdString(), f.inf) << f.name;
    }
}

TEST_F(WerbeeditorTest, LoeschenNurAufJa)
{
    vierKonfigurationen();
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    e.aktivieren(1);
    for (const QList<int>& antwort : {QList<int>{ErgebnisNein}, QList<int>{}}) {
        skriptBoxen().antworten = antwort;
        Klicken(e.BtnAnzeigeLoeschen);
        EXPECT_EQ(datei("Grossanz.inf"), "A\r\nB\r\nC\r\nD\r\n");
        EXPECT_TRUE(QFileInfo::exists(pfad("Grossanz3.dat")));
        EXPECT_EQ(e.konfigurationNr(), 1);
    }
    EXPECT_EQ(skriptBoxen().gezeigt.value(0), QStringLiteral("Konfiguration für ´B´ löschen ?"));

    skriptBoxen().antworten = {ErgebnisJa};
    Klicken(e.BtnAnzeigeLoeschen);
    EXPECT_EQ(datei("Grossanz.inf"), "A\r\nC\r\nD\r\n");
    EXPECT_EQ(datei("Grossanz1.dat"), zeile("2", "a.jpg", "1;0;0"));
    EXPECT_EQ(datei("Grossanz2.dat"), zeile("3", "a.jpg", "1;0;0"));
    EXPECT_FALSE(QFileInfo::exists(pfad("Grossanz3.dat")));
    EXPECT_EQ(e.konfigurationNr(), 0);
    EXPECT_EQ(Texte(e.TreeWerbung), QStringList{QStringLiteral("0")});
}

TEST_F(WerbeeditorTest, EintragAusDerAuswahlBearbeitenUndSpeichern)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz.inf"), "Pause\r\n"));
    const QByteArray auswahl = "Verzeichnis;0;Bilder\r\nDatei;1;a.jpg;" + pfad("a.jpg").toUtf8() + ";0;0;0\r\n";
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Auswahl_Grossanz.dat"), auswahl));
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    e.aktivieren(0);
    EXPECT_FALSE(e.CBProbe->isEnabled());

    e.TreeAuswahl->setCurrentItem(e.TreeAuswahl->topLevelItem(0)->child(0));
    Klicken(e.BtnSelect);
    ASSERT_EQ(Texte(e.TreeWerbung), QStringList{QStringLiteral("a.jpg")});
    EXPECT_EQ(e.EintragGeaendert, 1);
    QTreeWidgetItem* eintrag = e.TreeWerbung->topLevelItem(0);
    EXPECT_EQ(eintrag->toolTip(0), QDir::toNativeSeparators(pfad("a.jpg")));

    e.TreeWerbung->setCurrentItem(eintrag);
    ASSERT_TRUE(e.CBProbe->isEnabled());
    EXPECT_EQ(e.EWerbezeit->text(), QString());
    e.CBProbe->setChecked(true);
    e.CBWettkende->setChecked(true);
    e.EWerbezeit->setText(QStringLiteral("15"));
    e.EWerbeabstand->setText(QStringLiteral("030"));

    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_TRUE(e.speichern());
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Konfiguration für ´Pause´ speichern ?")});
    EXPECT_EQ(datei("Grossanz0.dat"), zeile("a.jpg", "a.jpg", "68;15;30"));
    EXPECT_EQ(datei("Grossanz.inf"), "Pause\r\n");
    EXPECT_EQ(datei("Auswahl_Grossanz.dat"), auswahl);
    EXPECT_EQ(e.EintragGeaendert, 0);
}

TEST_F(WerbeeditorTest, FehlendeDateiBleibtOhneEditorUndFaelltBeimSpeichernWeg)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz.inf"), "A\r\nB\r\n"));
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz1.dat"),
                             zeile("weg", "fehlt.jpg", "1;0;0") + zeile("Bild", "a.jpg", "4;10;0")));
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    e.aktivieren(0);
    e.CAnzeigeClick(1);
    ASSERT_EQ(Texte(e.TreeWerbung), (QStringList{QStringLiteral("Datei nicht vorhanden"), QStringLiteral("Bild")}));
    e.TreeWerbung->setCurrentItem(e.TreeWerbung->topLevelItem(0));
    EXPECT_FALSE(e.EWerbezeit->isEnabled());
    e.TreeWerbung->setCurrentItem(e.TreeWerbung->topLevelItem(1));
    EXPECT_TRUE(e.CBProbe->isChecked());
    EXPECT_FALSE(e.CBWettk->isChecked());
    EXPECT_EQ(e.EWerbezeit->text(), QStringLiteral("10"));
    EXPECT_EQ(e.EWerbeabstand->text(), QString());

    // Leaving for another configuration asks for the one being left.
    e.CBWettk->setChecked(true);
    skriptBoxen().antworten = {ErgebnisJa};
    e.CAnzeigeClick(0);
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Konfiguration für ´B´ speichern ?")});
    EXPECT_EQ(datei("Grossanz1.dat"), zeile("Bild", "a.jpg", "12;10;0"));
    EXPECT_EQ(e.konfigurationNr(), 0);
}

TEST_F(WerbeeditorTest, ZiehenUndAblegen)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz.inf"), "A\r\n"));
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz0.dat"),
                             zeile("x", "a.jpg", "1;0;0") + zeile("y", "a.jpg", "1;0;0") + zeile("z", "a.jpg", "1;0;0")));
    const QByteArray auswahl = "Verzeichnis;0;O\r\nDatei;1;f;" + pfad("b.bmp").toUtf8() +
                               ";8;0;0\r\nVerzeichnis;1;P\r\nDatei;0;g;" + pfad("a.jpg").toUtf8() + ";1;0;0\r\n";
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Auswahl_Grossanz.dat"), auswahl));
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    e.aktivieren(0);
    QTreeWidget* W = e.TreeWerbung;
    QTreeWidget* A = e.TreeAuswahl;
    QTreeWidgetItem* o = A->topLevelItem(0);
    QTreeWidgetItem* f = o->child(0);
    QTreeWidgetItem* p = o->child(1);
    QTreeWidgetItem* g = A->topLevelItem(1);
    auto eintrag = [W](int i) { return W->topLevelItem(i); };

    e.ablegen(A, f, W, eintrag(1));  // copied in front of y
    e.ablegen(A, g, W, nullptr);     // appended
    e.ablegen(A, o, W, nullptr);     // a folder is no entry
    EXPECT_EQ(Texte(W), (QStringList{"x", "f", "y", "z", "g"}));
    EXPECT_EQ(Werbeeditor::eintragVon(eintrag(1))->Maske, 8);
    EXPECT_EQ(e.EintragGeaendert, 1);

    e.ablegen(W, eintrag(3), W, eintrag(0));  // z to the front
    e.ablegen(W, eintrag(1), W, nullptr);     // x to the end
    EXPECT_EQ(Texte(W), (QStringList{"z", "f", "y", "g", "x"}));
    e.ablegen(W, eintrag(2), A, g);           // y removed
    EXPECT_EQ(Texte(W), (QStringList{"z", "f", "g", "x"}));
    EXPECT_EQ(Struktur(A), QStringLiteral("O(f,P),g"));

    e.ablegen(A, o, A, p);        // not into itself
    e.ablegen(A, p, A, f);        // in front of f
    EXPECT_EQ(Struktur(A), QStringLiteral("O(P,f),g"));
    e.ablegen(A, g, A, o);        // to the front
    e.ablegen(A, f, A, nullptr);  // to the end of the top level
    EXPECT_EQ(Struktur(A), QStringLiteral("g,O(P),f"));
}

TEST_F(WerbeeditorTest, LoeschenImFokussiertenBaum)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz.inf"), "A\r\n"));
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz0.dat"), zeile("x", "a.jpg", "1;0;0")));
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Auswahl_Grossanz.dat"), "Verzeichnis;0;O\r\n"));
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    e.aktivieren(0);
    e.TreeWerbung->setCurrentItem(e.TreeWerbung->topLevelItem(0));
    e.TreeAuswahl->setCurrentItem(e.TreeAuswahl->topLevelItem(0));
    Fokus(e.TreeWerbung);

    Klicken(e.BtnAuswahlLoeschen);  // unanswered: no
    EXPECT_EQ(e.TreeWerbung->topLevelItemCount(), 1);
    skriptBoxen().antworten = {ErgebnisJa};
    Klicken(e.BtnAuswahlLoeschen);
    EXPECT_EQ(e.TreeWerbung->topLevelItemCount(), 0);
    EXPECT_EQ(e.EintragGeaendert, 1);
    EXPECT_FALSE(e.CBProbe->isEnabled());

    Fokus(e.TreeAuswahl);
    skriptBoxen().antworten = {ErgebnisJa};
    Klicken(e.BtnAuswahlLoeschen);
    EXPECT_EQ(e.TreeAuswahl->topLevelItemCount(), 0);
    EXPECT_EQ(skriptBoxen().gezeigt, (QStringList{QStringLiteral("Eintrag ´x´ löschen ?"),
                                                  QStringLiteral("Eintrag ´x´ löschen ?"),
                                                  QStringLiteral("Eintrag ´O´ löschen ?")}));
}

TEST_F(WerbeeditorTest, AuswahlbaumGespeichertUndWiederGeladen)
{
    TouchEingabe = 1;  // names through the input box
    skriptBoxen().eingaben = {QStringLiteral("Bilder"), QStringLiteral("Vi;deos")};
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    // The last one's name cannot be stored: it is refused.
    QStringList gewaehlt{pfad("a.jpg"), pfad("b.bmp"), pfad("v.avi"), pfad("Yılmaz.jpg")};
    e.dateiWaehlen = [&gewaehlt] { return gewaehlt.takeFirst(); };
    e.aktivieren(0);
    QTreeWidget* A = e.TreeAuswahl;

    Klicken(e.BtnAuswahlNeu);  // at the top level, nothing selected
    QTreeWidgetItem* bilder = A->topLevelItem(0);
    Klicken(e.BtnDateiSuchen);                   // into the folder
    A->setCurrentItem(bilder->child(0));
    Klicken(e.BtnDateiSuchen);                   // in front of the file
    A->setCurrentItem(bilder);
    Klicken(e.BtnAuswahlNeu);                    // the folder's last child
    Klicken(e.BtnDateiSuchen);
    Klicken(e.BtnDateiSuchen);
    TouchEingabe = 0;
    ASSERT_EQ(skriptBoxen().anfragen.size(), 2);
    EXPECT_EQ(skriptBoxen().anfragen[0].beschriftung, QStringLiteral("Name:"));
    EXPECT_EQ(skriptBoxen().anfragen[0].hinweis, QStringLiteral("Name eintragen"));
    EXPECT_FALSE(skriptBoxen().anfragen[0].pfeileSichtbar);
    EXPECT_EQ(skriptBoxen().anfragen[1].text, QStringLiteral("Neu"));
    EXPECT_EQ(Struktur(A), QStringLiteral("Bilder(b.bmp,a.jpg,Vi,deos(v.avi))"));

    skriptBoxen().gezeigt.clear();
    EXPECT_TRUE(e.speichern());
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());  // no entry changed: no question
    const QByteArray erwartet = "Verzeichnis;0;Bilder\r\nDatei;1;b.bmp;" + pfad("b.bmp").toUtf8() +
                                ";0;0;0\r\nDatei;1;a.jpg;" + pfad("a.jpg").toUtf8() +
                                ";0;0;0\r\nVerzeichnis;1;Vi,deos\r\nDatei;2;v.avi;" + pfad("v.avi").toUtf8() +
                                ";0;0;0\r\n";
    EXPECT_EQ(datei("Auswahl_Grossanz.dat"), erwartet);

    e.schliessen();
    EXPECT_EQ(A->topLevelItemCount(), 0);
    e.aktivieren(0);
    EXPECT_EQ(Struktur(A), QStringLiteral("Bilder(b.bmp,a.jpg,Vi,deos(v.avi))"));
}

TEST_F(WerbeeditorTest, DoppelklickZeigtDieVorschau)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz.inf"), "A\r\n"));
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Grossanz0.dat"), zeile("x", "b.bmp", "64;0;7")));
    Werbeeditor e(QStringLiteral("Grossanz"), QString());
    QStringList gezeigt;
    e.vorschau = [&gezeigt](const QString& d) { gezeigt.append(d); };
    e.aktivieren(5);  // out of range: configuration 0
    emit e.TreeWerbung->itemDoubleClicked(e.TreeWerbung->topLevelItem(0), 0);
    EXPECT_EQ(gezeigt, QStringList{pfad("b.bmp")});
    EXPECT_TRUE(e.CBWettkende->isChecked());
    EXPECT_EQ(e.EWerbeabstand->text(), QStringLiteral("7"));
}

// --- Text entries (the name boards) ---

TEST_F(WerbeeditorTest, TextmodusOhneAuswahlbaumDateisucheUndVorschau)
{
    Werbeeditor datei(QStringLiteral("Grossanz"), QString());
    EXPECT_TRUE(datei.CBLaufschrift->isHidden() && datei.BtnEintragNeu->isHidden());

    Werbeeditor text(QStringLiteral("Namenanz"), QString(), Eintragsart::Text);
    for (QWidget* w : std::initializer_list<QWidget*>{text.TreeAuswahl, text.BtnSelect, text.BtnAuswahlNeu,
                                                      text.BtnAuswahlUmbenennen, text.BtnDateiSuchen})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    for (QWidget* w : std::initializer_list<QWidget*>{text.CBLaufschrift, text.BtnEintragNeu,
                                                      text.BtnEintragUmbenennen, text.BtnAuswahlLoeschen})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_EQ(text.CBLaufschrift->text(), QStringLiteral("  Laufschrift"));
}

TEST_F(WerbeeditorTest, NeuerTextUeberDieEingabeOhneTrennzeichenUndMitLaufschrift)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Namenanz.inf"), "Halle\r\n"));
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Namenanz0.dat"), "Willkommen;1;0;0\r\n"));
    Werbeeditor e(QStringLiteral("Namenanz"), QString(), Eintragsart::Text);
    QStringList gezeigt;
    e.vorschau = [&gezeigt](const QString& d) { gezeigt.append(d); };
    e.aktivieren(0);
    ASSERT_EQ(Texte(e.TreeWerbung), QStringList{QStringLiteral("Willkommen")});
    e.TreeWerbung->setCurrentItem(e.TreeWerbung->topLevelItem(0));

    // Cancelled or blank: no entry.
    skriptBoxen().eingaben = {std::nullopt, QStringLiteral("   ")};
    Klicken(e.BtnEintragNeu);
    Klicken(e.BtnEintragNeu);
    EXPECT_EQ(e.TreeWerbung->topLevelItemCount(), 1);
    EXPECT_EQ(e.EintragGeaendert, 0);

    // In front of the selected entry; a ';' would split the line, it becomes ','.
    skriptBoxen().eingaben = {QStringLiteral(" Gut Holz; Freunde ")};
    Klicken(e.BtnEintragNeu);
    ASSERT_EQ(skriptBoxen().anfragen.size(), 3);
    EXPECT_EQ(skriptBoxen().anfragen[2].beschriftung, QStringLiteral("Name:"));
    EXPECT_EQ(skriptBoxen().anfragen[2].hinweis, QStringLiteral("Name eintragen"));
    EXPECT_EQ(skriptBoxen().anfragen[2].text, QString());
    EXPECT_FALSE(skriptBoxen().anfragen[2].pfeileSichtbar);
    EXPECT_EQ(Texte(e.TreeWerbung), (QStringList{QStringLiteral("Gut Holz, Freunde"), QStringLiteral("Willkommen")}));
    EXPECT_EQ(e.EintragGeaendert, 1);
    ASSERT_EQ(e.TreeWerbung->currentItem(), e.TreeWerbung->topLevelItem(0));
    ASSERT_TRUE(e.CBLaufschrift->isEnabled());
    EXPECT_FALSE(e.CBLaufschrift->isChecked());
    e.CBLaufschrift->setChecked(true);
    e.CBWettk->setChecked(true);
    e.EWerbezeit->setText(QStringLiteral("5"));

    skriptBoxen().antworten = {ErgebnisJa};
    skriptBoxen().gezeigt.clear();
    EXPECT_TRUE(e.speichern());
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Konfiguration für ´Halle´ speichern ?")});
    EXPECT_EQ(datei("Namenanz0.dat"), "Gut Holz, Freunde;264;5;0\r\nWillkommen;1;0;0\r\n");
    EXPECT_FALSE(QFileInfo::exists(pfad("Auswahl_Namenanz.dat")));

    // Read back: the running-text bit is there again; a double click renames, no preview.
    e.schliessen();
    e.aktivieren(0);
    e.TreeWerbung->setCurrentItem(e.TreeWerbung->topLevelItem(0));
    EXPECT_TRUE(e.CBLaufschrift->isChecked());
    EXPECT_TRUE(e.CBWettk->isChecked());
    EXPECT_FALSE(e.CBProbe->isChecked());
    EXPECT_EQ(e.EWerbezeit->text(), QStringLiteral("5"));
    skriptBoxen().eingaben = {QStringLiteral("Servus")};
    emit e.TreeWerbung->itemDoubleClicked(e.TreeWerbung->topLevelItem(1), 0);
    EXPECT_TRUE(gezeigt.isEmpty());
    EXPECT_EQ(skriptBoxen().anfragen.last().text, QStringLiteral("Willkommen"));
    EXPECT_EQ(Texte(e.TreeWerbung), (QStringList{QStringLiteral("Gut Holz, Freunde"), QStringLiteral("Servus")}));
    EXPECT_EQ(e.TreeWerbung->topLevelItem(1)->toolTip(0), QStringLiteral("Servus"));
    EXPECT_EQ(e.EintragGeaendert, 1);
}

TEST_F(WerbeeditorTest, TexteLoeschenUndUmbenennenMitDenKnoepfen)
{
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Namenanz.inf"), "A\r\nB\r\n"));
    ASSERT_TRUE(DateiAblegen(tmp.path(), QStringLiteral("Namenanz1.dat"), "Eins;4;0;0\r\nZwei ohne Zahlen\r\n"));
    Werbeeditor e(QStringLiteral("Namenanz"), QString(), Eintragsart::Text);
    e.aktivieren(1);
    ASSERT_EQ(Texte(e.TreeWerbung), (QStringList{QStringLiteral("Eins"), QStringLiteral("Zwei ohne Zahlen")}));
    e.TreeWerbung->setCurrentItem(e.TreeWerbung->topLevelItem(1));
    EXPECT_FALSE(e.CBProbe->isChecked());

    skriptBoxen().eingaben = {QStringLiteral("Zwei")};
    Klicken(e.BtnEintragUmbenennen);
    skriptBoxen().antworten = {ErgebnisJa};
    skriptBoxen().gezeigt.clear();
    e.TreeWerbung->setCurrentItem(e.TreeWerbung->topLevelItem(0));
    Klicken(e.BtnAuswahlLoeschen);  // the text list, without focusing it first
    EXPECT_EQ(skriptBoxen().gezeigt, QStringList{QStringLiteral("Eintrag ´Eins´ löschen ?")});
    EXPECT_EQ(Texte(e.TreeWerbung), QStringList{QStringLiteral("Zwei")});

    skriptBoxen().antworten = {ErgebnisJa};
    EXPECT_TRUE(e.speichern());
    EXPECT_EQ(datei("Namenanz1.dat"), "Zwei;0;0;0\r\n");
}

TEST(Vorschau, ArtNachEndung)
{
    const std::pair<const char*, Vorschauart> faelle[] = {
        {"a.JPG", Vorschauart::Bild},   {"a.jpeg", Vorschauart::Bild},  {"/x/a.Bmp", Vorschauart::Bild},
        {"a.avi", Vorschauart::Video},  {"a.MPG", Vorschauart::Video},  {"a.png", Vorschauart::Keine},
        {"jpg", Vorschauart::Keine},
    };
    for (const auto& [name, art] : faelle) EXPECT_EQ(VorschauartVon(QLatin1String(name)), art) << name;
}

TEST_F(WerbeeditorTest, VorschauBildVideoUndKlick)
{
    // The GStreamer backend crashes where its plugins are missing.
    qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    TVorschau bild;
    EXPECT_FALSE(bild.laden(pfad("fehlt.jpg")));
    ASSERT_TRUE(bild.laden(pfad("a.jpg")));
    EXPECT_EQ(bild.size(), QSize(30, 20));
    bild.show();
    Klicken(&bild);
    EXPECT_FALSE(bild.isVisible());

    TVorschau video;
    ASSERT_TRUE(video.laden(pfad("v.avi")));
    ASSERT_NE(video.Video, nullptr);
    EXPECT_TRUE(video.Image->isHidden());
    EXPECT_EQ(video.Video->geometry(), QRect(4, 4, video.Panel->width() - 8, video.Panel->height() - 8));
    video.videoEnde();
    EXPECT_TRUE(video.beendet());
}

}  // namespace
