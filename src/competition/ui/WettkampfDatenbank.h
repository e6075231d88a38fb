#pragma once
// The player database grid of the set-up window: the table as a model for a
// QTableView (null and empty cells both shown empty, the found cell blue,
// the headings coloured after a click) and the cell editor bounded to the
// column's width.

#include "competition/Spielertabelle.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <optional>
#include <utility>

// What a row dragged from the grid carries: the row as decimal text.
inline constexpr char ZeileMimeTyp[] = "application/x-corvalink-zeile";

class SpielerModell : public QAbstractTableModel {
    Q_OBJECT
public:
    // Follows every change of the table, also those made elsewhere (the
    // import); a change of rows from elsewhere drops the found mark.
    explicit SpielerModell(Spielertabelle& t, QObject* parent = nullptr);
    ~SpielerModell() override;

    int rowCount(const QModelIndex& p = {}) const override;
    int columnCount(const QModelIndex& p = {}) const override;
    QVariant data(const QModelIndex& i, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation o, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    // An edited cell: cut to the column's width; left empty it holds no
    // value. Marks the database changed and the cell black.
    bool setData(const QModelIndex& i, const QVariant& wert, int rolle = Qt::EditRole) override;
    QStringList mimeTypes() const override;
    // The row of the first index; it becomes DragZeile.
    QMimeData* mimeData(const QModelIndexList& indizes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

    // Rows may be dragged (GridVerschieben).
    void setZiehbar(bool z) { m_ziehbar = z; }

    // Changes that keep the view's rows in step.
    int zeileEinfuegen(int r);
    void zeilenLoeschen(const QList<int>& zeilen);
    void sortieren(int spalte);
    // The heading of column c dark, the others light grey; -1 all plain.
    void kopfMarkieren(int spalte);
    int kopfSpalte() const { return m_kopf; }
    // Every cell repainted (the found mark moved).
    void neuZeichnen();

private:
    void gemeldet(Spielertabelle::Aenderung a);

    Spielertabelle& m_t;
    bool m_ziehbar = true;
    int m_kopf = -1;
};

// The grid's cell editor: a line edit that takes at most the column's width.
class SpielerDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
    // Writes the text of an open editor into its cell and closes it.
    void uebernehmen();

private:
    mutable QPointer<QWidget> m_editor;
};

// The export's save dialog in the database folder with the three file
// types: the name and the type 1..3 chosen; nullopt when cancelled.
std::optional<std::pair<QString, int>> ExportDateiDialog(QWidget* eltern);
