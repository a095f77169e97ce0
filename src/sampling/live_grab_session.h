#pragma once

#include "sampling/grab_session.h"

#include <memory>

namespace pigmentrix {

class PickInput;

// A grab over the live screen: the colour under the pointer at every tick;
// arrow keys move the pointer a physical pixel (Shift: ten). Started by a
// press on the grab button, its release takes the colour; started as a pick,
// a click or Enter takes it and Escape or a right click gives up.
class LiveGrabSession final : public GrabSession {
    Q_OBJECT

public:
    enum class Start { ButtonHeld, Pick };

    LiveGrabSession(const GrabSessionContext &context, Start how);
    ~LiveGrabSession() override;

    void start() override;
    ScreenSampler *sampler() override { return &context.screen; }
    bool live() const override { return true; }
    bool keyPressed(const QKeyEvent &key) override;
    void finish() override;

private:
    Start how;
    bool running = false;
    // The desktop's pointer and keys, for a pick without a press.
    std::unique_ptr<PickInput> pickInput;
};

} // namespace pigmentrix
