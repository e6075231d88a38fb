#pragma once
// The operator's lane windows as the engine and the main menu reach them:
// the lane control window and the lane overview, both made once at program
// start and shown or hidden from then on.

#include "match/lanes/Bahnfenster.h"

#include <QPointer>
#include <functional>

class QWidget;
class TBahnen;
class TSteuerung;

class Bahnfensterdienste final : public BahnfensterDienste {
public:
    // `spielStart` is the main window's start/stop command for the match of
    // a lane, which the lane control window's start button runs.
    Bahnfensterdienste(QWidget* hauptfenster, std::function<void(int bahn)> spielStart);
    ~Bahnfensterdienste() override;
    Bahnfensterdienste(const Bahnfensterdienste&) = delete;
    Bahnfensterdienste& operator=(const Bahnfensterdienste&) = delete;

    TSteuerung* steuerung() const;
    TBahnen* bahnen() const;

    void bahnsteuerungAktualisieren(int bahn) override;
    void bahnuebersichtAktualisieren(int bahn) override;
    void korrekturAktualisieren(int bahn) override;
    void wurflisteAktualisieren(int bahn) override;
    bool ergebnistafelAktiv() const override;
    bool spielberichtAktiv() const override;

    void bahnuebersichtZeigen() override;
    void bahnuebersichtVerbergen() override;
    void bahnuebersichtRahmen() override;
    void bahnsteuerungZeigen(int bahn) override;
    // From the lane overview and the correction panel.
    void bahnsteuerungModal(int bahn) override;
    void bahnsteuerungVerbergen() override;
    void bahnsteuerungNachVorn() override;

private:
    QPointer<TSteuerung> m_steuerung;
    QPointer<TBahnen> m_bahnen;
};
