#pragma once
// Shared by the structure-analysis verbs.

#include "report/common.h"
#include "report/plain_text.h"
#include "report/verb.h"
