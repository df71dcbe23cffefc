// The drive list: the local drives as "c:" or "d: [label]", one of them current.
#pragma once

#include <QComboBox>

#include <functional>
#include <vector>

#include "platform/fs/drives.h"
#include "platform/vb/text.h"

namespace ui {

class DriveListBox final : public QComboBox {
public:
    // Lists the drives of fs::drives() and makes current the one holding the working
    // directory.
    explicit DriveListBox(QWidget* parent);

    // The current drive's text, "c:" or "d: [label]".
    vb::String Drive() const;
    // Makes current the drive whose letter begins `drive`; an unknown drive raises
    // "Device unavailable" (68).
    void setDrive(const vb::String& drive);

    int ListCount() const;
    vb::String List(int index) const;  // the empty text beyond the last drive
    int ListIndex() const;
    void setListIndex(int index);

    // The current drive changed, by the user or by code.
    void onChange(std::function<void()> handler);

private:
    std::vector<fs::Drive> drives_;
    std::function<void()> change_;
};

}  // namespace ui
