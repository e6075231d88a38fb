#include "platform/bericht/ui/Berichtsdesigner.h"

#include "core/Boxes.h"
#include "platform/bericht/Berichtsprojekt.h"
#include "platform/bericht/ui/Berichtsvorschau.h"
#include "support/Warten.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A small card of this program's format: one text with a variable.
const char* const Karte = R"({
  "format": "corvalink-berichtsprojekt",
  "version": 1,
  "typ": "karte",
  "seite": {"format": "A4", "ausrichtung": "hoch"},
  "objekte": [
    {"art": "text", "rechteck_mm": [20, 20, 120, 10], "text": "Heim: {Heim.Name} {Bahn}"}
  ]
}
)";

QByteArray lesen(const QString& datei)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString& datei, const QByteArray& inhalt)
{
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

class Berichtsdesigner : public ::testing::Test {
protected:
    void SetUp() override
    {
        skriptBoxen() = SkriptBoxen();
        ASSERT_TRUE(ordner.isValid());
    }

    std::unique_ptr<TBerichtsdesigner> oeffnen(const QString& name, int typ = ProjekttypKarte)
    {
        datei = ordner.filePath(name);
        const Berichtswerte variablen = {{QStringLiteral("Heim.Name"), QStringLiteral("KSC Blau-Weiß")},
                                         {QStringLiteral("Gast.Name"), QStringLiteral("SG Nord")}};
        const Berichtswerte felder = {{QStringLiteral("Spieler.Name"), QStringLiteral("Anna Muster")},
                                      {QStringLiteral("Spieler.Pass"), QStringLiteral("4711")}};
        auto d = std::make_unique<TBerichtsdesigner>(nullptr, QStringLiteral("Formular"), typ, datei, variablen,
                                                     felder);
        d->show();
        return d;
    }

    static QPlainTextEdit* text(TBerichtsdesigner& d) { return d.findChild<QPlainTextEdit*>(QStringLiteral("EProjekt")); }
    static QString fehler(TBerichtsdesigner& d) { return d.findChild<QLabel*>(QStringLiteral("LFehler"))->text(); }
    static QPushButton* knopf(TBerichtsdesigner& d, const char* name)
    {
        return d.findChild<QPushButton*>(QLatin1String(name));
    }

    QTemporaryDir ordner;
    QString datei;
};

}  // namespace

TEST_F(Berichtsdesigner, FehlendeDateiBeginntMitStandardprojekt)
{
    for (const auto& [typ, art] : {std::pair{ProjekttypKarte, Projektart::Karte}, {ProjekttypListe, Projektart::Liste}}) {
        auto d = oeffnen(QStringLiteral("neu"), typ);
        EXPECT_EQ(text(*d)->toPlainText().toUtf8(), StandardProjekt(art).replace("\r\n", "\n"));
        EXPECT_TRUE(knopf(*d, "BtnSpeichern")->isEnabled());
        EXPECT_EQ(d->findChild<TBerichtsvorschau*>(QStringLiteral("Vorschau"))->seitenzahl(), 1);
        EXPECT_FALSE(QFile::exists(datei));
    }
}

TEST_F(Berichtsdesigner, ListeFuelltDieVorschauMitBeispielzeilen)
{
    auto d = oeffnen(QStringLiteral("Spielerdaten.lst"), ProjekttypListe);
    const auto seiten = d->findChild<TBerichtsvorschau*>(QStringLiteral("Vorschau"))->seiten();
    ASSERT_EQ(seiten.size(), 1);
    const Berichtselement* tabelle = nullptr;
    for (const Berichtselement& e : seiten.first().elemente)
        if (e.art == Berichtselement::Art::Tabelle) tabelle = &e;
    ASSERT_NE(tabelle, nullptr);
    EXPECT_GE(tabelle->zeilen.size(), 2);
    EXPECT_LE(tabelle->zeilen.size(), 40);
    EXPECT_TRUE(tabelle->zeilen.first().join(QLatin1Char('|')).contains(QStringLiteral("Anna Muster")));
    for (const QStringList& zeile : tabelle->zeilen) EXPECT_EQ(zeile, tabelle->zeilen.first());
}

TEST_F(Berichtsdesigner, ZeigtFehlerMitZeileUndSperrtSpeichern)
{
    auto d = oeffnen(QStringLiteral("Bericht.crd"));
    text(*d)->setPlainText(QStringLiteral("{\n  \"format\": \"corvalink-berichtsprojekt\",\n  \"version\": 1,\n"
                                          "  \"typ\": \"karte\",\n  x\n}\n"));
    EXPECT_TRUE(fehler(*d).startsWith(QStringLiteral("Zeile 5, Spalte "))) << fehler(*d).toStdString();
    EXPECT_FALSE(knopf(*d, "BtnSpeichern")->isEnabled());

    text(*d)->setPlainText(QString::fromUtf8(Karte));
    EXPECT_EQ(fehler(*d), QStringLiteral("Namen ohne Wert: Bahn"));
    EXPECT_TRUE(knopf(*d, "BtnSpeichern")->isEnabled());
}

