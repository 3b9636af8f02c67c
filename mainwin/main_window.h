#pragma once

#include <QMainWindow>

// The application's main window: profile selector, topic list, record grid,
// record viewer and the entry panels.
class Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit Main(QWidget *parent = nullptr);
};
