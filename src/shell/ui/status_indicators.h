#pragma once
// The NUM and INS panels of the status bar. The application only learns the
// state of Num Lock and Insert from the keys it sees: the lock keys toggle
// them, and a key of the numeric keypad tells which way Num Lock stands.

#include <QObject>

class QLabel;

namespace rotavex {

class StatusIndicators : public QObject {
    Q_OBJECT
public:
    StatusIndicators(QLabel *numLock, QLabel *insert, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();

    QLabel *numLockPanel_;
    QLabel *insertPanel_;
    bool numLock_ = true;   // the usual state until a key says otherwise
    bool insert_ = false;
};

}   // namespace rotavex
