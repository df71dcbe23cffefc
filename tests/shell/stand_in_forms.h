// What the windows' tests share: small forms that stand in for the system's windows, each
// recording where code put it at every step, a list box's lines, the loaded windows.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/list_box.h"
#include "shell/placement.h"

struct Position {
    int left;
    int top;
    bool visible;
    friend bool operator==(const Position&, const Position&) = default;
};

class StandInForm : public ui::Form {
public:
    StandInForm(const vb::String& caption, int width, int height,
                std::function<void()> show = Module1::show_window)
        : ui::Form({caption, width, height}), show_(std::move(show)) {}

    std::vector<Position> steps;
    int loads = 0;

protected:
    void Form_Load() override {
        ++loads;
        steps.clear();
        if (show_) {
            show_();
        }
    }
    void position_set() override { steps.push_back({Left(), Top(), Visible()}); }

private:
    std::function<void()> show_;
};

using Lines = std::vector<vb::String>;

inline Lines lines_of(const ui::ListBox& list) {
    Lines lines;
    for (int k = 0; k < list.ListCount(); ++k) {
        lines.push_back(list.List(k));
    }
    return lines;
}

// The captions of the windows loaded and shown, in load order, as "Base,Login".
inline std::string captions() {
    std::string shown;
    for (int k = 0; k < ui::Forms::Count(); ++k) {
        if (ui::Forms::Item(k).Visible()) {
            shown += (shown.empty() ? "" : ",") + vb::to_utf8(ui::Forms::Item(k).Caption());
        }
    }
    return shown;
}

// Every loaded window unloaded, the top one first.
inline void unload_all() {
    for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
        ui::Forms::Item(k).Unload();
    }
}
