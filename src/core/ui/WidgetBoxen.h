#pragma once
// The boxes of the logic as windows. The windows are created once and reused.

#include "core/Boxes.h"
#include "core/ui/Eingabe.h"
#include "core/ui/Hinweis.h"
#include "core/ui/HinweisAlt.h"
#include "core/ui/HinweisJa.h"
#include "core/ui/HinweisMulti.h"
#include "core/ui/HinweisOk.h"

#include <QPointer>

class WidgetBoxen final : public Boxen {
public:
    explicit WidgetBoxen(QWidget* hauptfenster = nullptr);
    ~WidgetBoxen() override;
    WidgetBoxen(const WidgetBoxen&) = delete;
    WidgetBoxen& operator=(const WidgetBoxen&) = delete;

    // A window that is already showing is not opened again: the notice is
    // dropped, a question answered no or cancel, an input or a choice
    // cancelled.
    void hinweis(const QString& text) override;
    // Its own notice window, shown without taking the focus, not modal.
    void meldung(const QString& text) override;
    int hinweisJa(const QString& text) override;
    int hinweisJaTitel(const QString& titel, const QString& text) override;
    int hinweisOk(const QString& text) override;
    std::optional<QString> eingabe(const EingabeAnfrage& anfrage) override;
    int hinweisMulti(const QString& text) override;
    std::optional<int> hinweisAlt(const QString& text, const QStringList& wahl, int vorgewaehlt) override;

    THinweis* hinweisFenster() const { return m_hinweis; }
    THinweis* meldungFenster() const { return m_meldung; }
    THinweisJa* hinweisJaFenster() const { return m_hinweisJa; }
    THinweisOk* hinweisOkFenster() const { return m_hinweisOk; }
    TEingabefenster* eingabeFenster() const { return m_eingabe; }
    THinweisMulti* hinweisMultiFenster() const { return m_hinweisMulti; }
    THinweisAlt* hinweisAltFenster() const { return m_hinweisAlt; }

private:
    QPointer<THinweis> m_hinweis;
    QPointer<THinweis> m_meldung;
    QPointer<THinweisJa> m_hinweisJa;
    QPointer<THinweisOk> m_hinweisOk;
    QPointer<TEingabefenster> m_eingabe;
    QPointer<THinweisMulti> m_hinweisMulti;
    QPointer<THinweisAlt> m_hinweisAlt;
};
