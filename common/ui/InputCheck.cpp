#include "InputCheck.h"

#include "MessageBox.h"
#include "common/Text.h"

namespace kav::ui {
bool acceptTypedText(const QStringList& texts)
{
    for (const QString& t : texts) {
        if (!text::isGbkRepresentable(t)) {
            MessageBox::show(kUnsupportedCharacters, MessageBox::kSystemTitle, MessageBox::Stop);
            return false;
        }
    }
    return true;
}
}  // namespace kav::ui
