#include "dxf/subclass_markers.h"

#include "db/canonical.h"
#include "dxf/quoted_text.h"

namespace host::dxf {

bool lacksSubclassMarkers(const db::GroupList& groups)
{
    for (const db::Group& g : groups)
        if (g.code() == 100) return false;
    return true;
}

bool addSubclassMarkers(std::string_view type, db::GroupList& groups, std::string& error)
{
    if (!db::isModelledType(type)) {
        error = "no subclass order is known for " + shown(type);
        return false;
    }
    size_t xdata = groups.size();
    for (size_t i = 0; i < groups.size(); ++i)
        if (groups[i].code() >= 1000) {
            xdata = i;
            break;
        }
    db::GroupList input(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(xdata));
    db::GroupList body;
    if (!db::canonicalBody(type, input, body, error)) return false;
    body.insert(body.end(), groups.begin() + static_cast<std::ptrdiff_t>(xdata), groups.end());
    groups = std::move(body);
    return true;
}

} // namespace host::dxf
