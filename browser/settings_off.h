#pragma once

// Qt's own file dialog keeps the folders it visited in ~/.config/QtProject.conf.
// The browser keeps nothing: this sends every Qt settings file of the process
// nowhere (the dialog then remembers nothing from one run to the next).
void keep_no_settings_files();
