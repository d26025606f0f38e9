#pragma once

#include <QString>

class QWidget;

// The help viewer: opens the help file (HTML, one section per topic number) at a topic.
namespace HelpViewer {
// Shows the viewer at the topic; a missing or unreadable file gives a clear message.
void showTopic(const QString &helpFile, int topic, QWidget *parent = nullptr);
}
