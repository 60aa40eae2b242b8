#pragma once
#include <QString>
#include <functional>

namespace kav {

// Every message box of both programs goes through here. Flags are the
// Windows values the shop's texts are specified with: 0 OK, 4 Yes/No,
// 16 stop, 48 exclamation, 64 information. Tests install a responder that
// records each box and answers it.
class MessageBox {
public:
    enum Flag : int { Ok = 0, YesNo = 4, Stop = 16, Exclamation = 48, Information = 64 };
    enum Answer : int { AnswerOk = 1, AnswerYes = 6, AnswerNo = 7 };

    static inline const QString kDefaultTitle = QStringLiteral("信息：");
    static inline const QString kSystemTitle = QStringLiteral("系统提示");
    static inline const QString kKindTitle = QStringLiteral("温馨提示");

    static int show(const QString& text, const QString& title = kDefaultTitle, int flags = Ok);
    // Yes/No question; true on Yes.
    static bool ask(const QString& text, const QString& title = kSystemTitle, int flags = YesNo);

    using Responder = std::function<int(const QString& text, const QString& title, int flags)>;
    static void setResponder(Responder responder);
};

}  // namespace kav
