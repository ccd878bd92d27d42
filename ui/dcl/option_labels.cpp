#include "ui/dcl/option_labels.h"

#include <cstring>
#include <iterator>

namespace {

// Texts shared by several dampers.
#define IK_CHOICES {"none", "IK24V", "IK48V"}
#define SM_CHOICES {"none", "SM24V", "SM48V", "SM230V"}
#define ACTUATOR_FAMILY_CHOICES {"IK", "AK"}
#define ACTUATOR_CHOICES {"none", "24V", "48V"}
#define INSTALLATION_CHOICES {"none", "wall", "floor", "wall or floor"}
#define XN2J_CHOICES {"SM24V", "SM230V"}
#define KM_CHOICES {"K", "M"}

const OptionLabel kOptionLabels[] = {
    // Rectangular and round in-line units: variant letter.
    {"prop_vl_d3", 2, "Variant", false, KM_CHOICES},
    {"prop_vl_a3", 2, "Variant", false, KM_CHOICES},
    {"prop_vf_d2", 1, "Variant", false, KM_CHOICES},
    // HSPIRO and HFLEX: the I or the S form.
    {"prop_vf_a3", 3, "Form", false, {"I", "S"}},
    // VBF: size number.
    {"prop_rcs_q4", 1, "Size", false, {"1", "2", "3"}},
    // VT-3-2 and VT-3-2K.
    {"prop_tv_e4b", 3, "IK actuator", false, IK_CHOICES},
    {"prop_tv_e4b", 4, "SM actuator", false, SM_CHOICES},
    {"prop_tv_e4b", 5, "Floor mounted", true, {}},
    {"prop_tv_e4b", 6, "Wall mounted", true, {}},
    {"prop_tv_e3b", 2, "IK actuator", false, IK_CHOICES},
    {"prop_tv_e3b", 3, "SM actuator", false, SM_CHOICES},
    {"prop_tv_e3b", 4, "Floor mounted", true, {}},
    {"prop_tv_e3b", 5, "Wall mounted", true, {}},
    // LZ3 and LZ3K.
    {"prop_tv_e4", 3, "TK", true, {}},
    {"prop_tv_e4", 4, "Actuator family", false, ACTUATOR_FAMILY_CHOICES},
    {"prop_tv_e4", 5, "Actuator", false, ACTUATOR_CHOICES},
    {"prop_tv_e4", 6, "SM actuator", false, SM_CHOICES},
    {"prop_tv_e4", 7, "Floor mounted", true, {}},
    {"prop_tv_e4", 8, "Wall mounted", true, {}},
    {"prop_tv_e3", 2, "TK", true, {}},
    {"prop_tv_e3", 3, "Actuator family", false, ACTUATOR_FAMILY_CHOICES},
    {"prop_tv_e3", 4, "Actuator", false, ACTUATOR_CHOICES},
    {"prop_tv_e3", 5, "SM actuator", false, SM_CHOICES},
    {"prop_tv_e3", 6, "Floor mounted", true, {}},
    {"prop_tv_e3", 7, "Wall mounted", true, {}},
    // CF dampers.
    {"prop_tv_s2", 5, "EK", true, {}},
    {"prop_tv_s2", 6, "Installation", false, INSTALLATION_CHOICES},
    {"prop_tv_s1", 4, "EK", true, {}},
    {"prop_tv_s1", 5, "Installation", false, INSTALLATION_CHOICES},
    // PX1G and Autodef.
    {"prop_tv_s4", 4, "TK", true, {}},
    {"prop_tv_s4", 5, "Installation", false, INSTALLATION_CHOICES},
    {"prop_tv_s3", 4, "F option", false, {"none", "F1", "F2", "F12"}},
    {"prop_tv_s3", 5, "See remark", true, {}},
    // XN2 dampers.
    {"prop_tv_e4c", 3, "Wall mounted", true, {}},
    {"prop_tv_e4c", 4, "Floor mounted", true, {}},
    {"prop_tv_e3c", 2, "Wall mounted", true, {}},
    {"prop_tv_e3c", 3, "Floor mounted", true, {}},
    {"prop_tv_e4d", 3, "Actuator", false, XN2J_CHOICES},
    {"prop_tv_e3d", 2, "Actuator", false, XN2J_CHOICES},
};

#undef IK_CHOICES
#undef SM_CHOICES
#undef ACTUATOR_FAMILY_CHOICES
#undef ACTUATOR_CHOICES
#undef INSTALLATION_CHOICES
#undef XN2J_CHOICES
#undef KM_CHOICES

}  // namespace

const OptionLabel* FindOptionLabel(const char* dialogKey, int param) {
    if (!dialogKey)
        return nullptr;
    for (const OptionLabel& option : kOptionLabels)
        if (option.param == param && std::strcmp(option.dialogKey, dialogKey) == 0)
            return &option;
    return nullptr;
}

int OptionChoiceCount(const OptionLabel& option) {
    int count = 0;
    while (count < kMaxOptionChoices && option.choices[count])
        ++count;
    return count;
}
