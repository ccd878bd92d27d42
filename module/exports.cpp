// The plug-in's exports, acrxEntryPoint and acrxGetApiVersion, come from
// the module library (app/entry_point.cpp); the link names them so that
// they are taken from it.  This file only gives the library a source.
#include "acrx_app.h"
