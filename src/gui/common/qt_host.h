#pragma once
// The desktop program's host: Qt's event loop, message boxes and the halt
// flag that the Halt buttons raise.

#include <functional>

#include "core/host/host.h"

namespace quorix::gui {

class QtHost : public Host {
public:
    void pumpEvents() override;
    bool haltRequested() const override { return halt_; }
    void setHaltRequested(bool halt) override { halt_ = halt; }
    void message(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    // Sets the caption of labelProcessing on the panel active on the screen
    // (or, when no panel is active, on the one that shows the indicator).
    void setProcessingText(const std::string& text) override;

private:
    bool halt_ = false;
};

}  // namespace quorix::gui
