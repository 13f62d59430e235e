// Message boxes of the environment library. Lines are collected, then shown; texts in code page 437.
// Every box that waits for a person takes a scripted answer first (calllog::push_answer); with none
// and no display it takes the cancel answer, so nothing blocks a test. Every box is logged.
#pragma once

void Init_Message(void);                     // starts a new box, forgets earlier lines, title, symbol
void Fill_Message(const char* line);         // adds one line
void Set_Message_Title(const char* title);
// Symbol of the box: 0 none, 1 information, 2 warning, 3 error, 4 question; the other values are
// accepted and ignored.
void Set_Message_Symbol(int symbol, int a, int b, int c);
void Draw_Message(void);                     // shows the box with OK and waits
int Answer_is_Yes(int default_yes);          // shows the box with Yes and No; 1 for yes
void Show_Message(void);                     // shows the box without waiting, until Quit_Message
void Quit_Message(void);
void PrintMessage(const char* text);         // one text into the environment's message output
