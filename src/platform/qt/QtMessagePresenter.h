#pragma once
// The on-screen message box: QMessageBox with the icon and buttons that the Windows flags ask for.

#include "platform/MessagePresenter.h"

class QWidget;

namespace qor {

class QtMessagePresenter : public MessagePresenter {
public:
    int Show(std::string_view text, std::string_view caption, int flags) override;
};

} // namespace qor
