#pragma once
// The program's own pictures, drawn at run time: the background of the main
// window, the tool bar, the start-up window and the tips window. And picture
// files read off the UI thread for the boards.

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QThreadPool>
#include <atomic>

// Nine pins in their diamond with the product name below.
QPixmap KegelBild(QSize groesse);
// A vertical gradient from oben to unten.
QPixmap VerlaufBild(QSize groesse, QColor oben, QColor unten);

// The picture in `datei`, scaled down to fit `platz` with its aspect ratio
// kept (a smaller one keeps its size); null when it cannot be read. Safe on
// any thread.
QImage BildLesen(const QString& datei, QSize platz);

// Reads picture files with BildLesen on a worker thread, one at a time. Only
// the newest request is delivered: a picture that arrives after a newer
// request or after verwerfen() is dropped.
class Bildlader : public QObject {
    Q_OBJECT
public:
    explicit Bildlader(QObject* parent = nullptr);
    // Waits for a picture being read.
    ~Bildlader() override;

    void laden(const QString& datei, QSize platz);
    // The pending request is not delivered.
    void verwerfen();
    // A request is being read or its answer has not come back yet.
    bool beschaeftigt() const { return m_offen > 0; }

signals:
    // The picture of the newest request; null when its file cannot be read.
    void geladen(const QImage& bild);

private:
    void angekommen(quint64 nr, const QImage& bild);

    quint64 m_nr = 0;  // the newest request
    int m_offen = 0;
    std::atomic<quint64> m_gueltig{0};  // the worker's copy of m_nr: older requests are not read
    QThreadPool m_pool;                 // last: goes first, with its worker
};
