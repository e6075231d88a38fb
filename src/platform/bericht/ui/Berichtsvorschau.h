#pragma once
// The page viewer of a report: the pages of a preview file or of a print
// session, one at a time, fitted to the viewer's width, with paging.

#include "platform/bericht/Berichtsseite.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

class QLabel;
class QScrollArea;

class TBerichtsvorschau : public QWidget {
    Q_OBJECT
public:
    explicit TBerichtsvorschau(QWidget* eltern = nullptr);

    // Shows the pages from the first; no pages: an empty grey area.
    void seitenSetzen(const QList<Berichtsseite>& seiten);
    // The pages of a preview file. A missing, foreign or damaged file: false
    // with *fehler, and the viewer keeps what it showed.
    bool laden(const QString& vorschaudatei, QString* fehler = nullptr);

    const QList<Berichtsseite>& seiten() const { return m_seiten; }
    int seitenzahl() const { return int(m_seiten.size()); }
    int seite() const { return m_seite; }  // 0-based

public slots:
    void seiteZeigen(int seite);  // clamped to the pages there are
    void vor();
    void zurueck();

signals:
    void seiteGewechselt(int seite, int anzahl);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    int bildbreite() const;
    void anzeigen();

    QScrollArea* m_flaeche;
    QLabel* m_bild;
    QLabel* m_seitenanzeige;
    QList<Berichtsseite> m_seiten;
    int m_seite = 0;
    // Rendered pages at one width: a new width renders afresh.
    int m_cacheBreite = 0;
    QHash<int, QPixmap> m_cache;
};
