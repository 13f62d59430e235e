// Help of the environment library.
// A help file is UTF-8 text: a line "#TOPIC <name>" starts a topic, the lines up to the next such
// line are its text.
#pragma once

void Init_Helpview(const char* folder, const char* file);   // binds the help file
void Helpview(const char* topic);   // logs the topic; with a display shows its text without waiting
const char* Helpview_file(void);    // the bound help file's path, empty when none
// The text of a topic of the bound file (empty when missing); the text stays valid until the next call.
const char* Helpview_topic_text(const char* topic);

class QWidget;
// The help window for a topic, titled and placed over the window it belongs to, not yet shown;
// null without a widget application.
QWidget* Helpview_window(const char* topic);
