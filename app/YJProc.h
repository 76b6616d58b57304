#pragma once
// The quit procedure of the shell.

class TFrmMain;

// Asks every child window of the main window to close, last to first; tells how many stayed
// open, or closes the main window (ending the program) when none did.
void CloseAllChildren(TFrmMain *mainForm);
