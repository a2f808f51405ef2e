#include "core/group/group.h"
