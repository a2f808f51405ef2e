#pragma once
// The engine's only way to reach the user: events, the halt flag, message
// boxes and the processing text. The desktop program installs a Qt host; the
// command-line tool and the tests install their own.

#include <string>

namespace quorix {

class Host {
public:
    virtual ~Host() = default;

    // Lets the user interface handle pending events (so Halt can be pressed).
    virtual void pumpEvents() = 0;

    // The program-wide halt flag.
    virtual bool haltRequested() const = 0;
    virtual void setHaltRequested(bool halt) = 0;

    // A message box with only an OK button.
    virtual void message(const std::string& text) = 0;

    // A Yes/No question with a window title; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;

    // Text shown by the processing indicator of the active panel.
    virtual void setProcessingText(const std::string& text) = 0;
};

// A host that shows nothing: messages are dropped, questions answered No.
class SilentHost : public Host {
public:
    void pumpEvents() override {}
    bool haltRequested() const override { return halt_; }
    void setHaltRequested(bool halt) override { halt_ = halt; }
    void message(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    void setProcessingText(const std::string&) override {}

private:
    bool halt_ = false;
};

// The host in use. Never null: a SilentHost until one is installed.
Host& host();

// Installs a host (nullptr restores the silent one). The caller keeps it alive.
void setHost(Host* h);

// Shows a message through the current host.
inline void showMessage(const std::string& text) { host().message(text); }

}  // namespace quorix
