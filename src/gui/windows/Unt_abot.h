#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The about box; a second instance serves as the first-run notice "Please Read Carefully".
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 7;

    // owner: the window the box is centred on and whose icon it shows.
    explicit TfrmAbout(QWidget *owner = nullptr, QWidget *parent = nullptr);

    // Fills the box and centres it on its owner.
    void FormCreate();
    void butOKClick();

    QLabel *imgIcon = nullptr, *lblVer = nullptr, *Label2 = nullptr, *Label3 = nullptr,
           *Label4 = nullptr, *Label5 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLineEdit *txtEMail = nullptr, *txtURL = nullptr;
    QPushButton *butOK = nullptr;

private:
    void layoutBox();

    QWidget *m_owner = nullptr;
};
