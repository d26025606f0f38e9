#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <functional>

class QKeyEvent;
class QWidget;

// The Alt+letter keys that turn a modal dialog's pages. While the dialog is shown they are
// taken application-wide, before any mnemonic or shortcut sees them, so the dialog can
// convert what the page being left holds before it turns.
class PageKeys : public QObject
{
public:
    // keys: (key, page) pairs; turn: called with the page of a key pressed.
    PageKeys(QWidget *dialog, const QList<QPair<int, int>> &keys, std::function<void(int)> turn);
    // The page Alt+key selects, or -1.
    int pageFor(const QKeyEvent *key) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_dialog;
    QList<QPair<int, int>> m_keys;
    std::function<void(int)> m_turn;
};
