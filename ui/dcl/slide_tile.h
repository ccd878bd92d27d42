// Slides of the slide library drawn into image tiles.
#pragma once

#include <cstdint>
#include <string>

#include "ads_dcl.h"

// The reference of a slide in the module's slide library:
// "<install directory>LURAK.SLB(<slide>)".
std::string SlideReference(const char* slide);

// Draws a slide (a full reference, as SlideReference gives) over the whole
// image tile `key` of an open dialog.  Returns 0; the host's results are
// not examined (a missing tile simply shows nothing).
int16_t ShowSlideInTile(ads_hdlg dialog, const char* key, const char* slide);
