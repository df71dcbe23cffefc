// Holds off user input (mouse, keys, wheel) to every window while it lives; painting and
// every other event go on. Used around the showing animations so that no click can unload
// a window in the middle of its own showing. Input that arrives meanwhile is dropped.
#pragma once

#include <QtGlobal>

namespace ui {

class InputHold final {
public:
    InputHold();
    ~InputHold();
    Q_DISABLE_COPY_MOVE(InputHold)

    static bool active();
};

// For the run-time error report only: lets input through again, whatever holds are alive,
// so that the report's message box can be answered. The process ends right after.
void release_input_holds();

}  // namespace ui
