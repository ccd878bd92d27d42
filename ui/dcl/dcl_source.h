// The source of the module's dialog file "lurak.dcl": the eight chooser
// pages, a properties dialog for every dialog key of the type tables, the
// systems list "sysedit" and the bill of materials "darabj".  The build
// writes it from the type tables (ui/dcl/gen), so the file always offers
// the tiles the tables ask for.
#pragma once

#include <string>

#include "ui/dcl/properties_layout.h"

// The whole file; the type tables must be set up.  Types whose tiles clash
// in a shared dialog are listed in *conflicts when it is given.
std::string ModuleDclText(std::vector<std::string>* conflicts = nullptr);

std::string ChooserPageDcl(int page);  // 1 to 8; "" for any other page
std::string PropertiesDialogDcl(const PropertiesLayout& layout);
std::string SystemsListDcl();
std::string MaterialListDcl();

// A DCL string literal: the text in double quotes, with quotes and
// backslashes escaped.
std::string DclQuote(const std::string& text);
