#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TfrmAuralis;

// The about box; a second instance serves as the first-run notice "Please Read Carefully".
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    static constexpr int HelpTopic = 7;

    explicit TfrmAbout(TfrmAuralis *main, QWidget *parent = nullptr);

    // Fills the box and centres it on the main window.
    void FormCreate();
    void butOKClick();

    QLabel *imgIcon = nullptr, *lblVer = nullptr, *Label2 = nullptr, *Label3 = nullptr,
           *Label4 = nullptr, *Label5 = nullptr, *Label7 = nullptr, *Label8 = nullptr;
    QFrame *Bevel1 = nullptr;
    QLineEdit *txtEMail = nullptr, *txtURL = nullptr;
    QPushButton *butOK = nullptr;

private:
    void layoutBox();

    TfrmAuralis *m_main = nullptr;
};
