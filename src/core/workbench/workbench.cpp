#include "core/workbench/workbench.h"

#include <utility>

namespace quorix {

ViewOptions Workbench::MakeViewOptions(std::string components, GroupRegistrar registrar, Progress* progress) {
    ViewOptions o;
    o.components = std::move(components);
    o.registrar = std::move(registrar);
    o.ownAnalysis = std::make_shared<EngineStructure>();
    o.analysis = o.ownAnalysis.get();
    o.namedGroups = &namedGroups;
    o.progress = progress;
    return o;
}

}  // namespace quorix
