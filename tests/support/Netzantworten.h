#pragma once
// A network module whose transfers wait for the test: every mail and page
// request is recorded and its answer is held until the test gives it.

#include "match/dienste/Netzdienste.h"

#include <QList>
#include <QStringList>
#include <utility>

struct Netzantworten : NetzDienste {
    QList<Mailauftrag> mails;
    QStringList seiten;  // the addresses fetched
    MailFertig mailFertig;
    SeiteFertig seiteFertig;

    void internetUpdate(TWettkampfDaten&) override {}
    void uploadTimer(bool, int) override {}
    void mailSenden(const Mailauftrag& mail, MailFertig fertig) override
    {
        mails << mail;
        mailFertig = std::move(fertig);
    }
    void seiteHolen(const QString& adresse, SeiteFertig fertig) override
    {
        seiten << adresse;
        seiteFertig = std::move(fertig);
    }

    // The held transfer ends.
    void mailEnde(bool ok, const QString& fehler = {}) { std::exchange(mailFertig, {})(ok, fehler); }
    void seiteEnde(bool ok, const QByteArray& seite, const QString& fehler = {})
    {
        std::exchange(seiteFertig, {})(ok, seite, fehler);
    }
};
