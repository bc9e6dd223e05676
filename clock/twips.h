#pragma once

// Window positions and sizes are kept in twips (1/1440 inch); pixels follow from
// the screen's logical DPI, whole pixels cut off (2000 twips at 96 DPI = 133 px).
inline int twips_to_pixels(int twips, double logical_dpi)
{
    return static_cast<int>(twips * logical_dpi / 1440.0);
}
