// Holds off user input (mouse, keys, wheel) to every window while it lives; painting and
// every other event go on. Used around the showing animations so that no click can unload
// a window in the middle of its own showing. Input that arrives meanwhile is dropped.
#pragma once

namespace ui {

class InputHold final {
public:
    InputHold();
    ~InputHold();
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    static bool active();
};

}  // namespace ui
