#pragma once
// The register hook shared with the structure analysis.
#include "core/analysis/registrar.h"
