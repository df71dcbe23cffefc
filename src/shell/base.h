// The main menu "Base": a strip of four buttons that open the three working windows and
// end the program. It is the first window loaded and the last one to go.
#pragma once

#include "platform/ui/command_button.h"
#include "platform/ui/form.h"
#include "platform/vb/text.h"

class BaseForm final : public ui::Form {
public:
    BaseForm();

    // The windows that the open buttons load. A button whose window is not given only
    // closes what stands above the menu.
    void set_windows(ui::Form* login, ui::Form* address_book, ui::Form* ftp);

    void btn_logger_Click();
    void btn_carnet_Click();
    void btn_ftp_Click();
    void btn_quitter_Click();

    ui::CommandButton *btn_logger{}, *btn_carnet{}, *btn_ftp{}, *btn_quitter{};

protected:
    void Form_Load() override;
    // Closing the menu's window, or Escape, acts as "Exit".
    void close_requested() override;

private:
    void open_window(const vb::String& compared_caption, ui::Form* window);

    ui::Form* logguer_ = nullptr;
    ui::Form* carnet_ = nullptr;
    ui::Form* ftp_ = nullptr;
};

BaseForm& base();
