#pragma once

#include <QWidget>

// A sunken frame of the kind that surrounds an edit field, drawn in the system's 3-D
// colours over whatever the control's own painting shows.
class TWinBevel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool WinBevel READ winBevel WRITE setWinBevel)

public:
    explicit TWinBevel(QWidget *parent = nullptr);
    bool winBevel() const { return m_winBevel; }
    void setWinBevel(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_winBevel = true;
};
