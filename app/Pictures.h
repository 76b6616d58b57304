#pragma once
// The pictures of the shell, drawn at run time: the menu and tool bar pictures (16 x 16 and
// 64 x 64 at the same indices), the application icon and the About window's picture.

#include <QIcon>
#include <QPixmap>

enum TShellPicture { picOpen = 0, picHelp = 1, picPrintSave = 2, picSaveAs = 3, picNew = 4 };

// One picture of the shell in every size it is shown in.
QIcon ShellIcon(TShellPicture picture);
// The picture drawn at size x size pixels.
QPixmap ShellPixmap(TShellPicture picture, int size);

QIcon ApplicationIcon();
// The tall picture of the About window.
QPixmap AboutPicture(int width, int height);
// The small pictures of the dialogs' buttons.
QIcon CloseButtonIcon();
QIcon OkButtonIcon();
