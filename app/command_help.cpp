#include "app/command_bodies.h"
#include "app/help.h"

int ShowMainHelp(int) { return ShowHelp("main_index"); }
