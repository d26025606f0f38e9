#pragma once

#include <QWidget>

// The splash window shown while the program starts.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);
    // The tick counter of tmrSplash; the wait ends when it is greater than 2.
    int ticks() const { return m_ticks; }

private:
    int m_ticks = 0;
};
