#include "shell/placement.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/input_hold.h"
#include "platform/ui/screen.h"

namespace Module1 {

namespace {

constexpr int kBaseline = 400;
constexpr int kShowStep = 40;
constexpr int kCloseStep = 10;

ui::Form& item(int index) {
    return ui::Forms::Item(index);
}

// Both showings run events after every step; input stays held off meanwhile so that no
// click can unload the window while it is still being shown.
void raise_from_baseline(ui::Form& dialog, int left) {
    const ui::InputHold hold;
    dialog.setLeft(left);
    const int height = dialog.Height();
    for (int y = 0; y <= height; y += kShowStep) {
        dialog.setTop(ui::Screen::Height() - y - kBaseline);
        dialog.setVisible(true);
        ui::DoEvents();
    }
}

}  // namespace

void show_window() {
    const ui::InputHold hold;
    const int i = ui::Forms::Count() - 1;
    ui::Form& window = item(i);
    window.setTop(ui::Screen::Height() - window.Height() - kBaseline);
    const int width = window.Width();
    for (int x = 0; x <= width; x += kShowStep) {
        window.setLeft(ui::Screen::Width() - x);
        window.setVisible(true);
        ui::DoEvents();
    }
}

void show_dialog() {
    const int i = ui::Forms::Count() - 1;
    ui::Form& dialog = item(i);
    raise_from_baseline(dialog, ui::Screen::Width() - item(i - 1).Width() - dialog.Width() - 10);
}

void show_dialog2() {
    const int i = ui::Forms::Count() - 1;
    ui::Form& dialog = item(i);
    raise_from_baseline(dialog, ui::Screen::Width() - item(i - 1).Width() - item(i - 2).Width() -
                                    dialog.Width() - 20);
}

void close_dialog() {
    const int i = ui::Forms::Count() - 1;
    ui::Form& dialog = item(i);
    for (int y = dialog.Height(); y >= 0; y -= kCloseStep) {
        dialog.setTop(ui::Screen::Height() - y - kBaseline);
        dialog.setVisible(true);
    }
    dialog.Unload();
}

// With three or more windows above the menu, the windows above item 2 go first, each
// sinking in turn, and then item 2 itself: a caller is left with the menu and one window.
void close_dialogs() {
    while (ui::Forms::Count() - 1 > 2) {
        close_dialog();
    }
    close_dialog();
}

void close_windows() {
    int i = ui::Forms::Count() - 1;
    if (i == 0) {
        return;
    }
    if (i > 1) {
        close_dialogs();
        i = ui::Forms::Count() - 1;
    }
    ui::Form& window = item(i);
    for (int x = window.Width(); x >= 0; x -= kCloseStep) {
        window.setLeft(ui::Screen::Width() - x);
        window.setVisible(true);
    }
    window.Unload();
}

}  // namespace Module1
