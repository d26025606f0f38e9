#pragma once

#include <QWidget>

class TfrmAuralis;

// The element information window: every stored property of the selected element.
// (Skeleton: the window's helper fills in the controls.)
class TfrmElementInfo : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmElementInfo(TfrmAuralis *main, QWidget *parent = nullptr);
    // Fills the whole window for the selected element; also runs when it is shown.
    void UpdateInfo();
    bool DefaultColours = true;
};
