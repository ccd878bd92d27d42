#include "dxf/dim_variables.h"

namespace host::dxf {

namespace {

const DimVariable kVariables[] = {
    {3, "$DIMPOST", 1},      {4, "$DIMAPOST", 1},     {40, "$DIMSCALE", 40},   {41, "$DIMASZ", 40},
    {42, "$DIMEXO", 40},     {43, "$DIMDLI", 40},     {44, "$DIMEXE", 40},     {45, "$DIMRND", 40},
    {46, "$DIMDLE", 40},     {47, "$DIMTP", 40},      {48, "$DIMTM", 40},      {140, "$DIMTXT", 40},
    {141, "$DIMCEN", 40},    {142, "$DIMTSZ", 40},    {143, "$DIMALTF", 40},   {144, "$DIMLFAC", 40},
    {145, "$DIMTVP", 40},    {146, "$DIMTFAC", 40},   {147, "$DIMGAP", 40},    {148, "$DIMALTRND", 40},
    {71, "$DIMTOL", 70},     {72, "$DIMLIM", 70},     {73, "$DIMTIH", 70},     {74, "$DIMTOH", 70},
    {75, "$DIMSE1", 70},     {76, "$DIMSE2", 70},     {77, "$DIMTAD", 70},     {78, "$DIMZIN", 70},
    {79, "$DIMAZIN", 70},    {170, "$DIMALT", 70},    {171, "$DIMALTD", 70},   {172, "$DIMTOFL", 70},
    {173, "$DIMSAH", 70},    {174, "$DIMTIX", 70},    {175, "$DIMSOXD", 70},   {176, "$DIMCLRD", 70},
    {177, "$DIMCLRE", 70},   {178, "$DIMCLRT", 70},   {179, "$DIMADEC", 70},   {271, "$DIMDEC", 70},
    {272, "$DIMTDEC", 70},   {273, "$DIMALTU", 70},   {274, "$DIMALTTD", 70},  {275, "$DIMAUNIT", 70},
    {276, "$DIMFRAC", 70},   {277, "$DIMLUNIT", 70},  {278, "$DIMDSEP", 70},   {279, "$DIMTMOVE", 70},
    {280, "$DIMJUST", 70},   {281, "$DIMSD1", 70},    {282, "$DIMSD2", 70},    {283, "$DIMTOLJ", 70},
    {284, "$DIMTZIN", 70},   {285, "$DIMALTZ", 70},   {286, "$DIMALTTZ", 70},  {288, "$DIMUPT", 70},
    {289, "$DIMATFIT", 70},  {371, "$DIMLWD", 70},    {372, "$DIMLWE", 70},
};

} // namespace

const DimVariable* dimVariableForCode(int styleCode)
{
    for (const DimVariable& v : kVariables)
        if (v.styleCode == styleCode) return &v;
    return nullptr;
}

} // namespace host::dxf
