#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The splash window shown while the program starts. Its timer counts ticks; the start-up
// wait ends when the counter passes 2, or at once when the user clicks one of its
// controls (the counter jumps to 4). A click on its empty area does nothing.
class TfrmSplash : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    int ticks() const { return m_ticks; }

    QLabel *imgIcon = nullptr;
    QLabel *lblVer = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QTimer *tmrSplash = nullptr;

    void tmrSplashTimer() { ++m_ticks; }
    void SplashClick() { m_ticks = 4; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_ticks = 0;
};
