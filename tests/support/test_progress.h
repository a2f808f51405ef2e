#pragma once
// A progress object for tests: counts its yields, requests its own stop at
// yield number `stopAtYield` (never when negative) and records its reports.

#include <string>
#include <vector>

#include "core/host/progress.h"

namespace quorix::testing {

class TestProgress : public Progress {
public:
    explicit TestProgress(int stopAt = -1) : stopAtYield(stopAt) {
        SetYield([this] {
            if (++yields == stopAtYield) RequestStop();
        });
        SetReport([this](const std::string& text) { reports.push_back(text); });
    }

    int yields = 0;
    int stopAtYield;
    std::vector<std::string> reports;
};

}  // namespace quorix::testing
