#include "media/PreviewControls.h"

TPreviewControls PreviewControls;
