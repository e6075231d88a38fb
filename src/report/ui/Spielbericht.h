#pragma once
// The report editor.

#include <QWidget>

class TSpielbericht : public QWidget {
    Q_OBJECT
public:
    explicit TSpielbericht(QWidget* parent = nullptr);
};
