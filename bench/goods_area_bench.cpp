// Opens the goods area over 100, 1,000 and 10,000 goods and reports the time
// per good. The server comes from KAVELLO_BENCH_DB_HOST/PORT/USER/PASS (see
// bench/goods_area.sh, which starts one).
#include "client/Client.h"
#include "client/GoodsAreaWindow.h"
#include "common/ProgramContext.h"
#include "common/Schema.h"
#include "common/ui/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {
class BenchPlatform : public kav::Platform {
public:
    QString programDirectory() const override { return dir.path(); }
    QString machineAddress() const override { return QStringLiteral("127.0.0.1"); }
    QTemporaryDir dir;
};

bool fill(kav::StoreConnection& c, int goods)
{
    c.execute(kav::Statement("DELETE FROM `shop`"));
    const int batch = 500;
    for (int start = 1; start <= goods; start += batch) {
        QStringList rows;
        for (int id = start; id < std::min(goods + 1, start + batch); ++id)
            rows << QStringLiteral("(%1,1,1,1,'商品%1','12.5','0.5','说明文字%1',10,'2026年1月1日')").arg(id);
        if (!c.execute(kav::Statement(QStringLiteral("INSERT INTO `shop` VALUES ") + rows.join(QLatin1Char(',')))))
            return false;
    }
    return true;
}
}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    kav::MessageBox::setResponder([](const QString&, const QString&, int) { return int(kav::MessageBox::AnswerOk); });

    BenchPlatform platform;
    kav::ProgramContext context(platform);
    kav::ConnectionSettings s{qEnvironmentVariable("KAVELLO_BENCH_DB_HOST", QStringLiteral("127.0.0.1")),
                              qEnvironmentVariable("KAVELLO_BENCH_DB_USER", QStringLiteral("root")),
                              qEnvironmentVariable("KAVELLO_BENCH_DB_PASS"), QString(),
                              qEnvironmentVariableIntValue("KAVELLO_BENCH_DB_PORT")};
    kav::StoreConnection setup;
    if (!setup.connect(s)) {
        std::fprintf(stderr, "no database server: %s\n", qPrintable(setup.lastError()));
        return 1;
    }
    setup.execute(kav::Statement("DROP DATABASE IF EXISTS kavello_bench"));
    setup.execute(kav::Statement("CREATE DATABASE kavello_bench"));
    s.mysqlname = QStringLiteral("kavello_bench");
    setup.connect(s);
    setup.setNamesGbk();
    for (const auto& t : kav::schema::createStatements())
        setup.execute(kav::Statement(t.text()));
    context.settings() = s;
    context.marker().write(QStringLiteral("benchmark"), QStringLiteral("0123456789abcdef0123456789abcdef"));

    kav::Client client(context);
    std::printf("%8s %12s %14s\n", "goods", "open (ms)", "per good (us)");
    for (int goods : {100, 1000, 10000}) {
        if (!fill(setup, goods)) {
            std::fprintf(stderr, "filling the shop failed: %s\n", qPrintable(setup.lastError()));
            return 1;
        }
        QList<qint64> runs;
        for (int i = 0; i < 5; ++i) {
            context.connection().connect(s);
            QElapsedTimer clock;
            clock.start();
            client.openGoodsArea();
            QApplication::processEvents();  // let it lay out and paint once
            runs << clock.nsecsElapsed();
            if (!client.goodsArea() || client.goodsArea()->goodsList()->topLevelItemCount() != goods) {
                std::fprintf(stderr, "the goods area did not list %d goods\n", goods);
                return 1;
            }
            client.switchAccount();
            QApplication::processEvents();
        }
        std::sort(runs.begin(), runs.end());
        const double median = runs[runs.size() / 2] / 1e6;
        std::printf("%8d %12.1f %14.1f\n", goods, median, median * 1000.0 / goods);
    }
    setup.execute(kav::Statement("DROP DATABASE kavello_bench"));
    return 0;
}
