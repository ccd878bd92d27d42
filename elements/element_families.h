// The one list of the element families the module is built with: each
// registers its types with core.  The entry point, the dialog-file writer
// and the tests that need real types call it before InitTypeTables.
#pragma once

void RegisterElementFamilies();
