#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class QPushButton;
class QTabWidget;
class IniFile;
class SharedState;
struct SettingKey;

// The frame the modal tool dialogs share: a fixed size, a title bar with only a close box,
// on top of the program's windows; the Help/Cancel/OK row along the bottom; a place (and
// for a dialog with stored pages, its page) kept in its own settings section; and the
// Alt+letter keys that turn its pages.
class ToolDialog : public QDialog
{
    Q_OBJECT
public:
    QPushButton *butHelp = nullptr, *butCancel = nullptr, *butOK = nullptr;

protected:
    // The keys of the stored place and page (tab null: no page is stored).
    struct PlaceKeys
    {
        const SettingKey *tab;
        const SettingKey *left;
        const SettingKey *top;
    };

    // owner: the window the dialog is centred on when it has no stored place; designSize
    // in design pixels.
    ToolDialog(const SharedState &state, QWidget *owner, const QString &objectName,
        const QString &title, QSize designSize, const PlaceKeys &keys);

    struct ButtonRow
    {
        int top; // design pixels
        int okLeft; // design pixels; Cancel and Help stand 104 and 208 to its left
        QString cancelCaption;
        bool autoDefault = true;
    };
    // The buttons, OK the default; a click runs click with the button.
    void createButtonRow(const ButtonRow &row, const std::function<void(QObject *)> &click);
    // The pages (whose index the settings keep when the keys name a page key); the
    // accelerators of their captions turn them through turn.
    void setStoredPages(QTabWidget *pages, const std::function<void(int)> &turn);
    // Grows the controls to their texts and the dialog with them (TextFit); the button row
    // stays at the right. Called once the dialog's controls are made.
    void fitToTexts();

    // The stored place and page. A page outside the dialog's pages (-1: never saved) means
    // a dialog that opens on its first page, centred on its owner unless a place is
    // stored; a dialog without stored pages is placed that way too.
    void readPlace(const IniFile &ini);
    // The page (when it is stored), then the place.
    void writePlace(IniFile &ini) const;

    const SharedState &m_state;
    QWidget *m_owner = nullptr;
    const PlaceKeys m_keys;

private:
    QTabWidget *m_pages = nullptr;
};
