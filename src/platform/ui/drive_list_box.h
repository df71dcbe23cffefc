// The drive list: the local drives as "c:" or "d: [label]", one of them current.
#pragma once

#include <functional>
#include <vector>

#include "platform/fs/drives.h"
#include "platform/ui/item_list.h"
#include "platform/vb/text.h"

namespace ui {

class DriveListBox final : public ComboList {
public:
    // Lists the drives of fs::drives() and makes current the one holding the working
    // directory.
    explicit DriveListBox(QWidget* parent);

    // The current drive's text, "c:" or "d: [label]".
    vb::String Drive() const;
    // Makes current the drive whose letter begins `drive`; an unknown drive raises
    // "Device unavailable" (68).
    void setDrive(const vb::String& drive);

    // There is always a current drive: -1, like an index beyond the drives, raises "Invalid
    // procedure call" (5).
    void setListIndex(int index) override;

    // The current drive changed, by the user or by code.
    void onChange(std::function<void()> handler);

private:
    std::vector<fs::Drive> drives_;
    std::function<void()> change_;
};

}  // namespace ui
