#pragma once
// The desktop program's host: Qt message boxes over the active window.

#include "core/host/host.h"

namespace quorix::gui {

class QtHost : public Host {
public:
    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
};

}  // namespace quorix::gui
