#pragma once
// Shared by the structure-analysis verbs.

#include "cli/common.h"
#include "cli/plain_text.h"
#include "cli/verb.h"
