#pragma once
// The prompts of the lane start: "Starte Bahnen !" while the lanes are
// registered, the lane and printer check, the question whether to lock mouse
// and keyboard. The windows are created once and reused.

#include "match/flow/Startprompts.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

// "Starte Bahnen !": not modal, on top; a click on it hides it.
class THinweisStart : public QDialog {
    Q_OBJECT
public:
    explicit THinweisStart(QWidget* parent = nullptr);
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;

    // Shows without taking the focus; centred the first time.
    void zeigen();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_zentriert = false;
};

// "Bahn <n> ist nicht bereit !" and the printer texts: 1 "&Prüfen",
// 2 "&Abbrechen" (also Esc and close).
class TPruefen : public QDialog {
    Q_OBJECT
public:
    explicit TPruefen(QWidget* parent = nullptr);
    int Tag = 0;  // L, 100 + L, 200 + L
    QLabel* Label1;
    QPushButton* BtnPruefen;
    QPushButton* BtnAbbrechen;

protected:
    void showEvent(QShowEvent* event) override;

public slots:
    void reject() override;
};

// "Eingabe sperren ?": 6 "&Sperren" (also Esc), 7 "&Freigeben" (default);
// closing the window chooses neither: 2.
class TSperren : public QDialog {
    Q_OBJECT
public:
    explicit TSperren(QWidget* parent = nullptr);
    QLabel* Label1;
    QPushButton* BtnFreigeben;
    QPushButton* BtnSperren;

protected:
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    void reject() override;
};

class WidgetPrompts final : public StartPrompts {
public:
    explicit WidgetPrompts(QWidget* hauptfenster = nullptr);
    ~WidgetPrompts() override;
    WidgetPrompts(const WidgetPrompts&) = delete;
    WidgetPrompts& operator=(const WidgetPrompts&) = delete;

    void hinweisStartZeigen() override;
    void hinweisStartVerbergen() override;
    // A check that is already showing is not opened again: 2.
    int pruefen(int tag) override;
    bool pruefenSichtbar() const override;
    // Already showing: 2, nothing chosen.
    int sperren() override;

    THinweisStart* hinweisStartFenster() const { return m_hinweisStart; }
    TPruefen* pruefenFenster() const { return m_pruefen; }
    TSperren* sperrenFenster() const { return m_sperren; }

private:
    QPointer<THinweisStart> m_hinweisStart;
    QPointer<TPruefen> m_pruefen;
    QPointer<TSperren> m_sperren;
};
