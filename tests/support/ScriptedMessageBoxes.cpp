#include "ScriptedMessageBoxes.h"

#include "common/ui/MessageBox.h"

#include <gtest/gtest.h>

namespace kav::test {

ScriptedMessageBoxes::ScriptedMessageBoxes()
{
    MessageBox::setResponder([this](const QString& text, const QString& title, int flags) {
        boxes_ << Box{text, title, flags};
        if ((flags & 0x0F) != MessageBox::YesNo)
            return int(MessageBox::AnswerOk);
        if (answers_.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return int(MessageBox::AnswerNo);
        }
        return answers_.takeFirst() ? int(MessageBox::AnswerYes) : int(MessageBox::AnswerNo);
    });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    MessageBox::setResponder({});
    EXPECT_TRUE(answers_.isEmpty()) << answers_.size() << " prepared answers were never asked for";
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList t;
    for (const Box& b : boxes_)
        t << b.text;
    return t;
}

}  // namespace kav::test

