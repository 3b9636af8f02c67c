#pragma once

class QWidget;

// The main window's position and size, kept in section "Form" of the settings
// file (IniFile) as "Left", "Top", "Width" and "Height" in twips.

// Writes the placement; a minimised window writes nothing, a maximised one its
// maximised size. Each WriteIni result goes to MsgResult.
void SaveFormPlacement(QWidget *form);

// Moves the form to the stored placement. Nothing happens unless all four
// values are present and whole numbers of twips (after rounding), so a damaged
// settings file can never stop the start-up.
void RestoreFormPlacement(QWidget *form);
