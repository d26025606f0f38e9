#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <functional>

class QKeyEvent;
class QTabWidget;
class QWidget;

// The Alt+letter keys that turn a modal dialog's pages: the accelerators of the pages'
// captions, in the language in force. While the dialog is shown they are taken
// application-wide, before any mnemonic or shortcut sees them, so the dialog can convert
// what the page being left holds before it turns.
class PageKeys : public QObject
{
public:
    // turn: called with the page of a key pressed.
    PageKeys(QWidget *dialog, const QTabWidget *pages, std::function<void(int)> turn);
    // The page Alt+key selects, or -1.
    int pageFor(const QKeyEvent *key) const;
    // The key of a page's accelerator (Qt::Key_K for "&Kelvin"), or 0 for none.
    static int keyOf(const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_dialog;
    const QTabWidget *m_pages;
    std::function<void(int)> m_turn;
};
