#pragma once
// A wait that lets window messages through (the message pump, a modal box,
// a modal dialog or file dialog) runs whatever they start as a command of
// its own: a timer tick or another window's click is no part of the command
// that waits. Scopes that belong to one command (the store's failure scopes,
// the run's distinct errors) are opened in a frame and count only inside it,
// so the pumped command neither inherits the waiting command's failure nor
// hides its own.
#include <string>

namespace crv {

class PumpFrame {
public:
    PumpFrame();
    ~PumpFrame();
    PumpFrame(const PumpFrame&) = delete;
    PumpFrame& operator=(const PumpFrame&) = delete;
};

// How many frames are open on this thread (0: the message loop itself).
int Pump_Depth();

// The window side's box and pump as the controllers call them: each is a
// wait in a frame of its own. The window (or a test) supplies what they show
// and run.
class WaitingHost {
public:
    virtual ~WaitingHost() = default;
    // A box titled with the product name; returns the button pressed
    // (1 OK, 6 Yes, 7 No).
    int Message_Box(const std::string& text, int flags) {
        PumpFrame wait;
        return Show_Box(text, flags);
    }
    // Lets pending window messages run once.
    void Do_Events() {
        PumpFrame wait;
        Pump_Messages();
    }
    virtual int Show_Box(const std::string& text, int flags) = 0;
    virtual void Pump_Messages() = 0;
};

}  // namespace crv
