#pragma once
#include <QStringList>

namespace kav::ui {

inline const QString kUnsupportedCharacters =
    QStringLiteral("输入的内容含有无法识别的字符(如表情符号),请删除后重新输入！");

// Typed text that GBK cannot represent (an emoji, say) must never reach a
// digest, a file or a statement. Shows a clear refusal and returns false
// when any of the texts has such a character.
bool acceptTypedText(const QStringList& texts);

}  // namespace kav::ui
