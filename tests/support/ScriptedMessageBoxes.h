#pragma once
#include <QList>
#include <QString>

#include "QtPrinters.h"

namespace kav::test {

struct Box {
    QString text;
    QString title;
    int flags = 0;
    bool operator==(const Box&) const = default;
};
inline void PrintTo(const Box& b, std::ostream* os)
{
    *os << "{\"" << b.text.toStdString() << "\", \"" << b.title.toStdString() << "\", " << b.flags << '}';
}

// Records every message box and answers Yes/No questions from a queue. A
// question with no answer left fails the test (and is answered No).
class ScriptedMessageBoxes {
public:
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes();

    void answer(bool yes) { answers_ << yes; }
    void answers(std::initializer_list<bool> yes) { for (bool y : yes) answers_ << y; }

    const QList<Box>& boxes() const { return boxes_; }
    QStringList texts() const;
    Box last() const { return boxes_.isEmpty() ? Box{} : boxes_.last(); }
    void clear() { boxes_.clear(); }
    int unansweredQuestions() const { return answers_.size(); }

private:
    QList<Box> boxes_;
    QList<bool> answers_;
};

}  // namespace kav::test
