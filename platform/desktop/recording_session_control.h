#pragma once
#include "session_control.h"
#include <QList>

namespace platform {

// Writes down what was asked for; refuses when the test says so.
class RecordingSessionControl final : public SessionControl {
public:
    QList<Action> requested;
    bool refuse = false;

    void request(Action action) override
    {
        requested.append(action);
        if (refuse)
            emit failed(action);
    }
};

} // namespace platform
