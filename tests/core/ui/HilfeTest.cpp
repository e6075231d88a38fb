// The help texts the program ships and the help window: every help file a
// window names lies in assets/hilfe, and the window shows it with its
// formatting and without texts of controls its window lacks.

#include "core/SettingsFile.h"
#include "core/ui/Hilfe.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>
#include <string>

namespace {

const QString Quelle = QStringLiteral(CORVALINK_QUELLE);

// The help files of the windows and the tips, with the title each begins with.
const std::pair<const char*, const char*> Hilfedateien[] = {
    {"Hilfe_Bravolin.rtf", "Corvalink – Hilfe"},
    {"Hilfe_Datenbank.rtf", "Spielerdatenbank"},
    {"Hilfe_Grossanz.rtf", "Konfiguration der Großanzeige"},
    {"Hilfe_Monitoranz.rtf", "Konfiguration der Monitoranzeige"},
    {"Hilfe_Namenanz.rtf", "Konfiguration der Namenanzeige"},
    {"Hilfe_Terminalanz.rtf", "Konfiguration des Infoterminals"},
    {"Hilfe_Tipps.rtf", "Tipps und Tricks"},
    {"Hilfe_Wurfvorw.rtf", "Vorwahl"},
};

// Texts a help file must not have: captions, buttons and limits its window lacks.
const std::pair<const char*, const char*> Fremdtexte[] = {
    {"Hilfe_Grossanz.rtf", "mit - und +"},         {"Hilfe_Grossanz.rtf", "unter „Werbung“"},
    {"Hilfe_Grossanz.rtf", "„Auswahl“"},           {"Hilfe_Monitoranz.rtf", "unter „Werbung“"},
    {"Hilfe_Monitoranz.rtf", "„Auswahl“"},         {"Hilfe_Terminalanz.rtf", "unter „Werbung“"},
    {"Hilfe_Terminalanz.rtf", "„Auswahl“"},        {"Hilfe_Wurfvorw.rtf", "0 bis 19 sind fest"},
};

// Texts a help file must have: pages and buttons of its window.
const std::pair<const char*, const char*> Pflichttexte[] = {
    {"Hilfe_Terminalanz.rtf", "Seite „Text“"},
    {"Hilfe_Terminalanz.rtf", "Schriftart und Größe; F schaltet fette, K kursive Schrift"},
    {"Hilfe_Terminalanz.rtf", "Anzeigen bewirkt hier nichts"},
    {"Hilfe_Wurfvorw.rtf", "Tippen Sie eine Bahnauswahl ein: Neu fügt sie hinter der gewählten ein, Ändern ersetzt die "
                           "gewählte durch den eingetippten Text, Löschen entfernt die gewählte."},
};

// Sorted and joined, so that a difference reads well.
std::string Liste(const QStringList& namen)
{
    QStringList sortiert = namen;
    sortiert.sort();
    sortiert.removeDuplicates();
    return sortiert.join(u' ').toStdString();
}

std::string Tabelle()
{
    QStringList namen;
    for (const auto& [name, titel] : Hilfedateien) namen << QString::fromLatin1(name);
    return Liste(namen);
}

// Every help file name the program's sources give.
std::string GenannteDateien()
{
    static const QRegularExpression Name(QStringLiteral("\"(Hilfe_\\w+\\.rtf)\""));
    QStringList namen;
    QDirIterator it(Quelle + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (const QRegularExpressionMatch& m : Name.globalMatch(text)) namen << m.captured(1);
    }
    return Liste(namen);
}

struct Gezeigt {
    QString titel;
    QString text;
    double titelGroesse = 0;
    bool titelFett = false;
    QString titelFarbe;
    bool textMitFett = false;  // a paragraph of text with a bold run inside normal text
    bool amAnfang = false;     // shown from its beginning
    bool gesehen = false;
};

Gezeigt Ansehen(const QTextDocument& d)
{
    Gezeigt g;
    g.gesehen = true;
    const QTextBlock erster = d.begin();
    g.titel = erster.text();
    g.text = d.toPlainText();
    const QTextCharFormat f = erster.begin().fragment().charFormat();
    g.titelGroesse = f.fontPointSize();
    g.titelFett = f.fontWeight() == QFont::Bold;
    g.titelFarbe = f.foreground().color().name();
    for (QTextBlock b = erster.next(); b.isValid(); b = b.next()) {
        bool fett = false, normal = false;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            (it.fragment().charFormat().fontWeight() == QFont::Bold ? fett : normal) = true;
        g.textMitFett = g.textMitFett || (fett && normal);
    }
    return g;
}

}  // namespace

// A table of the help files, checked against the names in the sources and
// against what assets/hilfe holds.
TEST(Hilfedateien, EveryFileAWindowNamesIsShipped)
{
    EXPECT_EQ(GenannteDateien(), Tabelle());
    EXPECT_EQ(Liste(QDir(Quelle + QStringLiteral("/assets/hilfe")).entryList(QDir::Files)), Tabelle());
}

TEST(Hilfe, ShowsEachShippedFileWithItsFormattingAndNoForeignText)
{
    const QString vorher = Hilfeverzeichnis;
    Hilfeverzeichnis = Quelle + QStringLiteral("/assets/hilfe");
    for (const auto& [name, titel] : Hilfedateien) {
        Gezeigt g;
        QTimer::singleShot(0, qApp, [&g] {
            auto* hilfe = qobject_cast<THilfe*>(QApplication::activeModalWidget());
            if (!hilfe) return;
            g = Ansehen(*hilfe->REHilfe->document());
            g.amAnfang = hilfe->REHilfe->verticalScrollBar()->value() == 0;
            hilfe->BtnOK->click();
        });
        HilfedateiZeigen(nullptr, QString::fromLatin1(name));
        ASSERT_TRUE(g.gesehen) << name;
        EXPECT_EQ(g.titel, QString::fromUtf8(titel)) << name;
        EXPECT_EQ(g.titelGroesse, 16.0) << name;
        EXPECT_TRUE(g.titelFett) << name;
        EXPECT_EQ(g.titelFarbe, QStringLiteral("#003366")) << name;
        EXPECT_TRUE(g.textMitFett) << name;
        EXPECT_TRUE(g.amAnfang) << name;
        for (const auto& [datei, text] : Fremdtexte)
            EXPECT_FALSE(qstrcmp(datei, name) == 0 && g.text.contains(QString::fromUtf8(text))) << name << ": " << text;
        for (const auto& [datei, text] : Pflichttexte)
            EXPECT_TRUE(qstrcmp(datei, name) != 0 || g.text.contains(QString::fromUtf8(text))) << name << ": " << text;
    }
    Hilfeverzeichnis = vorher;
}
