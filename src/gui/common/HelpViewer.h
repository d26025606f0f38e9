#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

// The help viewer: one small window, reused, that shows the help file (HTML with one
// section per topic number, anchors "topic1".."topic7") scrolled to a topic.
namespace HelpViewer {
// Shows the viewer at the topic, in the language in force where its help has the topic
// (see fileForTopic); a missing or unreadable file gives a warning box with
// its path instead. parent is unused by the viewer itself: it is kept usable while a
// modal dialog is open by becoming that dialog's child window.
void showTopic(const QString &helpFile, int topic, QWidget *parent = nullptr);
// The viewer window, or null before the first successful showTopic.
QTextBrowser *viewer();
// The anchor name of a topic.
QString anchor(int topic);
// The file that shows a topic in a language: the language's own help ("auralis_de.hlp"
// beside "auralis.hlp") when it has that topic, else the English help file.
QString fileForTopic(const QString &helpFile, int topic, const QString &language);
}
