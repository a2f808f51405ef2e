#pragma once
#include "support/fake_host.h"
