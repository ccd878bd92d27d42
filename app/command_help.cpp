#include "app/command_bodies.h"
#include "core/environment.h"

int ShowMainHelp(int) { return ShowHelp("main_index"); }
