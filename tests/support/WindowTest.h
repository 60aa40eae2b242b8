#pragma once
#include "ScriptedMessageBoxes.h"
#include "TestDatabase.h"
#include "TestPlatform.h"
#include "Typing.h"
#include "common/ProgramContext.h"
#include "common/settings/SettingsFile.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace kav::test {

inline const QString kSystemTitle = QStringLiteral("系统提示");
inline const QString kKindTitle = QStringLiteral("温馨提示");
inline const QString kDefaultTitle = QStringLiteral("信息：");

// A program on a temporary directory with connfig.mdb pointing at a fresh
// test database holding the shop's tables, scripted message boxes, and the
// program's end recorded instead of carried out.
class WindowTest : public ::testing::Test {
protected:
    WindowTest()
    {
        db.createSchema();
        EXPECT_TRUE(settings::create(platform.programFile(settings::kFileName), db.settings()));
        context.onEnd = [this] { ++ended; };
    }

    // Saves a picture of the window for people to look at.
    static void saveScreenshot(QWidget* w, const QString& name)
    {
        const QString dir = QStringLiteral(KAVELLO_BIN_DIR "/../screenshots");
        QDir().mkpath(dir);
        const QImage image = w->grab().toImage();
        EXPECT_FALSE(image.isNull());
        image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    TestDatabase db;
    TestPlatform platform;
    ScriptedMessageBoxes boxes;
    ProgramContext context{platform};
    int ended = 0;
};

}  // namespace kav::test
