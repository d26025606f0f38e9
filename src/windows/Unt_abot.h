#pragma once

#include <QDialog>

class TfrmAuralis;

// The about box; also the first-run notice "Please Read Carefully".
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAbout(TfrmAuralis *main, QWidget *parent = nullptr);
};
