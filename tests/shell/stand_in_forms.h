// Small forms that stand in for the system's windows in the windows' tests: each records
// where code put it at every step, and shows itself the way the real window would.
#pragma once

#include <functional>
#include <vector>

#include "shell/placement.h"
#include "ui/form.h"

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
        : ui::Form(caption, width, height), show_(std::move(show)) {}

    std::vector<Position> steps;
    int loads = 0;

protected:
    void create_controls(QWidget&) override {}
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

// Every loaded window unloaded, the top one first.
inline void unload_all() {
    for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
        ui::Forms::Item(k).Unload();
    }
}