TEST_F(Berichtsdesigner, FremdeDateiWirdAlsTextGezeigt)
{
    schreiben(ordner.filePath(QStringLiteral("Alt.crd")), "[Formular]\nName=Spielbericht\n");
    auto d = oeffnen(QStringLiteral("Alt.crd"));
    EXPECT_EQ(text(*d)->toPlainText(), QStringLiteral("[Formular]\nName=Spielbericht\n"));
    EXPECT_FALSE(fehler(*d).isEmpty());
    EXPECT_FALSE(knopf(*d, "BtnSpeichern")->isEnabled());
    EXPECT_EQ(lesen(datei), "[Formular]\nName=Spielbericht\n");

    // Not a text at all: the default project to start again from.
    schreiben(ordner.filePath(QStringLiteral("Binaer.crd")), QByteArray("\x00\x01LL\xff\xfe", 6));
    auto b = oeffnen(QStringLiteral("Binaer.crd"));
    EXPECT_EQ(text(*b)->toPlainText().toUtf8(), StandardProjekt(Projektart::Karte).replace("\r\n", "\n"));
    EXPECT_TRUE(fehler(*b).contains(QStringLiteral("Standardformular ist geladen"))) << fehler(*b).toStdString();
    EXPECT_TRUE(knopf(*b, "BtnSpeichern")->isEnabled());
}

TEST_F(Berichtsdesigner, SpeichertGueltigeAenderung)
{
    auto d = oeffnen(QStringLiteral("Bericht.crd"));
    text(*d)->setPlainText(QString::fromUtf8(Karte));
    // The preview follows shortly after the edit.
    const auto* vorschau = d->findChild<TBerichtsvorschau*>(QStringLiteral("Vorschau"));
    ASSERT_TRUE(warten([&] { return vorschau->seiten().first().elemente.size() == 1; }, 5000));
    const auto seiten = vorschau->seiten();
    EXPECT_EQ(seiten.first().elemente.first().text, QStringLiteral("Heim: KSC Blau-Weiß "));

    knopf(*d, "BtnSpeichern")->click();
    EXPECT_EQ(d->ergebnis(), BerichtOk);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(lesen(datei), QByteArray(Karte));
    EXPECT_TRUE(skriptBoxen().gezeigt.isEmpty());
}

TEST_F(Berichtsdesigner, SchreibfehlerMeldetUndBleibtOffen)
{
    auto d = oeffnen(QStringLiteral("fehlt/Bericht.crd"));
    knopf(*d, "BtnSpeichern")->click();
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->ergebnis(), BerichtAbgebrochen);
    ASSERT_EQ(skriptBoxen().gezeigt.size(), 1);
    EXPECT_TRUE(skriptBoxen().gezeigt.first().startsWith(QStringLiteral("Das Formular kann nicht gespeichert werden")));
}

TEST_F(Berichtsdesigner, VerwerfenFragtNachAenderungUndLaesstDieDatei)
{
    schreiben(ordner.filePath(QStringLiteral("Bericht.crd")), Karte);
    auto d = oeffnen(QStringLiteral("Bericht.crd"));
    text(*d)->appendPlainText(QStringLiteral(" "));

    skriptBoxen().antworten = {ErgebnisNein};
    knopf(*d, "BtnVerwerfen")->click();
    EXPECT_TRUE(d->isVisible());

    skriptBoxen().antworten = {ErgebnisJa};
    d->close();  // the window's close button
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->ergebnis(), BerichtAbgebrochen);
    EXPECT_EQ(skriptBoxen().gezeigt,
              QStringList(2, QStringLiteral("Die Änderungen am Formular verwerfen ?")));
    EXPECT_EQ(lesen(datei), QByteArray(Karte));

    // Unchanged: no question.
    auto e = oeffnen(QStringLiteral("Bericht.crd"));
    knopf(*e, "BtnVerwerfen")->click();
    EXPECT_FALSE(e->isVisible());
    EXPECT_EQ(skriptBoxen().gezeigt.size(), 2);
}

TEST_F(Berichtsdesigner, DoppelklickFuegtNamenEin)
{
    schreiben(ordner.filePath(QStringLiteral("Bericht.crd")), Karte);
    auto d = oeffnen(QStringLiteral("Bericht.crd"));
    auto* namen = d->findChild<QListWidget*>(QStringLiteral("LNamen"));
    QStringList alle;
    for (int i = 0; i < namen->count(); ++i) alle << namen->item(i)->text();
    EXPECT_EQ(alle, QStringList({QStringLiteral("Heim.Name"), QStringLiteral("Gast.Name"),
                                 QStringLiteral("Spieler.Name"), QStringLiteral("Spieler.Pass")}));

    QTextCursor marke = text(*d)->textCursor();
    marke.movePosition(QTextCursor::Start);
    text(*d)->setTextCursor(marke);
    const QPoint p = namen->visualItemRect(namen->item(1)).center();
    for (auto art : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                     QEvent::MouseButtonRelease}) {
        QMouseEvent e(art, p, namen->viewport()->mapToGlobal(p), Qt::LeftButton,
                      art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(namen->viewport(), &e);
    }
    EXPECT_TRUE(text(*d)->toPlainText().startsWith(QStringLiteral("{Gast.Name}{\n")));
    EXPECT_EQ(text(*d)->textCursor().position(), 11);
}
