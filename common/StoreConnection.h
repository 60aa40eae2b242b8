#pragma once
#include "ConnectionSettings.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace kav {

// An SQL statement built from fixed text and values. Each '?' in the pattern
// stands for one value, which is sent as a quoted literal, escaped in the
// connection's character set, so input can never end the literal.
class Statement {
public:
    Statement(QString pattern, QStringList values = {});
    Statement(const char* pattern, QStringList values = {}) : Statement(QString::fromUtf8(pattern), std::move(values)) {}

    const QStringList& pieces() const { return pieces_; }  // values().size() + 1 pieces
    const QStringList& values() const { return values_; }
    // The statement as it would read with unescaped values (for logs and tests).
    QString displayText() const;

private:
    QStringList pieces_;
    QStringList values_;
};

// A stored result set with a cursor. The cursor starts on the first row;
// reads never move it and reads past the end yield the last row again.
class StoreResult {
public:
    StoreResult() = default;  // "no result"

    bool isNull() const { return !valid_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const QStringList& columns() const { return columns_; }

    // False, destination untouched: no result, unknown column (exact,
    // case-sensitive name) or no rows.
    bool readField(const QString& column, QString& destination) const;
    bool readField(const QString& column, qint64& destination) const;
    bool readField(const QString& column, int& destination) const;
    bool readField(const QString& column, double& destination) const;

    // Moves on one row; true when there was a row under the cursor before.
    bool nextRow();

private:
    friend class StoreConnection;
    const std::optional<QString>* field(const QString& column) const;

    bool valid_ = false;
    QStringList columns_;
    std::vector<std::vector<std::optional<QString>>> rows_;
    int cursor_ = 0;
};

// Row walk: every row once, in the server's order.
template <class F>
void rowWalk(StoreResult& result, F&& visit)
{
    const int n = result.rowCount();
    for (int i = 0; i < n; ++i) {
        visit(result);
        result.nextRow();
    }
}

// First-row read: the destinations end up with the first row's values and
// keep their earlier values when there is no row. Reading the same row n
// times changes nothing, so it is read once.
template <class F>
void firstRowRead(const StoreResult& result, F&& visit)
{
    if (result.rowCount() > 0)
        visit(result);
}

// The program's single connection to the shared database.
class StoreConnection {
public:
    StoreConnection();
    ~StoreConnection();
    StoreConnection(const StoreConnection&) = delete;
    StoreConnection& operator=(const StoreConnection&) = delete;

    // Opens a new connection, replacing (and releasing) the current one.
    // Empty texts go to the client library as absent, port 0 as the default.
    bool connect(const ConnectionSettings& settings);
    bool isOpen() const;
    void close();

    // True when the server accepted the statement. Nothing is sent without a
    // connection or when a value cannot be represented in the connection's
    // character set. A result the statement produced is kept for storeResult().
    bool execute(const Statement& statement);
    // The result of the last statement; "no result" when it produced none or failed.
    StoreResult storeResult();
    // execute + storeResult; nullopt when the statement failed.
    std::optional<StoreResult> query(const Statement& statement);

    // Switches the connection's character set through the client library so
    // that its escaping agrees with the server. Used for "SET NAMES 'GBK'".
    bool setCharacterSet(const char* name);
    bool setNamesGbk() { return setCharacterSet("gbk"); }
    QString characterSet() const;

    QString lastError() const { return lastError_; }

    // Connect, read and write time-outs in seconds (a dead server must not
    // freeze a window for good).
    static constexpr unsigned kConnectTimeout = 5;
    static constexpr unsigned kReadTimeout = 30;
    static constexpr unsigned kWriteTimeout = 30;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString lastError_;
};

}  // namespace kav
