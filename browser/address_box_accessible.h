#pragma once

class QComboBox;

// Qt names an editable combo box by its text on Linux, so a screen reader would
// call the address box by the address. This gives the box its accessible name
// (the address stays its value).
void name_address_box(QComboBox* box);
