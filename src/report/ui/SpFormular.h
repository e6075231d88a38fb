#pragma once
// The report window "Formular": the current match's report on the chosen
// layout, zoomed and dragged in its preview, and the commands that are done
// with it (print options, cover sheet, print, fax, e-mail, web upload,
// signatures). Every showing reselects Einst.FormularNummer and redraws.

#include "report/formulare/Formularansicht.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QToolButton;
class TBerichtsvorschau;
class TL8_;

class TSpFormular : public QDialog {
    Q_OBJECT
public:
    explicit TSpFormular(QWidget* parent = nullptr);
    ~TSpFormular() override;

    // Shows layout `index`: 0..8 the drawn and signed report, 9..19 an
    // empty form, above 19 the preview of the project filled with the match.
    void FormularAnzeigen(int index);

    void BtnKleinClick();
    void BtnGrossClick();

    // The drawn report at full size; null when nothing is drawn.
    const QImage& formularbild() const { return m_bild; }

    QLabel* LFormular;
    QComboBox* CFormular;
    QStackedWidget* SAnsicht;  // PAnsicht, or LLView for a project
    QScrollArea* PAnsicht;
    QLabel* ImageAnsicht;
    TBerichtsvorschau* LLView;
    QToolButton *BtnSeiteZurueck, *BtnSeiteVor, *BtnKlein, *BtnGross;
    QPushButton *BtnTextformat, *BtnOptionen, *BtnDeckblatt, *BtnFormular;
    QPushButton *BtnDrucken, *BtnFax, *BtnEmail, *BtnInternet, *BtnUnterschreiben;
    QPushButton* BtnZurueck;
    QLabel* LStatus;
    QAction* PopupColorGround;
    // The report component (Berichtskomponente()): preview, designer, print,
    // fax and the exports all go through it, and it outlives the window.
    TL8_* LLTool;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void FormActivate();
    void CFormularChange(int index);
    void druckoptionen(int seite);
    void BtnDeckblattClick();
    void BtnFormularClick();
    void projektAnzeigen(int index);
    void BtnInternetClick();
    void BtnUnterschreibenClick();
    void ImageAnsichtMouseDown(QMouseEvent* event);
    void ImageAnsichtMouseMove(QMouseEvent* event);
    void ImageAnsichtMouseUp(QMouseEvent* event);

    // The picture at the zoom's size, and the zoom buttons' state.
    void zoomSetzen(const Ansichtszoom& z);
    QPoint bildlauf() const;
    void bildlaufSetzen(QPoint p);

    QImage m_bild;                       // the drawn form, full size
    std::optional<Formularmasse> m_masse;  // none: nothing to zoom
    Ansichtszoom m_zoom;
    bool m_ziehen = false;
    QPoint m_druck;          // press point in the picture
    QPoint m_bildlaufDruck;  // scroll position at the press
};
