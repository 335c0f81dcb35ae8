#include "support/Controls.h"

TControls Controls;
