#pragma once
#include <QList>
#include <QPair>
#include <QString>

class QWidget;
class QLineEdit;

namespace kav::test {

// Types text into an edit box as a person would: key clicks for Latin-1
// text, an input method commit for Chinese or emoji (key clicks cannot
// carry those). Replaces what the box held.
void typeInto(QLineEdit* edit, const QString& text);
// Types into several edit boxes of a window, found by object name.
void fill(QWidget* window, const QList<QPair<const char*, QString>>& fields);
void click(QWidget* button);
// A child widget by object name; fails the test when missing.
template <class T>
T* child(QWidget* parent, const QString& objectName);

}  // namespace kav::test

#include <QWidget>
#include <gtest/gtest.h>

template <class T>
T* kav::test::child(QWidget* parent, const QString& objectName)
{
    T* w = parent->findChild<T*>(objectName);
    EXPECT_NE(w, nullptr) << "no child " << objectName.toStdString();
    return w;
}
