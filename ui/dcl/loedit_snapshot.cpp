// What the properties dialog changes in an element, kept when it opens and
// put back when the user cancels: parameters, airflows (the element's and
// each connector's), parameter texts, the bill-of-materials flag and the
// remark.  The element is the document's current element and can reach the
// drawing later, so a cancel must leave nothing of the dialog behind.
#include <cstdio>

#include "core/lconnector.h"
#include "core/lobject.h"
#include "ui/dcl/loedit_dialog.h"

int16_t TakeSnapshot(LObject* element, LElementSnapshot* out) {
    if (!element || !out)
        return -1;
    double* values = nullptr;
    if (element->GetParams(&values) != 0 || !values) {
        delete[] values;
        return -1;
    }
    int n = element->GetParamCount();
    out->params.assign(values, values + (n > 0 ? n : 0));
    delete[] values;
    out->connectorFlows.clear();
    for (int16_t c = 0; c < element->GetConnectorCount(); ++c) {
        LConnector* connector = element->GetConnector(c);
        out->connectorFlows.push_back(connector ? connector->flow : 0.0);
    }
    out->paramIsText.clear();
    out->paramTexts.clear();
    for (int16_t i = 0; i < n; ++i) {
        out->paramIsText.push_back(element->ParamIsText(i));
        out->paramTexts.push_back(element->GetParamText(i));
    }
    out->flow = element->GetFlow();
    out->listingFlag = element->listingFlag;
    out->hasUserText = element->userText != nullptr;
    out->userText = element->userText ? element->userText : "";
    return 0;
}

void RestoreSnapshot(LObject* element, const LElementSnapshot& saved) {
    if (!element)
        return;
    if (!saved.params.empty())
        element->RestoreParams(saved.params.data());
    // Airflows after the parameters: a class may carry one connector's
    // airflow over to another while it takes new values.
    for (size_t c = 0; c < saved.connectorFlows.size(); ++c)
        if (LConnector* connector = element->GetConnector(static_cast<int16_t>(c)))
            connector->flow = saved.connectorFlows[c];
    element->SetFlow(saved.flow);
    size_t texts = saved.paramTexts.size();
    if (texts > static_cast<size_t>(element->GetParamCount()))
        texts = static_cast<size_t>(element->GetParamCount());
    for (size_t i = 0; i < texts; ++i) {
        element->paramIsText[i] = saved.paramIsText[i];
        element->SetParamText(static_cast<int16_t>(i), saved.paramTexts[i].c_str());
    }
    element->listingFlag = saved.listingFlag;
    SetElementUserText(element, saved.hasUserText ? saved.userText.c_str() : nullptr);
}

std::string VelocityText(double airflow, double area) {
    if (airflow == 0.0 || area == 0.0)
        return "";
    double velocity = 277.0 * airflow / area;
    if (!(velocity == velocity) || velocity > 1e15 || velocity < -1e15)
        return "";
    char text[40];
    std::snprintf(text, sizeof text, "%.1lf", velocity);
    return text;
}
