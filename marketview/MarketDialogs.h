#pragma once
#include <QWidget>
class CMarketSession; class QWidget;
class CMarketDialogs : public QObject {
    Q_OBJECT
public:
    CMarketDialogs(CMarketSession&, QWidget* parent) : QObject(parent) {}
    void Import() {}
    void Library() {}
signals:
    void imported(const QString& symbol);
    void instrumentChosen(const QString& symbol);
};
