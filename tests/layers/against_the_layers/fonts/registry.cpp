// Core code including a Qt header of its own folder: refused as well.
#include "fonts/ui/display_fonts.h"
#include "encoding/pivot.h"
