#include "steps/windows/AnchorageRefer.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/entryboxes.h"
#include "platform/formkit.h"

namespace talvo {

void ReferClick(EntryGroup& entries, const ReferenceButton& ref, QWidget* parent) {
    if (!entries.CommitPending(ref.button)) return;
    if (!ref.pick) return;
    if (const std::optional<std::string> picked = ref.pick(parent))
        ref.target->setText(QStr(*picked));
    if (!entries.CheckBox(ref.target)) return;
    ref.button->setFocus(Qt::OtherFocusReason);
}

}  // namespace talvo
