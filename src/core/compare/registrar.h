#pragma once
// The register hook shared with the group model.
#include "core/group/registrar.h"
